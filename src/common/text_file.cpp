#include "common/text_file.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/byte_search.h"
#include "common/run_end.h"

SourceFileRecord SourceFile;
IncludeFileRecord IncludeFile;

namespace {

// Refills an exhausted buffer; false at the end of the file.
bool Fill(SourceFileRecord& File) {
  File.Start = 0;
  File.End = std::fread(File.Buffer, 1, TextFileBufferSize, File.Handle);
  if (File.End == 0 && std::ferror(File.Handle)) RuntimeError(ExitReadError, "ReadSourceLine");
  return File.End > 0;
}

// Stop bytes of the line scan: LF, CR and Ctrl-Z.
inline bool EndsLine(char C) { return C == '\n' || C == '\r' || C == CtrlZ; }

// The first stop byte in [Begin, Limit), or Limit; a block at a time while
// a whole block is left.
const char* FindLineEnd(const char* Begin, const char* Limit) {
  if constexpr (BlockSearch) {
    for (; static_cast<std::size_t>(Limit - Begin) >= SearchBlock; Begin += SearchBlock)
      if (const unsigned Stops = BytesAmong(Begin, '\n', '\r', CtrlZ))
        return Begin + std::countr_zero(Stops);
  }
  while (Begin != Limit && !EndsLine(*Begin)) ++Begin;
  return Begin;
}

// An empty name names no file, and a name holding NUL cannot be passed to
// the platform whole: neither is opened.
bool Openable(const std::string& Name) {
  return !Name.empty() && Name.find('\0') == std::string::npos;
}

bool Flush(IncludeFileRecord& File) {
  std::size_t Count = File.Used;
  File.Used = 0;
  return Count == 0 || std::fwrite(File.Buffer, 1, Count, File.Handle) == Count;
}

}  // namespace

bool OpenForReading(SourceFileRecord& File, const std::string& Name) {
  File.Start = File.End = 0;
  File.Handle = Openable(Name) ? std::fopen(Name.c_str(), "rb") : nullptr;
  if (!File.Handle) return false;
  std::setvbuf(File.Handle, nullptr, _IONBF, 0);  // the record buffers
  // The buffer is made resident whole, so that a run's memory is the same
  // for a file of any size.
  std::memset(File.Buffer, 0, sizeof File.Buffer);
  // A directory opens but cannot be read: try the first block now.
  File.End = std::fread(File.Buffer, 1, TextFileBufferSize, File.Handle);
  if (File.End == 0 && std::ferror(File.Handle)) {
    std::fclose(File.Handle);
    File.Handle = nullptr;
    return false;
  }
  return true;
}

bool FillSource(SourceFileRecord& File) { return Fill(File); }

void ReadLine(SourceFileRecord& File, ShortText& Line) {
  Line.Clear();
  for (;;) {
    if (File.Start == File.End && !Fill(File)) return;  // last line without a line end
    const char* Begin = File.Buffer + File.Start;
    const char* Limit = File.Buffer + File.End;
    const char* Stop = FindLineEnd(Begin, Limit);
    Append(Line, std::string_view(Begin, static_cast<std::size_t>(Stop - Begin)));
    File.Start = static_cast<std::size_t>(Stop - File.Buffer);
    if (Stop == Limit) continue;
    char Ending = *Stop;
    if (Ending == CtrlZ) return;
    ++File.Start;
    if (Ending == '\r' && !(File.Start == File.End && !Fill(File)) &&
        File.Buffer[File.Start] == '\n')
      ++File.Start;
    return;
  }
}

void CloseSource(SourceFileRecord& File) {
  if (File.Handle) std::fclose(File.Handle);
  File.Handle = nullptr;
}

bool OpenForWriting(IncludeFileRecord& File, const std::string& Name) {
  File.Used = 0;
  File.Handle = Openable(Name) ? std::fopen(Name.c_str(), "wb") : nullptr;
  if (!File.Handle) return false;
  std::setvbuf(File.Handle, nullptr, _IONBF, 0);  // the record buffers
  std::memset(File.Buffer, 0, sizeof File.Buffer);  // resident whole, as above
  return true;
}

void WriteBytes(IncludeFileRecord& File, std::string_view Bytes) {
  while (!Bytes.empty()) {
    if (File.Used == TextFileBufferSize && !Flush(File))
      RuntimeError(ExitWriteError, "EmitLine");
    std::size_t Count = std::min(Bytes.size(), TextFileBufferSize - File.Used);
    std::memcpy(File.Buffer + File.Used, Bytes.data(), Count);
    File.Used += Count;
    Bytes.remove_prefix(Count);
  }
}

void WriteIncludeLine(IncludeFileRecord& File, std::string_view Text) {
  if (Text.size() + 2 <= TextFileBufferSize - File.Used) {  // the common case
    std::memcpy(File.Buffer + File.Used, Text.data(), Text.size());
    File.Used += Text.size();
    File.Buffer[File.Used++] = '\r';
    File.Buffer[File.Used++] = '\n';
    return;
  }
  WriteBytes(File, Text);
  WriteBytes(File, "\r\n");
}

void CloseInclude(IncludeFileRecord& File) {
  if (!File.Handle) return;
  bool Written = Flush(File);
  bool Closed = std::fclose(File.Handle) == 0;
  File.Handle = nullptr;
  if (!Written || !Closed) RuntimeError(ExitWriteError, "CloseFiles");
}

void AbandonFiles() {
  if (IncludeFile.Handle) {
    Flush(IncludeFile);
    std::fclose(IncludeFile.Handle);
    IncludeFile.Handle = nullptr;
  }
  CloseSource(SourceFile);
}

bool CanBeReadTwice(const std::string& Name) {
  std::error_code Error;
  const std::filesystem::file_type Type = std::filesystem::status(Name, Error).type();
  return Error || (Type != std::filesystem::file_type::fifo &&
                   Type != std::filesystem::file_type::socket);
}

bool SameFile(const std::string& First, const std::string& Second) {
  std::error_code Error;
  bool Same = std::filesystem::equivalent(First, Second, Error);
  return !Error && Same;
}
