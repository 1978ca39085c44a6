#include "model/programdirectory.h"

#include "model/drawingstate.h"
#include "model/settingsfile.h"
#include "resources/shippeddefaults.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string_view>
#include <unistd.h>
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

namespace {

std::string WithSlash(const std::string& directory)
{
    std::string root = directory;
    if (!root.empty() && root.back() != '/')
        root += '/';
    return root;
}

// The process id in a temporary file's name: ".tmp" and its digits at the end, or followed by "."
// and the digits of a numbered name (made when the plain one was taken); else 0.
pid_t TemporaryFileOwner(const std::string& name)
{
    auto number = [](std::string_view digits) {
        if (digits.empty() || digits.size() > 9)
            return 0;
        int value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9')
                return 0;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    const std::size_t at = name.rfind(".tmp");
    if (at == std::string::npos)
        return 0;
    const std::string_view rest = std::string_view(name).substr(at + 4);
    const std::size_t dot = rest.find('.');
    if (dot != std::string_view::npos && number(rest.substr(dot + 1)) <= 0)
        return 0;
    return number(rest.substr(0, dot));
}

// True while a process of that id runs (one we may not signal runs too).
bool ProcessRuns(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

int RemoveStaleTemporaryFiles(const std::string& folder)
{
    int removed = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const pid_t owner = TemporaryFileOwner(name);
        // A link is never taken for the file: only the file itself is removed.
        if (owner <= 0 || owner == ::getpid() || ProcessRuns(owner) ||
            entry.symlink_status(error).type() != std::filesystem::file_type::regular)
            continue;
        if (std::filesystem::remove(entry.path(), error))
            ++removed;
    }
    return removed;
}

bool ProgramFoldersExist(const std::string& directory)
{
    const std::string root = WithSlash(directory);
    std::error_code error;
    for (const char* folder : {"CFG", "DWGS", "LIBS"})
        if (!std::filesystem::is_directory(root + folder, error))
            return false;
    return true;
}

bool PrepareProgramDirectory(const std::string& directory, std::string* problem)
{
    const std::string root = WithSlash(directory);
    auto fail = [problem](const std::string& why) {
        if (problem)
            *problem = why;
        return false;
    };

    for (const char* folder : {"CFG", "DWGS", "LIBS"}) {
        std::error_code error;
        std::filesystem::create_directories(root + folder, error);
        if (error)
            return fail("The folder " + root + folder + " cannot be made: " + error.message());
        if (!std::filesystem::is_directory(root + folder, error))
            return fail("The folder " + root + folder + " cannot be made: a file of that name is in the way");
    }

    // Interrupted writes of earlier runs leave temporary files that hold disk space.
    for (const char* folder : {"CFG", "DWGS", "LIBS"})
        RemoveStaleTemporaryFiles(root + folder);

    // Only missing defaults are laid down: a file the user has changed stays as it is, and so does
    // anything else that stands at the name (a link to a missing file is not written through; the
    // setting reads as the shipped default, as any unreadable file does).
    std::string unwritten;
    for (const TShippedDefault& file : ShippedDefaults()) {
        const std::string path = root + "CFG/" + file.name;
        std::error_code error;
        if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found)
            continue;
        std::string reason;
        if (!WriteTextFileAtomic(path, std::string(file.bytes), &reason) && unwritten.empty())
            unwritten = "The settings file " + path + " cannot be written: " + reason;
    }
    return unwritten.empty() || fail(unwritten);
}
