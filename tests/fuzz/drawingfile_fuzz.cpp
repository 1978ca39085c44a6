// libFuzzer target: the drawing-file, library and paste readers on each input.
#include "tests/fuzz/drawingreaderchecks.h"
#include "tests/fuzz/fuzzprogramdirectory.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    UseFuzzProgramDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string problem = CheckDrawingReaders(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "drawing readers: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
