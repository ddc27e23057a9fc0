// The main sequence of a run.
#pragma once

#include <string>
#include <vector>

// Runs the tool on Arguments (the program's own name not counted) and
// returns the exit status. Every end of the run comes back here.
int RunTolvane(const std::vector<std::string>& Arguments);

// Opens the definition file, then the include file; a failure ends the run
// with "Can't open input file" or "Can't open output file".
void OpenFiles();

// Closes the include file, then the definition file.
void CloseFiles();
