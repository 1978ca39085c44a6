#pragma once
// A fresh temporary directory for one test, removed with everything in it when the test ends, and
// the file helpers the tests share.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root; }
    // The directory as a string ending in '/', the form the program keeps for its directory.
    std::string prefix() const { return root.string() + "/"; }

private:
    std::filesystem::path root;
};

// Reads a whole file as bytes; an empty string when it cannot be opened.
std::string ReadWholeFile(const std::filesystem::path& file);
// Writes bytes to a file, replacing it.
void WriteWholeFile(const std::filesystem::path& file, const std::string& bytes);
// The names of the entries of a folder, sorted.
std::vector<std::string> FilesIn(const std::filesystem::path& folder);
// Runs `action` on this thread and says whether it came back within two seconds. Past that, the
// thread is interrupted by a signal every tenth of a second, so an open() waiting on a pipe gives
// up (EINTR) and the test fails rather than hangs.
bool ReturnsPromptly(const std::function<void()>& action);
// Whether the node at `path` (a link's target) is a named pipe.
bool IsPipe(const std::filesystem::path& path);
// Makes a named pipe at `path` in place of whatever is there; a test failure when it cannot.
void MakePipe(const std::filesystem::path& path);
