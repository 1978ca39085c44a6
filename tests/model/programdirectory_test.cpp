#include "model/programdirectory.h"

#include "model/drawingstate.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/typedsettings.h"
#include "resources/shippeddefaults.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

TEST(ProgramDirectory, PathsLieBelowTheProgramDirectory)
{
    FreshDrawingState fresh;
    State().programDirectory = "/some/where/";
    EXPECT_EQ(ProgramPath("CFG/CLR.CFG"), "/some/where/CFG/CLR.CFG");
    EXPECT_EQ(CfgPath("CLR.CFG"), "/some/where/CFG/CLR.CFG");
    EXPECT_EQ(DwgsPath("SMITH.DB0"), "/some/where/DWGS/SMITH.DB0");
    EXPECT_EQ(LibsPath("PASTE.CFG"), "/some/where/LIBS/PASTE.CFG");
}

TEST(ProgramDirectory, ExecutableDirectoryHoldsTheRunningProgram)
{
    const std::string directory = ExecutableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.front(), '/');
    EXPECT_EQ(directory.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(directory + program_invocation_short_name));
}

TEST(ProgramDirectory, PrepareLaysEveryDefaultAndKeepsChangedFiles)
{
    TempDir dir;
    const std::filesystem::path root = dir.path() / "program";
    ASSERT_TRUE(PrepareProgramDirectory(root.string()));  // no trailing '/' needed
    for (const char* folder : {"CFG", "DWGS", "LIBS"})
        EXPECT_TRUE(std::filesystem::is_directory(root / folder)) << folder;
    ASSERT_FALSE(ShippedDefaults().empty());
    for (const TShippedDefault& file : ShippedDefaults())
        EXPECT_EQ(ReadWholeFile(root / "CFG" / file.name), std::string(file.bytes)) << file.name;

    // A deleted default comes back; a changed one stays as the user left it.
    std::filesystem::remove(root / "CFG" / "CLR.CFG");
    WriteWholeFile(root / "CFG" / "SCROLL.CFG", "10 10\n");
    ASSERT_TRUE(PrepareProgramDirectory(root.string() + "/"));
    EXPECT_EQ(ReadWholeFile(root / "CFG" / "CLR.CFG"), *ShippedDefault("CLR.CFG"));
    EXPECT_EQ(ReadWholeFile(root / "CFG" / "SCROLL.CFG"), "10 10\n");
}

TEST(ProgramDirectory, PrepareFailsWhenTheFoldersCannotBeMade)
{
    TempDir dir;
    WriteWholeFile(dir.path() / "program", "a file in the way");
    EXPECT_FALSE(PrepareProgramDirectory((dir.path() / "program").string()));
    std::filesystem::create_directory(dir.path() / "other");
    WriteWholeFile(dir.path() / "other" / "DWGS", "a file where a folder belongs");
    EXPECT_FALSE(PrepareProgramDirectory((dir.path() / "other").string()));
}

TEST(ShippedDefault, MatchesTheFilesInResources)
{
    // The compiled-in table holds exactly the files of resources/CFG, byte for byte.
    const std::filesystem::path source = std::filesystem::path(ARKWELD_SOURCE_DIR) / "resources" / "CFG";
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(source)) {
        const std::string name = entry.path().filename().string();
        const std::string* shipped = ShippedDefault(name);
        ASSERT_NE(shipped, nullptr) << name;
        EXPECT_EQ(*shipped, ReadWholeFile(entry.path())) << name;
        ++count;
    }
    EXPECT_EQ(count, ShippedDefaults().size());
}

TEST(ProgramDirectory, PrepareSaysWhyTheFoldersCannotBeMade)
{
    TempDir dir;
    WriteWholeFile(dir.path() / "program", "a file in the way");
    std::string problem;
    EXPECT_FALSE(PrepareProgramDirectory((dir.path() / "program").string(), &problem));
    EXPECT_NE(problem.find((dir.path() / "program").string() + "/CFG cannot be made"), std::string::npos) << problem;
    EXPECT_FALSE(ProgramFoldersExist((dir.path() / "program").string()));
}

