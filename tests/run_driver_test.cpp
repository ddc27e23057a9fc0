// The run driver through the built binary: how lines are read, how comment
// lines come out in each language, the progress display, the open failures
// and the passes, checked on the exact bytes of the include file and of
// standard output, and on the exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/text_file.h"
#include "support/test_support.h"

namespace {

const std::string Languages[] = {"P", "PR", "C", "CS", "A", "B"};

struct Outcome {
  int Status;
  std::string Console;
  std::string Include;  // "<none>" when no include file was created
};

// Runs tolvane on Source as defs.txt, writing out.inc, in a fresh folder.
Outcome RunOn(const std::string& Source, const std::vector<std::string>& Language) {
  test::TempDir Dir;
  test::WriteBytes(Dir.File("defs.txt"), Source);
  std::vector<std::string> Arguments{"defs.txt", "out.inc"};
  Arguments.insert(Arguments.end(), Language.begin(), Language.end());
  test::RunResult Result = test::RunBinary(Arguments, Dir.Path.string());
  const std::string Include = Dir.File("out.inc");
  return {Result.Status, Result.Console,
          test::Exists(Include) ? test::ReadBytes(Include) : std::string("<none>")};
}

std::string Lines(const std::vector<std::string>& Texts) {
  std::string Bytes;
  for (const std::string& Text : Texts) Bytes += Text + "\r\n";
  return Bytes;
}

// The header lines of the two table languages with a count of 0, written
// out with the length each line must have.
struct HeaderLine {
  std::string Text;
  std::size_t Length;
};

const std::vector<HeaderLine> PascalRecordHeader = {
    {"type", 4},
    {"ParameterType = (type_byte,type_ptr,type_flag,type_mask,", 56},
    {"type_uint,type_int,type_ulong,type_long,type_double,type_event,", 63},
    {"type_ebyte,type_eword,type_lit,type_const,type_enum);", 53},
    {"XOLTParamRec = ", 15},
    {"record", 6},
    {"  ParmName : string[24];", 24},
    {"  ParmLoc  : longint;", 21},
    {"  ParmType : ParameterType;", 27},
    {"end;", 4},
    {"", 0},
    {"const", 5},
    {"LastParm = 0;", 13},
    {"XOLTParams : array[1 .. LastParm] of XOLTParamRec = ", 52},
};

const std::vector<HeaderLine> CStructureHeader = {
    {"typedef enum", 12},
    {"{", 1},
    {"    BYTE,", 9},
    {"    PTR,", 8},
    {"    FLAG,", 9},
    {"    MASK,", 9},
    {"    UINT,", 9},
    {"    INT,", 8},
    {"    ULONG,", 10},
    {"    LONG,", 9},
    {"    DOUBLE,", 11},
    {"    EVENT,", 10},
    {"    LIT", 7},
    {"} ParameterType;", 16},
    {"", 0},
    {"typedef struct", 14},
    {"{", 1},
    {"    char ParmName[24];", 22},
    {"    long ParmLoc;", 17},
    {"    ParameterType ParmType;", 27},
    {"} XOLTParamRec;", 15},
    {"", 0},
    {"#define LASTPARM 0", 18},
    {"", 0},
    {"XOLTParamRec XOLTParams[LASTPARM] = ", 36},
    {"{", 1},
};

// A header as written for a table of Count rows.
std::string HeaderBytes(const std::vector<HeaderLine>& Header, const std::string& Count = "0") {
  std::string Bytes;
  for (const HeaderLine& Line : Header) {
    if (Line.Text == "LastParm = 0;")
      Bytes += "LastParm = " + Count + ";";
    else if (Line.Text == "#define LASTPARM 0")
      Bytes += "#define LASTPARM " + Count;
    else
      Bytes += Line.Text;
    Bytes += "\r\n";
  }
  return Bytes;
}

// The include file of an input that holds no line: the first line of a
// Pascal file, a table header, or nothing.
std::string EmptyInclude(const std::string& Language) {
  if (Language == "P") return "const\r\n";
  if (Language == "PR") return HeaderBytes(PascalRecordHeader);
  if (Language == "CS") return HeaderBytes(CStructureHeader);
  return "";
}

TEST(RunDriver, HeaderLinesHaveTheirLengths) {
  EXPECT_EQ(PascalRecordHeader.size(), 14u);
  EXPECT_EQ(CStructureHeader.size(), 26u);
  for (const auto* Header : {&PascalRecordHeader, &CStructureHeader})
    for (const HeaderLine& Line : *Header) EXPECT_EQ(Line.Text.size(), Line.Length) << Line.Text;
}

TEST(RunDriver, EmptyInputInEveryLanguage) {
  const std::string Inputs[] = {
      "",
      "\x1A",
      std::string("\x1A#after\r\nNAME 1 %BYTE\r\n"),
      "\r\n\n\r",  // three empty lines
      " \t\r\n",   // a line of blanks yields no entry
  };
  for (const std::string& Language : Languages)
    for (const std::string& Input : Inputs) {
      SCOPED_TRACE(Language + " on " + testing::PrintToString(Input));
      Outcome Run = RunOn(Input, {Language});
      EXPECT_EQ(Run.Status, 0);
      EXPECT_EQ(Run.Console, "");
      EXPECT_EQ(Run.Include, EmptyInclude(Language));
    }
}

TEST(RunDriver, LineEndsMixedAndLastLineWithoutLineEnd) {
  Outcome Run = RunOn("#lf\n#cr\r#crlf\r\n#lfcr\n\r#cr cr\r\r#last", {"A"});
  EXPECT_EQ(Run.Status, 0);
  EXPECT_EQ(Run.Include, Lines({"; lf", "; cr", "; crlf", "; lfcr", "; cr cr", "; last"}));
}

TEST(RunDriver, CtrlZEndsTheInputWhereverItStands) {
  const struct {
    std::string Source;
    std::string Include;
  } Cases[] = {
      {"#one\r\n#two\x1A#three\r\n#four\r\n", Lines({"; one", "; two"})},
      {"#one\r\x1A\n#two\r\n", Lines({"; one"})},
      {"#one\r\n\x1A", Lines({"; one"})},
      {"#one\r\n\x1A\r\n#two", Lines({"; one"})},
      {"#" + std::string(279, 'a') + "\x1A#two\r\n", Lines({"; " + std::string(253, 'a')})},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(testing::PrintToString(Case.Source));
    Outcome Run = RunOn(Case.Source, {"A"});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Include, Case.Include);
  }
}

