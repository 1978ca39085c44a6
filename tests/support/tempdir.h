#pragma once
// A fresh temporary directory for one test, removed with everything in it when the test ends.
#include <filesystem>
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
