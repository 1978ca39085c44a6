#pragma once
// Paths below the program directory. The program directory is the executable's own directory;
// CFG/ (settings), DWGS/ (drawings) and LIBS/ (symbol libraries, paste buffer) lie below it, with
// upper-case file names. Paths have no length limit.
#include <string>

// The directory of the running executable, ending in '/'.
std::string ExecutableDirectory();

// State().programDirectory followed by a relative name such as "CFG/CLR.CFG".
std::string ProgramPath(const std::string& relative);
std::string CfgPath(const std::string& name);   // "CFG/" + name
std::string DwgsPath(const std::string& name);  // "DWGS/" + name
std::string LibsPath(const std::string& name);  // "LIBS/" + name

// Creates the directory with CFG/, DWGS/ and LIBS/ when missing and lays every shipped settings
// file that is missing into CFG/ (existing files are left alone). Returns false when the
// directories cannot be made.
bool PrepareProgramDirectory(const std::string& directory);
