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

// Creates the directory with CFG/, DWGS/ and LIBS/ when missing, lays every shipped settings
// file that is missing into CFG/ (existing files are left alone) and removes the temporary files
// that interrupted writes of other runs left behind. False when the folders cannot be made or a
// default cannot be laid down; `problem`, when given, then says which and why.
bool PrepareProgramDirectory(const std::string& directory, std::string* problem = nullptr);
// True when the folders CFG/, DWGS/ and LIBS/ stand below the directory.
bool ProgramFoldersExist(const std::string& directory);

// Removes the temporary files of atomic writes (NAME.tmpPID, or NAME.tmpPID.N when that name was
// taken) in a folder whose writing process is no longer running: regular files only, never a link
// or a folder of such a name. Returns how many it removed.
int RemoveStaleTemporaryFiles(const std::string& folder);
