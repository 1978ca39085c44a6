// Writes a program directory holding the large plan of the repaint benchmarks with the outline of a
// house (HOUSE.DB0), for timing arkweld-script runs as whole processes (bench/wholeplanmove.py).
//   arkweld_writeplan DIRECTORY [COUNT [NAMES]]   (COUNT defaults to 200000)
// NAMES above 0 makes every text a short name of its own, "R1" to "R<NAMES>" in turn (the
// text-heavy plan): 20000 names give each of the 20,000 texts of a 200,000-object plan its own.
#include "bench/support/benchdrawing.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/programdirectory.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY [COUNT]\n", argv[0]);
        return 2;
    }
    std::string directory = argv[1];
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    const int count = argc > 2 ? std::atoi(argv[2]) : 200000;
    if (count < 100) {
        std::fprintf(stderr, "COUNT must be at least 100\n");
        return 2;
    }
    const int names = argc > 3 ? std::atoi(argv[3]) : 0;
    if (names < 0) {
        std::fprintf(stderr, "NAMES must be 0 or more\n");
        return 2;
    }
    std::string problem;
    if (!PrepareProgramDirectory(directory, &problem)) {
        std::fprintf(stderr, "cannot prepare %s: %s\n", directory.c_str(), problem.c_str());
        return 1;
    }
    FreshDrawingState fresh;
    fresh.state().programDirectory = directory;
    fresh.state().drawingName = "HOUSE";
    try {
        WritePlanDrawing(count, {.shortNames = names, .houseOutline = true});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "cannot write the drawing: %s\n", e.what());
        return 1;
    }
    return 0;
}
