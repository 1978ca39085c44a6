#include "app/qt/startup.h"

#include "app/qt/aapp.h"
#include "app/qt/scriptinterpreter.h"
#include "model/drawingstate.h"
#include "model/programdirectory.h"
#include "platform/dialogrunner.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int PrepareAtStartUp(const std::string& directory,
                     const std::function<void(const std::string& problem, bool fatal)>& tell)
{
    std::string problem;
    if (PrepareProgramDirectory(directory, &problem))
        return 0;
    // Without its folders the program could keep nothing: it says why and stops. A default that
    // could not be laid down is read from the program itself, so that only warns.
    const bool fatal = !ProgramFoldersExist(directory);
    tell(problem, fatal);
    return fatal ? 1 : 0;
}

int RunArkweld(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Every file lives below the program's own directory; missing settings files are laid in.
    State().programDirectory = ExecutableDirectory();
    const int status = PrepareAtStartUp(State().programDirectory, [](const std::string& problem, bool fatal) {
        const QString title = QString::fromUtf8(ApplicationName);
        const QString text = QString::fromStdString(problem);
        if (fatal)
            QMessageBox::critical(nullptr, title, text);
        else
            QMessageBox::warning(nullptr, title, text);
    });
    if (status != 0)
        return status;
    TAApp frame;
    frame.Start();
    return application.exec();
}

int RunArkweldScript(int argc, char** argv)
{
    // No screen: Qt draws into images only.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string directory;
    std::string script;
    bool usable = true;
    for (int i = 1; i < argc && usable; ++i) {
        if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc)
            directory = argv[++i];
        else if (script.empty() && (argv[i][0] != '-' || std::strcmp(argv[i], "-") == 0))
            script = argv[i];
        else
            usable = false;
    }
    if (!usable || script.empty()) {
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
