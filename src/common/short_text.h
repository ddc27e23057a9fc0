// ShortText: the one text type of the tool. A text holds at most 255 bytes;
// an assignment or concatenation that would pass 255 keeps the first 255 and
// drops the rest without notice. Bytes are bytes: NUL, CR and any other value
// are ordinary characters here.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

constexpr int ShortTextCapacity = 255;

struct ShortText {
  std::uint8_t Length = 0;
  char Data[ShortTextCapacity];

  ShortText() = default;
  ShortText(std::string_view Text) { Assign(Text); }  // NOLINT: implicit on purpose
  ShortText(const ShortText& Other) : Length(Other.Length) {
    std::memcpy(Data, Other.Data, Other.Length);
  }
  ShortText& operator=(const ShortText& Other) {
    Length = Other.Length;
    std::memmove(Data, Other.Data, Other.Length);
    return *this;
  }

  void Assign(std::string_view Text) {
    Length = static_cast<std::uint8_t>(
        Text.size() < ShortTextCapacity ? Text.size() : ShortTextCapacity);
    std::memmove(Data, Text.data(), Length);
  }
  std::string_view View() const { return std::string_view(Data, Length); }
  std::string Str() const { return std::string(Data, Length); }
  bool Empty() const { return Length == 0; }
  void Clear() { Length = 0; }
  char First() const { return Data[0]; }
};

// Appends as much of Text as fits; the rest is dropped.
inline void Append(ShortText& Target, std::string_view Text) {
  std::size_t Room = ShortTextCapacity - Target.Length;
  std::size_t Count = Text.size() < Room ? Text.size() : Room;
  std::memcpy(Target.Data + Target.Length, Text.data(), Count);
  Target.Length = static_cast<std::uint8_t>(Target.Length + Count);
}
inline void Append(ShortText& Target, char Character) {
  if (Target.Length < ShortTextCapacity) Target.Data[Target.Length++] = Character;
}

// Joins two texts into a new one, cut at 255.
ShortText Concat(const ShortText& Left, std::string_view Right);

inline bool operator==(const ShortText& Left, const ShortText& Right) {
  return Left.View() == Right.View();
}
inline bool operator==(const ShortText& Left, std::string_view Right) {
  // Length first: against a literal the byte comparison then has a fixed size.
  return Left.Length == Right.size() &&
         (Right.empty() || std::memcmp(Left.Data, Right.data(), Right.size()) == 0);
}

// A blank is a space or a tab, the only separator of words anywhere.
inline bool IsBlank(char Character) { return Character == ' ' || Character == '\t'; }

// One byte upper-cased: a to z become A to Z, nothing else changes.
inline char UpperLetter(char C) {
  return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
}

// A copy with a to z replaced by A to Z; every other byte unchanged.
ShortText UpperCase(const ShortText& Text);

// Removes blanks from the front of Text, in place.
void TrimLeading(ShortText& Text);