TEST(ProgramDirectory, StaleTemporaryFilesOfEndedRunsGo)
{
    namespace fs = std::filesystem;
    TempDir dir;
    const fs::path root = dir.path() / "program";
    ASSERT_TRUE(PrepareProgramDirectory(root.string()));
    const std::string own = std::to_string(::getpid());
    // A process id no process has (beyond the kernel's largest), plain and numbered (the name a
    // write takes when the plain one is taken); this process's own; names that only look alike;
    // and a link and a folder of a temporary file's name.
    WriteWholeFile(root / "DWGS" / "HOUSE.DB0.tmp99999999", "half a drawing");
    WriteWholeFile(root / "DWGS" / "HOUSE.DB0.tmp99999999.1", "half a drawing");
    WriteWholeFile(root / "LIBS" / "BED.FUM.tmp99999999.42", "half an entry");
    WriteWholeFile(root / "CFG" / ("CLR.CFG.tmp" + own), "in progress");
    WriteWholeFile(root / "CFG" / ("CLR.CFG.tmp" + own + ".2"), "in progress");
    WriteWholeFile(root / "LIBS" / "CHAIR.FUM.tmp", "no process id");
    WriteWholeFile(root / "DWGS" / "NOTES.tmpx1", "not a temporary file");
    WriteWholeFile(root / "DWGS" / "NOTES.tmp99999999.", "not a temporary file");
    WriteWholeFile(root / "DWGS" / "NOTES.tmp99999999.x", "not a temporary file");
    WriteWholeFile(root / "DWGS" / "NOTES.tmp.1", "not a temporary file");
    WriteWholeFile(dir.path() / "KEPT.DB0", "the user's file");
    fs::create_symlink(dir.path() / "KEPT.DB0", root / "DWGS" / "LINK.DB0.tmp99999999");
    fs::create_symlink(dir.path() / "KEPT.DB0", root / "DWGS" / "LINK.DB0.tmp99999999.3");
    fs::create_directory(root / "DWGS" / "FOLDER.DB0.tmp99999999.1");
    ASSERT_TRUE(PrepareProgramDirectory(root.string()));
    EXPECT_EQ(FilesIn(root / "DWGS"),
              (std::vector<std::string>{"FOLDER.DB0.tmp99999999.1", "LINK.DB0.tmp99999999", "LINK.DB0.tmp99999999.3",
                                        "NOTES.tmp.1", "NOTES.tmp99999999.", "NOTES.tmp99999999.x", "NOTES.tmpx1"}));
    EXPECT_FALSE(fs::exists(root / "LIBS" / "BED.FUM.tmp99999999.42"));
    EXPECT_TRUE(fs::exists(root / "LIBS" / "CHAIR.FUM.tmp"));
    EXPECT_TRUE(fs::exists(root / "CFG" / ("CLR.CFG.tmp" + own)));
    EXPECT_TRUE(fs::exists(root / "CFG" / ("CLR.CFG.tmp" + own + ".2")));
    EXPECT_EQ(ReadWholeFile(dir.path() / "KEPT.DB0"), "the user's file");
    // A run still going keeps its files: the parent of this test runs.
    const std::string parent = std::to_string(::getppid());
    WriteWholeFile(root / "DWGS" / ("PLAN.DB0.tmp" + parent), "being written");
    WriteWholeFile(root / "DWGS" / ("PLAN.DB0.tmp" + parent + ".1"), "being written");
    EXPECT_EQ(RemoveStaleTemporaryFiles((root / "DWGS").string()), 0);
}

// A link to a missing file where a shipped settings file belongs stands as it is: nothing is made
// where it points, the start-up has nothing to tell (no box at every start), and the setting reads
// as the shipped default, as an unreadable file does.
TEST(ProgramDirectory, PrepareLeavesALinkToAMissingFileAlone)
{
    namespace fs = std::filesystem;
    TempDir dir;
    const fs::path root = dir.path() / "program";
    const fs::path elsewhere = dir.path() / "ELSEWHERE";
    fs::create_directories(root / "CFG");
    fs::create_directory(elsewhere);
    for (const TShippedDefault& file : ShippedDefaults())
        fs::create_symlink(elsewhere / file.name, root / "CFG" / file.name);
    std::string problem;
    EXPECT_TRUE(PrepareProgramDirectory(root.string(), &problem));
    EXPECT_EQ(problem, "");
    EXPECT_EQ(FilesIn(elsewhere), std::vector<std::string>{});
    for (const TShippedDefault& file : ShippedDefaults())
        EXPECT_TRUE(fs::is_symlink(root / "CFG" / file.name)) << file.name;

    FreshDrawingState fresh;
    State().programDirectory = root.string() + "/";
    EXPECT_EQ(FormatSettings(ReadSettings<TTextSettings>()), *ShippedDefault("TEXT.CFG"));
}
