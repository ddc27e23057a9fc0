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

// Copies Count bytes as memmove does: the source may overlap the target.
// Texts are mostly a few dozen bytes, and for those a string instruction or
// a library call costs more than the copy itself, so up to 64 bytes are
// moved as two or four blocks of 2, 4, 8 or 16 bytes that overlap in the
// middle, every block loaded before any is stored. Longer runs go to memmove.
inline void CopyText(char* Target, const char* Source, std::size_t Count) {
  struct Bytes16 {
    std::uint64_t Low, High;
  };
  auto Two = [&](auto Block) {
    constexpr std::size_t Size = sizeof Block;
    decltype(Block) Head, Tail;
    std::memcpy(&Head, Source, Size);
    std::memcpy(&Tail, Source + Count - Size, Size);
    std::memcpy(Target, &Head, Size);
    std::memcpy(Target + Count - Size, &Tail, Size);
  };
  if (Count > 64) {
    std::memmove(Target, Source, Count);
  } else if (Count > 32) {
    Bytes16 A, B, C, D;
    std::memcpy(&A, Source, 16);
    std::memcpy(&B, Source + 16, 16);
    std::memcpy(&C, Source + Count - 32, 16);
    std::memcpy(&D, Source + Count - 16, 16);
    std::memcpy(Target, &A, 16);
    std::memcpy(Target + 16, &B, 16);
    std::memcpy(Target + Count - 32, &C, 16);
    std::memcpy(Target + Count - 16, &D, 16);
  } else if (Count >= 16) {
    Two(Bytes16{});
  } else if (Count >= 8) {
    Two(std::uint64_t{});
  } else if (Count >= 4) {
    Two(std::uint32_t{});
  } else if (Count >= 2) {
    Two(std::uint16_t{});
  } else if (Count == 1) {
    *Target = *Source;
  }
}

// Sets Count bytes to Byte, in the same blocks as CopyText.
inline void FillText(char* Target, char Byte, std::size_t Count) {
  const std::uint64_t Eight = 0x0101010101010101u * static_cast<unsigned char>(Byte);
  if (Count > 64) {
    std::memset(Target, Byte, Count);
  } else if (Count > 32) {
    for (std::size_t At : {std::size_t{0}, std::size_t{8}, std::size_t{16}, std::size_t{24}}) {
      std::memcpy(Target + At, &Eight, 8);
      std::memcpy(Target + Count - 8 - At, &Eight, 8);
    }
  } else if (Count >= 16) {
    std::memcpy(Target, &Eight, 8);
    std::memcpy(Target + 8, &Eight, 8);
    std::memcpy(Target + Count - 16, &Eight, 8);
    std::memcpy(Target + Count - 8, &Eight, 8);
  } else if (Count >= 8) {
    std::memcpy(Target, &Eight, 8);
    std::memcpy(Target + Count - 8, &Eight, 8);
  } else if (Count >= 4) {
    std::memcpy(Target, &Eight, 4);
    std::memcpy(Target + Count - 4, &Eight, 4);
  } else {
    for (std::size_t At = 0; At < Count; ++At) Target[At] = Byte;
  }
}

struct ShortText {
  std::uint8_t Length = 0;
  char Data[ShortTextCapacity];

  ShortText() = default;
  ShortText(std::string_view Text) { Assign(Text); }  // NOLINT: implicit on purpose
  ShortText(const ShortText& Other) : Length(Other.Length) {
    CopyText(Data, Other.Data, Other.Length);
  }
  ShortText& operator=(const ShortText& Other) {
    Length = Other.Length;
    CopyText(Data, Other.Data, Other.Length);
    return *this;
  }

  void Assign(std::string_view Text) {
    Length = static_cast<std::uint8_t>(
        Text.size() < ShortTextCapacity ? Text.size() : ShortTextCapacity);
    CopyText(Data, Text.data(), Length);
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
  CopyText(Target.Data + Target.Length, Text.data(), Count);
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
inline void TrimLeading(ShortText& Text) {
  int Skip = 0;
  while (Skip < Text.Length && IsBlank(Text.Data[Skip])) ++Skip;
  if (Skip == 0) return;
  Text.Length = static_cast<std::uint8_t>(Text.Length - Skip);
  std::memmove(Text.Data, Text.Data + Skip, Text.Length);
}
