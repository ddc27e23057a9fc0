// The two text files of a run, each read or written through a block buffer.
// An open that fails is reported as a result; a failure after opening ends
// the run with an I/O runtime error (100 reading, 101 writing).
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/short_text.h"

constexpr std::size_t TextFileBufferSize = 1 << 16;
constexpr char CtrlZ = 26;  // ends the input wherever it stands

struct SourceFileRecord {
  std::FILE* Handle = nullptr;
  std::size_t Start = 0;  // next unread byte of Buffer
  std::size_t End = 0;    // bytes held in Buffer
  char Buffer[TextFileBufferSize];
};

struct IncludeFileRecord {
  std::FILE* Handle = nullptr;
  std::size_t Used = 0;
  char Buffer[TextFileBufferSize];
};

extern SourceFileRecord SourceFile;
extern IncludeFileRecord IncludeFile;

// Opens Name for reading. A name that cannot be read from (missing, a
// directory, no permission, empty) gives false.
bool OpenForReading(SourceFileRecord& File, const std::string& Name);

// Refills the exhausted buffer of File; false at the end of the file.
bool FillSource(SourceFileRecord& File);

// True when no byte is left or the next byte is Ctrl-Z.
inline bool SourceAtEnd(SourceFileRecord& File) {
  if (File.Start == File.End && !FillSource(File)) return true;
  return File.Buffer[File.Start] == CtrlZ;
}

// Reads the next line into Line: at most 255 bytes of it, the rest of the
// line skipped with its line end (LF, CR or CR LF). A Ctrl-Z ends the line
// and stays unread, so the input ends there.
void ReadLine(SourceFileRecord& File, ShortText& Line);

void CloseSource(SourceFileRecord& File);

// Creates Name, or empties it if it exists, for writing.
bool OpenForWriting(IncludeFileRecord& File, const std::string& Name);

void WriteBytes(IncludeFileRecord& File, std::string_view Bytes);

// Writes Text and the include file's line end, CR LF.
void WriteIncludeLine(IncludeFileRecord& File, std::string_view Text);

// Flushes and closes; a failure ends the run with runtime error 101.
void CloseInclude(IncludeFileRecord& File);

// Closes both files after a run has ended early: what is buffered is written
// if it can be, and no failure is reported.
void AbandonFiles();

// False for a pipe or a socket (a process substitution, a named pipe): what
// has been read from it is gone, so a second reading would find nothing.
bool CanBeReadTwice(const std::string& Name);

// True when both names exist and name the same file (another spelling, a
// symbolic link or a hard link).
bool SameFile(const std::string& First, const std::string& Second);
