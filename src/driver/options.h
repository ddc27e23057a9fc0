// The command line: SRC DST [LANG [options]].
#pragma once

#include <string>
#include <vector>

// The arguments of the run, the program's own name not counted.
extern std::vector<std::string> CommandLine;

// Fills SourceName, IncludeName and RunOptions, or ends the run through
// ShowUsage, Fatal or runtime error 201. Opens no file.
void ParseCommandLine();

// Writes the usage text and ends the run with exit status 2.
[[noreturn]] void ShowUsage();
