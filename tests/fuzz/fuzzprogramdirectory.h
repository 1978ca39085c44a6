#pragma once
// The program directory a fuzz target reads its files in: made once with the shipped settings,
// in memory-backed storage where the machine has it, and removed when the process ends.
void UseFuzzProgramDirectory();
