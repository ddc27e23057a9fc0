#include "definition_generator.h"

#include <cstring>
#include <string>

namespace {

// splitmix64: small, fast and the same everywhere.
struct Random {
  std::uint64_t State;
  std::uint64_t Next() {
    std::uint64_t Z = (State += 0x9E3779B97F4A7C15ull);
    Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
    Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
    return Z ^ (Z >> 31);
  }
  unsigned Below(unsigned Limit) { return static_cast<unsigned>(Next() % Limit); }
  bool Percent(unsigned Chance) { return Below(100) < Chance; }
};

const char* const BlockWords[] = {"UART", "SPI", "I2C", "GPIO", "TIMER", "DMA", "ADC", "DAC",
                                  "PWM", "CAN", "USB", "ETH", "RTC", "WDT", "CLK", "PLL",
                                  "FLASH", "SRAM", "IRQ", "CRC", "AES", "RNG", "LCD", "KEYPAD"};
const char* const FieldWords[] = {"CTRL", "STATUS", "DATA", "BAUD", "FIFO", "MASK", "FLAG",
                                  "MODE", "CFG", "ADDR", "LEN", "CNT", "DIV", "SEL", "EN",
                                  "RX", "TX", "BUF", "PTR", "ERR", "VEC", "LIMIT", "THRESH",
                                  "PRESCALE", "COMPARE", "CAPTURE", "RELOAD", "LEVEL", "EDGE"};
const char* const RemarkWords[] = {"control", "register", "status", "of", "the", "bits", "flag",
                                   "set", "by", "hardware", "clear", "on", "read", "write",
                                   "only", "buffer", "pointer", "counter", "interrupt", "enable",
                                   "mask", "for", "channel", "reserved", "value", "after", "reset",
                                   "low", "high", "byte", "word", "divisor", "timeout", "in", "ms"};
// The sized types in the spellings people use: upper, lower and mixed case.
const char* const SizedTypes[] = {"BYTE", "byte", "Byte", "WORD", "word", "Word", "LONG", "long",
                                  "Long", "UINT", "uint", "INT", "PTR", "ptr", "FLAG", "Flag",
                                  "MASK", "mask", "ULONG", "DOUBLE", "EVENT", "EBYTE", "eword",
                                  "BINT", "WORD", "BYTE", "word", "byte"};
const char* const ConstantTypes[] = {"const", "lit", "CONST", "Lit"};

template <std::size_t N>
const char* Pick(Random& R, const char* const (&Words)[N]) {
  return Words[R.Below(N)];
}

void AddBlanks(Random& R, std::string& Line, std::size_t Column) {
  if (R.Percent(15)) {
    Line += '\t';
    return;
  }
  do Line += ' ';
  while (Line.size() < Column);
}

void AddRemark(Random& R, std::string& Line, unsigned MinWords, unsigned MaxWords) {
  unsigned Count = MinWords + R.Below(MaxWords - MinWords + 1);
  for (unsigned I = 0; I < Count; ++I) {
    if (I) Line += R.Percent(5) ? "  " : " ";
    Line += Pick(R, RemarkWords);
  }
}

std::string Name(Random& R, const std::string& Block) {
  std::string Text = Block;
  Text += '_';
  Text += Pick(R, FieldWords);
  if (R.Percent(40)) {
    Text += '_';
    Text += Pick(R, FieldWords);
  }
  if (R.Percent(30)) Text += std::to_string(R.Below(16));
  if (Text.size() > 30) Text.resize(30);
  return Text;  // at least 4: a block word, "_" and two letters
}

std::string Hex(std::uint64_t Number) {
  static const char Digits[] = "0123456789ABCDEF";
  std::string Text;
  do Text.insert(Text.begin(), Digits[Number & 15]);
  while ((Number >>= 4) != 0);
  if (Text[0] > '9') Text.insert(Text.begin(), '0');  // H notation starts with a digit
  return Text + 'H';
}

}  // namespace

GeneratorTotals GenerateDefinitions(const GeneratorSettings& Settings, std::FILE* Out) {
  Random R{Settings.Seed};
  GeneratorTotals Totals;
  std::string Line;
  std::string Block = "UART0";
  std::uint64_t Base = 0;  // address of the current block; 1 KiB apart, so always aligned
  unsigned UntilAddress = 0;
  bool Limited = false;
  while (Totals.Bytes < Settings.Bytes || Settings.Bytes == 0) {
    Line.clear();
    const unsigned Kind = R.Below(1000);
    if (Kind < 15) {
      // a blank line
    } else if (Kind < 115) {  // one line in ten is a comment, of three kinds
      static const char Markers[] = {';', '#', '{'};
      if (R.Percent(10)) Line += "  ";
      Line += Markers[R.Below(3)];
      Line += ' ';
      AddRemark(R, Line, 3, 10);
      if (Line[Line.find_first_not_of(' ')] == '{') Line += " }";
    } else {
      const bool AtAddress = UntilAddress == 0;
      if (AtAddress) {
        UntilAddress = 40 + R.Below(21);
        Base += 1024;
        Block = Pick(R, BlockWords) + std::to_string(R.Below(8));
      }
      --UntilAddress;
      std::string Text = AtAddress ? Block + "_BASE" : Name(R, Block);
      Line += Text;
      AddBlanks(R, Line, 16);
      std::string TypeWord;
      if (AtAddress) {
        Line += R.Percent(50) ? Hex(Base) : std::to_string(Base);
        TypeWord = R.Percent(50) ? "WORD" : Pick(R, ConstantTypes);
      } else if (R.Percent(3)) {
        Line += Pick(R, ConstantTypes)[0] == 'c' ? std::to_string(R.Below(256)) : Hex(R.Below(65536));
        TypeWord = Pick(R, ConstantTypes);
      } else {
        Line += R.Percent(2) ? "#" : "$";
        if (R.Percent(85)) TypeWord = Pick(R, SizedTypes);
      }
      const bool Typed = !TypeWord.empty() && !Limited;
      if (Typed) {
        AddBlanks(R, Line, 24);
        Line += '%';
        Line += TypeWord;
      }
      if (R.Percent(80)) {
        AddBlanks(R, Line, Typed ? 32 : 24);
        AddRemark(R, Line, 2, 7);
      }
      if (Typed && ++Totals.TypedEntries == Settings.TypedLimit) {
        if (Settings.StopAtTypedLimit) {
          Line += '\n';
          std::fwrite(Line.data(), 1, Line.size(), Out);
          Totals.Bytes += Line.size();
          ++Totals.Lines;
          break;
        }
        Limited = true;
      }
    }
    Line += '\n';
    std::fwrite(Line.data(), 1, Line.size(), Out);
    Totals.Bytes += Line.size();
    ++Totals.Lines;
  }
  return Totals;
}
