// A first run through the built binary and in-process, on the smallest file.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(Smoke, PascalConstantThroughBinaryAndInProcess) {
  test::TempDir Dir;
  test::WriteBytes(Dir.File("defs.txt"), "ALPHA 1FH %BYTE first flag\n");
  const std::string Expected =
      "const\r\n"
      "ALPHA                    =      $1F;            { (BYTE) first flag }\r\n";

  test::RunResult Binary = test::RunBinary({"defs.txt", "out.inc"}, Dir.Path.string());
  EXPECT_EQ(Binary.Status, 0);
  EXPECT_EQ(Binary.Console, "");
  EXPECT_EQ(test::ReadBytes(Dir.File("out.inc")), Expected);

  test::RunResult InProcess = test::RunInProcess({Dir.File("defs.txt"), Dir.File("again.inc")});
  EXPECT_EQ(InProcess.Status, 0);
  EXPECT_EQ(InProcess.Console, "");
  EXPECT_EQ(test::ReadBytes(Dir.File("again.inc")), Expected);
}

}  // namespace
