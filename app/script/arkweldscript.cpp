// arkweld-script: runs a script of commands, dialog answers, mouse and key events against the
// program with no screen, for the end-to-end tests.
//
//   arkweld-script [--dir PATH] SCRIPT
//
// --dir gives the program directory when the script has no `dir` statement. Exit status 0 when
// every statement ran and every answer was used, 1 at the first failure (its reason on stderr).
#include "app/qt/scriptinterpreter.h"

#include <QApplication>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    // No screen: Qt draws into images only.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string directory;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc)
            directory = argv[++i];
        else if (script.empty() && argv[i][0] != '-')
            script = argv[i];
        else {
            std::cerr << "usage: arkweld-script [--dir PATH] SCRIPT\n";
            return 2;
        }
    }
    if (script.empty()) {
        std::cerr << "usage: arkweld-script [--dir PATH] SCRIPT\n";
        return 2;
    }
    QApplication application(argc, argv);
    ScriptInterpreter interpreter(std::cout, std::cerr);
    interpreter.SetDefaultDirectory(directory);
    if (script == "-")
        return interpreter.Run(std::cin);
    return interpreter.RunFile(script);
}
