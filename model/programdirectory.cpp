#include "model/programdirectory.h"

#include "model/drawingstate.h"
#include "model/settingsfile.h"
#include "resources/shippeddefaults.h"

#include <filesystem>
#include <system_error>

std::string ExecutableDirectory()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || executable.empty())
        return "./";
    std::string directory = executable.parent_path().string();
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    return directory;
}

std::string ProgramPath(const std::string& relative) { return State().programDirectory + relative; }
std::string CfgPath(const std::string& name) { return ProgramPath("CFG/" + name); }
std::string DwgsPath(const std::string& name) { return ProgramPath("DWGS/" + name); }
std::string LibsPath(const std::string& name) { return ProgramPath("LIBS/" + name); }

bool PrepareProgramDirectory(const std::string& directory)
{
    std::string root = directory;
    if (!root.empty() && root.back() != '/')
        root += '/';

    for (const char* folder : {"CFG", "DWGS", "LIBS"}) {
        std::error_code error;
        std::filesystem::create_directories(root + folder, error);
        if (error || !std::filesystem::is_directory(root + folder, error))
            return false;
    }

    // Only missing defaults are laid down: a file the user has changed stays as it is.
    bool allWritten = true;
    for (const TShippedDefault& file : ShippedDefaults()) {
        const std::string path = root + "CFG/" + file.name;
        std::error_code error;
        if (std::filesystem::exists(path, error) || error)
            continue;
        if (!WriteTextFileAtomic(path, std::string(file.bytes)))
            allWritten = false;
    }
    return allWritten;
}