std::string Repeat(const std::string& Text, int Count) {
  std::string Bytes;
  for (int I = 0; I < Count; ++I) Bytes += Text;
  return Bytes;
}

// n bytes of a repeating pattern, so that a cut shows where it fell.
std::string Pattern(std::size_t Length) {
  std::string Text;
  for (std::size_t I = 0; I < Length; ++I) Text += static_cast<char>('a' + I % 26);
  return Text;
}

TEST(RunDriver, LongLineKeepsItsFirst255BytesAndTheNextLineIsRead) {
  // 10 blanks, the comment character and 289 more bytes: 300 in all. The
  // line keeps 255 bytes, so the comment text is the pattern's first 244.
  const std::string Long = std::string(10, ' ') + "#" + Pattern(289);
  ASSERT_EQ(Long.size(), 300u);
  for (const std::string Ending : {"\n", "\r", "\r\n"}) {
    SCOPED_TRACE(testing::PrintToString(Ending));
    Outcome Run = RunOn(Long + Ending + "#next" + Ending, {"A"});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Include, Lines({"; " + Pattern(244), "; next"}));
  }
}

// Lines that meet the end of the read buffer: a CR LF split across two
// reads is one line end, a long line is cut across the refill, and a Ctrl-Z
// first in a fresh block ends the input.
TEST(RunDriver, LinesAcrossTheReadBuffer) {
  const std::size_t Block = TextFileBufferSize;
  const std::string Cut = "; " + std::string(253, 'a');
  const struct {
    std::string Source;
    std::string Include;
  } Cases[] = {
      // CR last in the block, LF first in the next; nine lines in all.
      {"#" + std::string(Block - 2, 'a') + "\r\n" + Repeat("#b\r\n", 8),
       Lines({Cut, "; b", "; b", "; b", "; b", "; b", "; b", "; b", "; b"})},
      {"#" + std::string(Block + 100, 'a') + "\r\n#z", Lines({Cut, "; z"})},
      {"#" + std::string(Block - 3, 'a') + "\r\n\x1A#more\r\n", Lines({Cut})},
  };
  for (const auto& Case : Cases) {
    Outcome Run = RunOn(Case.Source, {"A"});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Console, "");
    EXPECT_EQ(Run.Include, Case.Include);
  }
}

