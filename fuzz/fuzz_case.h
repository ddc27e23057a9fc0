// One fuzz case: a command line and a definition file taken from raw bytes,
// run in-process, and the properties that every run must keep.
//
// The bytes up to the first LF are the command line after SRC and DST: empty
// means no language word at all; otherwise the text is split at "|" into the
// language word and the option arguments ("CS|H|X|-2|S|_w"; "||" gives an
// empty argument). The bytes after that LF are the definition file. Without
// an LF every byte belongs to the command line and the definition file is
// empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

struct Case {
  std::vector<std::string> Words;  // the arguments after SRC and DST
  std::string Definition;          // the bytes of the definition file
};

Case Decode(const std::uint8_t* Data, std::size_t Size);

// Runs C twice in Folder (the definition file and the include file live
// there under fixed names) with the console captured. Returns an empty text
// when every property holds, otherwise what went wrong.
std::string RunAndCheck(const Case& C, const std::string& Folder);

}  // namespace fuzz
