// Lines of the include file, each ended with CR LF.
#pragma once

// Writes OutputLine and CR LF when OutputLine is not empty; nothing otherwise.
void EmitLine();

// The line "const" that begins every Pascal include file and the Pascal
// record table's constants.
void WriteConstHeader();
