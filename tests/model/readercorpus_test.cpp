// The file readers on the inputs kept under tests/fuzz/corpus/ (each once made a reader misbehave,
// or stands for a hostile file worth keeping), and on the files the fuzzing starts from: the
// drawings the end-to-end tests compare against and the shipped settings files. Every one passes
// the same checks as the fuzz targets run.
#include "tests/fuzz/drawingreaderchecks.h"
#include "tests/fuzz/settingsreaderchecks.h"
#include "tests/model/modelfixture.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path SOURCE = ARKWELD_SOURCE_DIR;

// The files of a folder whose names end in one of the extensions ("" takes every file), sorted.
std::vector<fs::path> FilesIn(const fs::path& folder, const std::vector<std::string>& extensions)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        const std::string extension = entry.path().extension().string();
        for (const std::string& wanted : extensions)
            if (wanted.empty() || extension == wanted) {
                files.push_back(entry.path());
                break;
            }
    }
    std::sort(files.begin(), files.end());
    return files;
}

using ReaderCorpus = ModelTest;

TEST_F(ReaderCorpus, KeptDrawingInputsPassTheDrawingReaderChecks)
{
    const auto inputs = FilesIn(SOURCE / "tests/fuzz/corpus/drawingfile", {""});
    ASSERT_FALSE(inputs.empty());
    for (const fs::path& input : inputs)
        EXPECT_EQ(CheckDrawingReaders(ReadWholeFile(input)), "") << input;
}

TEST_F(ReaderCorpus, GoldenDrawingsPassTheDrawingReaderChecks)
{
    const auto inputs = FilesIn(SOURCE / "tests/e2e/golden", {".db0"});
    ASSERT_FALSE(inputs.empty());
    for (const fs::path& input : inputs)
        EXPECT_EQ(CheckDrawingReaders(ReadWholeFile(input)), "") << input;
}

TEST_F(ReaderCorpus, KeptSettingsInputsPassTheSettingsReaderChecks)
{
    const auto inputs = FilesIn(SOURCE / "tests/fuzz/corpus/settings", {""});
    ASSERT_FALSE(inputs.empty());
    for (const fs::path& input : inputs)
        EXPECT_EQ(CheckSettingsReaders(ReadWholeFile(input)), "") << input;
}

TEST_F(ReaderCorpus, ShippedAndGoldenSettingsPassTheSettingsReaderChecks)
{
    auto inputs = FilesIn(SOURCE / "resources/CFG", {""});
    const auto golden = FilesIn(SOURCE / "tests/e2e/golden", {".cfg"});
    inputs.insert(inputs.end(), golden.begin(), golden.end());
    ASSERT_GT(inputs.size(), 40u);
    for (const fs::path& input : inputs)
        EXPECT_EQ(CheckSettingsReaders(ReadWholeFile(input)), "") << input;
}

}  // namespace