TEST(RunDriver, CommentLinesInEveryLanguage) {
  const std::string Source =
      "#plain\r\n"
      ";\r\n"                       // the comment character alone
      "{ two\r\n"                   // the space after it stays
      " \t #trail \t\r\n"           // leading blanks go, trailing ones stay
      "#close } */ end\r\n"         // closing markers copied as they are
      "#\t" + std::string("\0", 1) + "\xFF\x80\x1B.\r\n"  // bytes as they are
      "\r\n"
      "  \r\n";
  const std::string Bytes = "\t" + std::string("\0", 1) + "\xFF\x80\x1B.";
  // Eight lines: the two-pass languages read sixteen, and show the count once.
  const struct {
    std::string Language;
    std::string Include;
    std::string Console;
  } Cases[] = {
      {"P", Lines({"const", "{ plain }", "{  }", "{  two }", "{ trail \t }",
                   "{ close } */ end }", "{ " + Bytes + " }"}), ""},
      {"C", Lines({"/* plain */", "/*  */", "/*  two */", "/* trail \t */",
                   "/* close } */ end */", "/* " + Bytes + " */"}), ""},
      {"A", Lines({"; plain", "; ", ";  two", "; trail \t", "; close } */ end", "; " + Bytes}), ""},
      {"B", Lines({"REM plain", "REM ", "REM  two", "REM trail \t", "REM close } */ end",
                   "REM " + Bytes}), ""},
      {"PR", HeaderBytes(PascalRecordHeader), "SourceLine 10\r"},
      {"CS", HeaderBytes(CStructureHeader), "SourceLine 10\r"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Language);
    Outcome Run = RunOn(Source, {Case.Language});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Console, Case.Console);
    EXPECT_EQ(Run.Include, Case.Include);
  }
}

TEST(RunDriver, ConvertedCommentsAreCutAt255) {
  // Each line is the comment character and a text; the lengths count both.
  auto Comment = [](std::size_t Length) { return "#" + Pattern(Length - 1) + "\r\n"; };
  const struct {
    std::string Language;
    std::vector<std::size_t> LineLengths;
    std::vector<std::string> Written;
  } Cases[] = {
      {"P", {252, 253, 255, 300},
       {"const", "{ " + Pattern(251) + " }", "{ " + Pattern(252) + " ", "{ " + Pattern(253),
        "{ " + Pattern(253)}},
      {"C", {250, 251, 253},
       {"/* " + Pattern(249) + " */", "/* " + Pattern(250) + " *", "/* " + Pattern(252)}},
      {"A", {254, 255, 300}, {"; " + Pattern(253), "; " + Pattern(253), "; " + Pattern(253)}},
      {"B", {252, 253}, {"REM " + Pattern(251), "REM " + Pattern(251)}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Language);
    std::string Source;
    for (std::size_t Length : Case.LineLengths) Source += Comment(Length);
    Outcome Run = RunOn(Source, {Case.Language});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Include, Lines(Case.Written));
    for (const std::string& Line : Case.Written) EXPECT_LE(Line.size(), 255u);
  }
}

