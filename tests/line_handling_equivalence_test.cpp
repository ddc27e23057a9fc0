// The per-line routines against plain models of what they must do, on many
// generated inputs: the line reader (line ends found a block at a time), the
// scanner (words found in a bit mask of blanks), the type lookup (a hash of
// the packed name), the text copies and the number texts of the writers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "common/console.h"
#include "common/records.h"
#include "common/run_end.h"
#include "common/text_file.h"
#include "definitions/field_types.h"
#include "definitions/scanner.h"
#include "support/test_support.h"
#include "writers/format.h"

namespace {

// The lines a definition file holds: LF, CR or CR LF end a line, at most 255
// bytes are kept, a Ctrl-Z ends the input, and a line end at the very end
// gives no extra line.
std::vector<std::string> ModelLines(const std::string& Bytes) {
  std::vector<std::string> Lines;
  std::size_t I = 0;
  const std::size_t N = Bytes.size();
  while (I < N && Bytes[I] != CtrlZ) {
    std::string Line;
    for (; I < N && Bytes[I] != '\n' && Bytes[I] != '\r' && Bytes[I] != CtrlZ; ++I)
      if (Line.size() < 255) Line += Bytes[I];
    if (I < N && Bytes[I] == '\r' && ++I < N && Bytes[I] == '\n') ++I;
    else if (I < N && Bytes[I] == '\n') ++I;
    Lines.push_back(Line);
  }
  return Lines;
}

std::vector<std::string> ReadAllLines(const std::string& Path) {
  static SourceFileRecord File;
  EXPECT_TRUE(OpenForReading(File, Path));
  std::vector<std::string> Lines;
  ShortText Line;
  while (!SourceAtEnd(File)) {
    ReadLine(File, Line);
    Lines.push_back(Line.Str());
  }
  CloseSource(File);
  return Lines;
}

// Bytes next to the stop bytes in value, and with only the high bit apart,
// are where a word-at-a-time search would go wrong.
std::string RandomBytes(std::mt19937& Random, std::size_t Size, bool WithCtrlZ) {
  static const char Alphabet[] = {'a', 'Z', ' ', '\t', '\t', '\x0b', '\x0c', '\x0e', '\x19', '\x1b',
                                  '\x00', '\x01', '\x7f', '\x80', '\x8a', '\x8d', '\x9a', '\xff'};
  std::string Bytes;
  while (Bytes.size() < Size) {
    const unsigned Pick = Random() % 64;
    if (Pick == 0) Bytes += '\n';
    else if (Pick == 1) Bytes += '\r';
    else if (Pick == 2) Bytes += "\r\n";
    else if (Pick == 3) Bytes += std::string(200 + Random() % 200, 'L');  // past 255 with what follows
    else Bytes += Alphabet[Random() % sizeof Alphabet];
  }
  if (WithCtrlZ) Bytes[Random() % Bytes.size()] = CtrlZ;
  return Bytes;
}

TEST(LineReading, AgreesWithTheModelOnGeneratedFiles) {
  test::TempDir Dir;
  const std::string Path = Dir.File("lines.def");
  std::mt19937 Random(20240611);
  std::vector<std::string> Files;
  for (int I = 0; I < 24; ++I) Files.push_back(RandomBytes(Random, 1 + Random() % 140000, I % 3 == 0));
  // The block boundary: a CR LF split across it, and a long line across it.
  std::string Split(TextFileBufferSize - 1, 'b');
  Split += "\r\nnext\n";
  Files.push_back(Split);
  Files.push_back(std::string(TextFileBufferSize - 100, 'c') + "\n" + std::string(300, 'd') + "\rend");
  for (std::size_t I = 0; I < Files.size(); ++I) {
    test::WriteBytes(Path, Files[I]);
    ASSERT_EQ(ReadAllLines(Path), ModelLines(Files[I])) << "file " << I;
  }
}

TEST(LineReading, FindsEveryStopByteAtEveryOffsetOfAWord) {
  test::TempDir Dir;
  const std::string Path = Dir.File("offsets.def");
  for (char Stop : {'\n', '\r', CtrlZ})
    for (std::size_t Offset = 0; Offset < 20; ++Offset) {
      // High-bit and neighbouring bytes before the stop, none after it.
      std::string Bytes;
      for (std::size_t I = 0; I < Offset; ++I) Bytes += "\x8a\x0b\x8d\x0c\x9a\x19\x1b"[I % 7];
      Bytes += Stop;
      Bytes += "tail of the file";
      test::WriteBytes(Path, Bytes);
      ASSERT_EQ(ReadAllLines(Path), ModelLines(Bytes)) << int(Stop) << " at " << Offset;
    }
}

struct Fields {
  std::string Name, ValueField, TypeName, Remark;
  bool HasType;
  std::int16_t FieldSize;
  bool Fatal;
  bool operator==(const Fields&) const = default;
};

void PrintTo(const Fields& F, std::ostream* Out) {
  *Out << "[" << F.Name << "|" << F.ValueField << "|" << F.TypeName << "|" << F.Remark << "|"
       << F.HasType << "|" << F.FieldSize << "|" << F.Fatal << "]";
}

// The scanner's steps on a working copy, word by word with NextToken.
Fields ModelFields(const ShortText& Line) {
  Fields Result{"", "", "carried", "", false, 77, false};
  ShortText Rest = Line, Word;
  NextToken(Rest, Word);
  Result.Name = Word.Str();
  NextToken(Rest, Word);
  Result.ValueField = Word.Str();
  TrimLeading(Rest);
  if (!Rest.Empty() && Rest.First() == TypeMarker) {
    Result.HasType = true;
    NextToken(Rest, Word);
    Result.TypeName = Word.Str().substr(1);
    Result.FieldSize = LookupFieldSize(ShortText(Result.TypeName));
    if (Result.FieldSize != 0) Result.Name = Concat(ShortText(Result.Name), RunOptions.NameSuffix.View()).Str();
    if (Result.FieldSize == -1) {
      Result.Fatal = true;
      return Result;
    }
  }
  TrimLeading(Rest);
  Result.Remark = Rest.Str();
  return Result;
}

Fields ScannedFields(const ShortText& Line) {
  DefinitionFields = DefinitionFieldsRecord();
  DefinitionFields.TypeName = ShortText("carried");
  GeneratorState.FieldSize = 77;
  LineText = Line;
  Fields Result{};
  try {
    ParseDefinitionLine();
  } catch (const RunEnd&) {
    Result.Fatal = true;
  }
  Result.Name = DefinitionFields.Name.Str();
  Result.ValueField = DefinitionFields.ValueField.Str();
  Result.TypeName = DefinitionFields.TypeName.Str();
  Result.Remark = Result.Fatal ? "" : DefinitionFields.Remark.Str();
  Result.HasType = DefinitionFields.HasType;
  Result.FieldSize = GeneratorState.FieldSize;
  EXPECT_EQ(LineText, Line) << "the line itself is left unchanged";
  return Result;
}

TEST(Scanner, AgreesWithTheWordByWordModelOnGeneratedLines) {
  static const std::vector<std::string> Words = {
      "NAME", "A", "$", "#", "1FH", "%101", "%", "%%WORD", "%BYTE", "%word", "%Enum", "%lit",
      "%bogus", "%DOUBLEX", "%LONG", "remark", "%more", std::string(90, 'w'),
      std::string("a\0b", 3), "\x8a\x80", ";", "{"};
  static const char* const Blanks[] = {" ", "\t", "  ", " \t\t ", "\t "};
  std::string Captured;
  ConsoleCaptureInto(&Captured);
  std::mt19937 Random(7);
  for (const char* Suffix : {"", "_S"})
    for (std::int16_t Stride : {1, 2, -1}) {
      RunOptions = RunOptionsRecord();
      RunOptions.NameSuffix = ShortText(Suffix);
      RunOptions.AddressStride = Stride;
      for (int I = 0; I < 3000; ++I) {
        std::string Text = Random() % 3 == 0 ? Blanks[Random() % 5] : "";
        const int Count = static_cast<int>(Random() % 7);
        for (int W = 0; W < Count; ++W) {
          if (W) Text += Blanks[Random() % 5];
          Text += Words[Random() % Words.size()];
        }
        if (Random() % 4 == 0) Text += Blanks[Random() % 5];
        const ShortText Line(Text);  // cut at 255, as the reader leaves it
        ASSERT_EQ(ScannedFields(Line), ModelFields(Line)) << "line [" << Line.Str() << "]";
      }
    }
  ConsoleCaptureInto(nullptr);
  ConsoleReset();
}

TEST(FieldTypeLookup, AgreesWithTheUpperCaseModel) {
  auto Model = [](const ShortText& Name) -> std::int16_t {
    for (const FieldTypeEntry& Row : FieldTypeTable)
      if (UpperCase(Name).View() == Row.TypeKey)
        return Row.TypeKey == "ENUM" ? Row.Size
                                     : static_cast<std::int16_t>(Row.Size / RunOptions.AddressStride);
    return -1;
  };
  std::vector<std::string> Names = {"", "notfound", "NOTFOUND", "byte\xff", "WORD ", "W0RD", "Int",
                                    std::string("BYTE\0", 5), "\xe9num"};
  for (const FieldTypeEntry& Row : FieldTypeTable) {
    std::string Key(Row.TypeKey), Lower, Mixed;
    for (std::size_t I = 0; I < Key.size(); ++I) {
      Lower += static_cast<char>(Key[I] >= 'A' && Key[I] <= 'Z' ? Key[I] + 32 : Key[I]);
      Mixed += I % 2 ? Lower.back() : Key[I];
    }
    Names.insert(Names.end(), {Key, Lower, Mixed, Key.substr(1), Key + "S", Lower.substr(0, Key.size() - 1)});
  }
  for (std::int16_t Stride : {1, 2, 4, -1, -3}) {
    RunOptions = RunOptionsRecord();
    RunOptions.AddressStride = Stride;
    for (const std::string& Name : Names)
      EXPECT_EQ(LookupFieldSize(ShortText(Name)), Model(ShortText(Name)))
          << "[" << Name << "] stride " << Stride;
  }
  RunOptions = RunOptionsRecord();
}

TEST(NumberTexts, DecimalAndHexAgreeWithPrintf) {
  std::vector<std::int32_t> Values = {0, 1, -1, 9, 10, -10, 15, 16, 255, 256, 4095, 4096, 65535,
                                      65536, 1048575, 1048576, 16777215, 16777216, 268435455,
                                      268435456, 2147483647, -2147483647 - 1, -16, -8};
  std::mt19937 Random(11);
  for (int I = 0; I < 2000; ++I) Values.push_back(static_cast<std::int32_t>(Random()));
  for (std::int32_t Value : Values) {
    char Expected[16];
    std::snprintf(Expected, sizeof Expected, "%d", Value);
    EXPECT_EQ(DecimalText(Value).Str(), Expected);
    // Negative values show their low four bits only.
    std::snprintf(Expected, sizeof Expected, "%X", Value < 0 ? Value & 15 : Value);
    EXPECT_EQ(HexDigits(Value).Str(), Expected);
  }
}

TEST(TextCopies, CopyTextMovesLikeMemmoveAndFillTextSetsLikeMemset) {
  char Start[1024];
  for (std::size_t I = 0; I < sizeof Start; ++I) Start[I] = static_cast<char>(I * 7 + 3);
  for (std::size_t Count = 0; Count <= 255; ++Count)
    for (int Shift : {-33, -17, -16, -9, -8, -1, 0, 1, 2, 7, 8, 15, 16, 31, 32, 64, 300}) {
      char Expected[1024], Actual[1024];
      std::memcpy(Expected, Start, sizeof Start);
      std::memcpy(Actual, Start, sizeof Start);
      std::memmove(Expected + 300 + Shift, Expected + 300, Count);
      CopyText(Actual + 300 + Shift, Actual + 300, Count);
      ASSERT_EQ(std::memcmp(Expected, Actual, sizeof Start), 0) << Count << " bytes, shift " << Shift;
    }
  for (std::size_t Count = 0; Count <= 255; ++Count) {
    char Expected[300], Actual[300];
    std::memset(Expected, 'x', sizeof Expected);
    std::memset(Actual, 'x', sizeof Actual);
    std::memset(Expected + 20, ' ', Count);
    FillText(Actual + 20, ' ', Count);
    ASSERT_EQ(std::memcmp(Expected, Actual, sizeof Expected), 0) << Count << " bytes";
  }
}

TEST(NumberTexts, PadToStopsAtTheWidthAndAt255) {
  const struct {
    std::string Text;
    int Width;
    std::size_t Length;
  } Cases[] = {{"ABC", 6, 6}, {"ABC", 3, 3}, {"ABC", 0, 3}, {"ABC", -5, 3},
               {std::string(30, 'x'), 24, 30}, {"", 255, 255}, {"", 300, 255},
               {std::string(250, 'x'), 260, 255}};
  for (const auto& Case : Cases) {
    const ShortText Padded = PadTo(ShortText(Case.Text), Case.Width);
    ASSERT_EQ(Padded.Length, Case.Length) << Case.Text.size() << " to " << Case.Width;
    EXPECT_EQ(Padded.View().substr(0, Case.Text.size()), Case.Text);
    EXPECT_EQ(Padded.View().substr(Case.Text.size()).find_first_not_of(' '), std::string_view::npos);
  }
}

}  // namespace
