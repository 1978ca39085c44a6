#include "app/qt/startup.h"

#include "app/qt/aapp.h"
#include "app/qt/randomsession.h"
#include "app/qt/scriptinterpreter.h"
#include "app/qt/scriptreducer.h"
#include "model/drawingstate.h"
#include "model/programdirectory.h"
#include "platform/dialogrunner.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>
#include <cstring>
#include <filesystem>
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

namespace {

// Qt wants a private runtime directory and warns without one: when none is set, the driver makes
// a fresh one (mode 700) for its run and removes it when the run ends.
class TPrivateRuntimeDirectory {
public:
    TPrivateRuntimeDirectory()
    {
        const char* set = std::getenv("XDG_RUNTIME_DIR");
        if (set && *set)
            return;
        std::string pattern = (std::filesystem::temp_directory_path() / "arkweld-runtime-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            return;
        made = pattern;
        setenv("XDG_RUNTIME_DIR", made.c_str(), 1);
    }
    ~TPrivateRuntimeDirectory()
    {
        std::error_code ignored;
        if (!made.empty())
            std::filesystem::remove_all(made, ignored);
    }
    TPrivateRuntimeDirectory(const TPrivateRuntimeDirectory&) = delete;
    TPrivateRuntimeDirectory& operator=(const TPrivateRuntimeDirectory&) = delete;

private:
    std::string made;
};

}  // namespace

int RunArkweldScript(int argc, char** argv)
{
    // No screen: Qt draws into images only.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const TPrivateRuntimeDirectory runtime;
    std::string directory;
    std::string script;
    RandomSessionOptions random;
    std::string reduce;
    bool randomSession = false;
    bool usable = true;
    for (int i = 1; i < argc && usable; ++i) {
        if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc)
            directory = argv[++i];
        else if (std::strcmp(argv[i], "--random") == 0 && i + 1 < argc) {
            randomSession = true;
            random.seed = unsigned(std::strtoul(argv[++i], nullptr, 10));
        } else if (std::strcmp(argv[i], "--reduce") == 0 && i + 1 < argc)
            reduce = argv[++i];
        else if (std::strcmp(argv[i], "--statements") == 0 && i + 1 < argc)
            random.statements = std::atoi(argv[++i]);
        else if (script.empty() && (argv[i][0] != '-' || std::strcmp(argv[i], "-") == 0))
            script = argv[i];
        else
            usable = false;
    }
    if (usable && !reduce.empty() && !script.empty() && !directory.empty())
        return ReduceScript(std::filesystem::read_symlink("/proc/self/exe").string(), script, directory, reduce, std::cout);
    if (!usable || (script.empty() == !randomSession) || (randomSession && directory.empty())) {
        std::cerr << "usage: arkweld-script [--dir PATH] SCRIPT\n"
                     "       arkweld-script --dir PATH --random SEED [--statements N]\n"
                     "       arkweld-script --dir WORK --reduce REDUCED SCRIPT\n";
        return 2;
    }
    QApplication application(argc, argv);
    if (randomSession) {
        random.directory = directory;
        return RunRandomSession(random, std::cout, std::cerr);
    }
    ScriptInterpreter interpreter(std::cout, std::cerr);
    interpreter.SetDefaultDirectory(directory);
    if (script == "-")
        return interpreter.Run(std::cin);
    return interpreter.RunFile(script);
}