TEST(RunDriver, ProgressDisplayEveryTenthLine) {
  const struct {
    std::string Language;
    std::string Source;
    std::string Console;
  } Cases[] = {
      {"A", Repeat("#c\n", 9), ""},  // the last line end adds no line
      {"A", Repeat("#c\r\n", 9), ""},  // CR LF is one line end
      {"A", Repeat("#c\r\n", 9) + "#c", "SourceLine 10\r"},
      {"C", Repeat("\r", 10), "SourceLine 10\r"},  // empty lines count
      {"P", Repeat("\n", 5) + Repeat(";x\n", 14), "SourceLine 10\r"},
      {"B", Repeat("#c\n", 10) + "\x1A" + Repeat("#c\n", 10), "SourceLine 10\r"},
      {"C", Repeat(" \t\n", 20), "SourceLine 10\rSourceLine 20\r"},
      {"PR", Repeat("#c\n", 25),
       "SourceLine 10\rSourceLine 20\rSourceLine 30\rSourceLine 40\rSourceLine 50\r"},
      {"CS", Repeat("\n", 20), "SourceLine 10\rSourceLine 20\rSourceLine 30\rSourceLine 40\r"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Language + " on " + testing::PrintToString(Case.Source));
    Outcome Run = RunOn(Case.Source, {Case.Language});
    EXPECT_EQ(Run.Status, 0);
    EXPECT_EQ(Run.Console, Case.Console);
  }
}

TEST(RunDriver, FatalAfterProgressStandsOnItsOwnLine) {
  // Line 25 names an unknown type; what came before stays in the file.
  Outcome Run = RunOn(Repeat("#c\n", 24) + "BAD 1 %NOSUCH\n#after\n", {"A"});
  EXPECT_EQ(Run.Status, 2);
  EXPECT_EQ(Run.Console, "SourceLine 10\rSourceLine 20\r\nInvalid Parameter Type\n");
  EXPECT_EQ(Run.Include, Repeat("; c\r\n", 24));
}

TEST(RunDriver, DefinitionFileThatCannotBeOpened) {
  test::TempDir Dir;
  std::filesystem::create_directory(Dir.Path / "folder");
  test::WriteBytes(Dir.File("kept.inc"), "older\r\n");
  const struct {
    std::string Source;
    std::string Include;
  } Cases[] = {
      {"missing.txt", "out.inc"},
      {"folder", "out.inc"},
      {"", "out.inc"},
      {"missing.txt", "kept.inc"},  // an existing include file is not emptied
  };
  for (const std::string Language : {"P", "CS"})
    for (const auto& Case : Cases) {
      SCOPED_TRACE(Language + " [" + Case.Source + "] -> " + Case.Include);
      test::RunResult Result =
          test::RunBinary({Case.Source, Case.Include, Language}, Dir.Path.string());
      EXPECT_EQ(Result.Status, 2);
      EXPECT_EQ(Result.Console, "\nCan't open input file\n");
      EXPECT_FALSE(test::Exists(Dir.File("out.inc")));
      EXPECT_EQ(test::ReadBytes(Dir.File("kept.inc")), "older\r\n");
    }
}

// Names are used whole: a name longer than 255 bytes opens the file it
// names, and a name holding NUL opens nothing (the bytes before the NUL
// name another file).
TEST(RunDriver, FileNamesAreUsedWhole) {
  test::TempDir Dir;
  const std::filesystem::path Folder = Dir.Path / std::string(200, 'f');
  std::filesystem::create_directory(Folder);
  const std::string Source = (Folder / (std::string(100, 's') + ".def")).string();
  const std::string Include = (Folder / (std::string(100, 'i') + ".inc")).string();
  ASSERT_GT(Source.size(), 300u);
  test::WriteBytes(Source, "#long\r\n");
  test::RunResult Long = test::RunInProcess({Source, Include, "A"});
  EXPECT_EQ(Long.Status, 0);
  EXPECT_EQ(test::ReadBytes(Include), "; long\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder),
                          std::filesystem::directory_iterator()),
            2);

  const std::string Plain = Dir.File("defs.txt");
  test::WriteBytes(Plain, "#c\r\n");
  const std::string Nul(1, '\0');
  test::RunResult BadSource = test::RunInProcess({Plain + Nul + "x", Dir.File("out.inc"), "A"});
  EXPECT_EQ(BadSource.Status, 2);
  EXPECT_EQ(BadSource.Console, "\nCan't open input file\n");
  test::RunResult BadInclude = test::RunInProcess({Plain, Dir.File("out.inc") + Nul + "x", "A"});
  EXPECT_EQ(BadInclude.Status, 2);
  EXPECT_EQ(BadInclude.Console, "\nCan't open output file\n");
  EXPECT_FALSE(test::Exists(Dir.File("out.inc")));
}

