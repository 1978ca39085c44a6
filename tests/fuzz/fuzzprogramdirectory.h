#pragma once
// The program directory a fuzz target reads its files in: made once with the shipped settings,
// below $ARKWELD_FUZZ_BASE when set, else in memory-backed storage where the machine has it, and
// removed when the process ends normally.
void UseFuzzProgramDirectory();
