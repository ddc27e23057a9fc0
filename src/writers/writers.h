// The six include writers. Each builds its line in OutputLine from the shared
// records and hands it to EmitLine; the table writers also write headers.
#pragma once

// One line per entry.
void WritePascalEntry();
void WriteCEntry();
void WriteAssemblerEntry();
void WriteBatchEntry();

// One row per typed entry, counted in both passes, written in the second.
void WritePascalRecordRow();
void WriteCStructureRow();

// Written once, at the start of the second pass.
void WritePascalRecordHeader();
void WriteCStructureHeader();