TEST(RunDriver, IncludeFileThatCannotBeCreated) {
  test::TempDir Dir;
  std::filesystem::create_directory(Dir.Path / "folder");
  test::WriteBytes(Dir.File("defs.txt"), "#c\r\n");
  for (const std::string Include : {"no/such/folder/out.inc", "folder", ""})
    for (const std::string Language : {"B", "PR"}) {
      SCOPED_TRACE(Language + " -> [" + Include + "]");
      test::RunResult Result = test::RunBinary({"defs.txt", Include, Language}, Dir.Path.string());
      EXPECT_EQ(Result.Status, 2);
      EXPECT_EQ(Result.Console, "\nCan't open output file\n");
      EXPECT_TRUE(std::filesystem::is_empty(Dir.Path / "folder"));
      EXPECT_EQ(test::ReadBytes(Dir.File("defs.txt")), "#c\r\n");
    }
}

TEST(RunDriver, TableLanguagesRecreateTheIncludeFile) {
  // An older, longer include file is replaced; the first pass writes
  // nothing, so the file holds just what the second pass wrote.
  test::TempDir Dir;
  test::WriteBytes(Dir.File("defs.txt"), "#note\r\nONE 5 %BYTE\r\n");
  const struct {
    std::string Language;
    std::string Include;
  } Cases[] = {
      {"PR", HeaderBytes(PascalRecordHeader, "1") +
                 "((ParmName : 'ONE'; ParmLoc : 5; ParmType : type_BYTE ));\r\n"},
      {"CS", HeaderBytes(CStructureHeader, "1") + "    { \"ONE\", 5, BYTE }\r\n} ;\r\n"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Language);
    test::WriteBytes(Dir.File("out.inc"), std::string(5000, 'z'));
    test::RunResult Result =
        test::RunBinary({"defs.txt", "out.inc", Case.Language}, Dir.Path.string());
    EXPECT_EQ(Result.Status, 0);
    EXPECT_EQ(Result.Console, "");
    EXPECT_EQ(test::ReadBytes(Dir.File("out.inc")), Case.Include);
  }
}

TEST(RunDriver, SecondPassStartsWithWhatTheFirstLeft) {
  // The size of the last type word and the notation of the last explicit
  // number carry into the second pass; the location starts again at 0. In
  // the second pass GAP advances by 4 (LONG) and FIRST takes the hex form
  // of LAST's 20H.
  Outcome Run = RunOn("GAP $\r\nFIRST $ %BYTE\r\nLAST 20H %LONG\r\n", {"PR"});
  EXPECT_EQ(Run.Status, 0);
  EXPECT_EQ(Run.Include,
            HeaderBytes(PascalRecordHeader, "2") +
                Lines({"((ParmName : 'FIRST'; ParmLoc : $4; ParmType : type_BYTE ),",
                       "(ParmName : 'LAST'; ParmLoc : $20; ParmType : type_LONG ));"}));
}

}  // namespace

namespace {

// A message the console refuses is an I/O error, not the tool's own error.
TEST(RunDriver, MessageTheConsoleRefusesEndsWithWriteError) {
  if (!test::Exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  struct Case {
    std::string Source;
    std::vector<std::string> Arguments;
  };
  const Case Cases[] = {
      {"A 1\n", {"defs.txt"}},                          // usage
      {"A 1\n", {"defs.txt", "out.inc", "P", "S"}},     // a command-line message
      {"A 1 %NOPE\n", {"defs.txt", "out.inc", "C"}},    // a message during a pass
      {"A 1GH\n", {"defs.txt", "out.inc", "C"}},        // the hex message
  };
  for (const Case& Each : Cases) {
    SCOPED_TRACE(Each.Source + " " + std::to_string(Each.Arguments.size()) + " arguments");
    test::TempDir Dir;
    test::WriteBytes(Dir.File("defs.txt"), Each.Source);
    EXPECT_EQ(test::RunBinary(Each.Arguments, Dir.Path.string(), "/dev/full").Status, 101);
  }
}

}  // namespace
