#pragma once
// The two programs' start-up: the Qt application object and what runs inside it.
#include <functional>
#include <string>

// Arkweld itself: lays any missing settings files into the program directory, shows the frame and
// runs until the user exits. Returns the exit status.
int RunArkweld(int argc, char** argv);

// arkweld-script, the headless driver of the end-to-end tests:
//   arkweld-script [--dir PATH] SCRIPT
//   arkweld-script --dir PATH --random SEED [--statements N]
//   arkweld-script --dir WORK --reduce REDUCED SCRIPT
// --dir gives the program directory when the script has no `dir` statement; SCRIPT "-" reads the
// standard input. --random runs a random session of N statements (randomsession.h) instead; --reduce writes to REDUCED
// a shorter script that fails as SCRIPT does (scriptreducer.h), trying each in a folder below WORK. Exit status 0 when every statement ran and every answer was used, 1 at the first
// failure (its reason on stderr), 2 for a bad command line.
int RunArkweldScript(int argc, char** argv);

// Prepares the program directory at start-up (PrepareProgramDirectory). Returns 0 to go on, or the
// exit status when the folders cannot be made; `tell` shows each problem, fatal or not.
int PrepareAtStartUp(const std::string& directory,
                     const std::function<void(const std::string& problem, bool fatal)>& tell);
