#include "tests/fuzz/fuzzprogramdirectory.h"

#include "model/drawingstate.h"
#include "model/programdirectory.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

std::string made;

void RemoveMade()
{
    std::error_code ignored;
    if (!made.empty())
        std::filesystem::remove_all(made, ignored);
}

}  // namespace

void UseFuzzProgramDirectory()
{
    // Every input is written to a file or two: /dev/shm keeps that off the disk. A run that ends
    // on a failing input skips the clean-up here; ARKWELD_FUZZ_BASE names a folder the caller
    // removes afterwards.
    std::error_code error;
    const char* given = std::getenv("ARKWELD_FUZZ_BASE");
    std::string base = given && *given ? given
                       : std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0
                           ? "/dev/shm"
                           : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/arkweld-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()) || !PrepareProgramDirectory(pattern + "/")) {
        std::fprintf(stderr, "cannot make a program directory below %s\n", base.c_str());
        std::abort();
    }
    made = pattern;
    std::atexit(RemoveMade);
    State().programDirectory = pattern + "/";
}
