// Files that are not regular files: a named pipe where a settings, drawing or library file should
// be, directly or through a symbolic link. Reading one must not wait for a writer that never
// comes, and writing one is refused with the reason and reported, never replacing the pipe.
// Every node here is a pipe made in the test's own directory: nothing outside it is touched.
#include "model/list.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/typedsettings.h"
#include "tests/model/modelfixture.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using NonRegularFiles = ModelTest;

// LTEXT.CFG a pipe, TEXT.CFG a link to a pipe, COPY.CFG a pipe: each reads at once as the shipped
// default (as an unreadable file does), each write is refused with the reason and told through
// reportWriteFailure, and the pipes and the link are still there afterwards.
TEST_F(NonRegularFiles, SettingsFilesAreReadAtOnceAndNeverReplaced)
{
    namespace fs = std::filesystem;
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    const fs::path cfg = dir.path() / "CFG";
    MakePipe(cfg / "LTEXT.CFG");
    MakePipe(cfg / "COPY.CFG");
    MakePipe(dir.path() / "NODE");
    fs::remove(cfg / "TEXT.CFG");
    fs::create_symlink(dir.path() / "NODE", cfg / "TEXT.CFG");
    const std::vector<std::string> before = FilesIn(cfg);

    for (const char* name : {"LTEXT.CFG", "TEXT.CFG"}) {
        SCOPED_TRACE(name);
        std::string text = "stale";
        std::string refusal;
        bool read = true;
        EXPECT_TRUE(ReturnsPromptly([&] { read = ReadTextFile(Cfg(name), text, &refusal); }));
        EXPECT_FALSE(read);
        EXPECT_EQ(text, "");
        EXPECT_EQ(refusal, NOT_A_REGULAR_FILE);
    }

    TLineTextSettings label;
    TTextSettings font;
    EXPECT_TRUE(ReturnsPromptly([&] {
        label = ReadSettings<TLineTextSettings>();
        font = ReadSettings<TTextSettings>();
    }));
    EXPECT_EQ(label.text, "");
    EXPECT_EQ(FormatSettings(font), *ShippedDefault("TEXT.CFG"));

    label.text = "HALL";
    font.faceName = "Courier New";
    bool labelWritten = true;
    bool fontWritten = true;
    bool appended = true;
    EXPECT_TRUE(ReturnsPromptly([&] {
        labelWritten = WriteSettingsReported(label);
        fontWritten = WriteSettingsReported(font);
    }));
    EXPECT_FALSE(labelWritten);
    EXPECT_FALSE(fontWritten);
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "The settings file CFG/LTEXT.CFG could not be written: it is not a regular file",
                           "The settings file CFG/TEXT.CFG could not be written: it is not a regular file"}));

    // The selection list appends to COPY.CFG in place: a pipe there is not written into either.
    EXPECT_TRUE(ReturnsPromptly([&] { appended = AppendCopyRecord(3, 0, 0); }));
    EXPECT_FALSE(appended);
    EXPECT_EQ(ReadCopyCount(), 0);

    EXPECT_TRUE(IsPipe(cfg / "LTEXT.CFG"));
    EXPECT_TRUE(IsPipe(cfg / "COPY.CFG"));
    EXPECT_TRUE(fs::is_symlink(cfg / "TEXT.CFG"));
    EXPECT_TRUE(IsPipe(dir.path() / "NODE"));
    EXPECT_EQ(FilesIn(cfg), before);  // no temporary file left beside them
    EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"CFG", "DWGS", "LIBS", "NODE"}));
}

// A drawing or a library file that is a pipe: opening it says why it cannot be opened, at once,
// the drawing the list holds is not written over it, and a direct write is refused.
TEST_F(NonRegularFiles, DrawingAndLibraryFilesThatArePipesAreRefusedAtOnce)
{
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    MakePipe(DwgFile());
    MakePipe(Libs("PIPE.FUM"));

    TLoadedDrawing drawing;
    TLoadResult opened;
    TLoadResult library;
    std::vector<std::unique_ptr<TObject>> loaded;
    EXPECT_TRUE(ReturnsPromptly([&] {
        opened = TList::ReadDrawingFile(DwgFile(), drawing);
        library = TList::LoadLibraryFile("PIPE.FUM", loaded);
    }));
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.message, "The drawing file " + DwgFile() + " cannot be opened: it is not a regular file.");
    EXPECT_FALSE(library.ok);
    EXPECT_EQ(library.message, "The file " + Libs("PIPE.FUM") + " cannot be opened: it is not a regular file.");

    // A repaint's read of it leaves the list unwritable; a direct write is refused with the reason.
    bool written = true;
    std::string reason;
    EXPECT_TRUE(ReturnsPromptly([&] {
        objects().ReadDrawing();
        objects().WriteDrawing();
        written = WriteTextFileAtomic(DwgFile(), "x", &reason);
    }));
    EXPECT_TRUE(objects().LoadFailed());
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_FALSE(written);
    EXPECT_EQ(reason, NOT_A_REGULAR_FILE);
    EXPECT_TRUE(IsPipe(DwgFile()));
    EXPECT_TRUE(IsPipe(Libs("PIPE.FUM")));
    EXPECT_EQ(FilesIn(dir.path() / "DWGS"), std::vector<std::string>{"SMITH.DB0"});
}

// Something standing already at the name of a write's temporary file (<target>.tmp<pid>): a link
// to another file, a link to nowhere, a pipe. The write neither goes through the link nor waits on
// the pipe: it makes a temporary file of its own and stores the text whole, the target stays a
// regular file, and what stood there is left as it was. The selection list's append does not follow
// a link to nowhere to make a file at its target either.
TEST_F(NonRegularFiles, AWriteMakesItsOwnTemporaryFileAndFollowsNoLinkToMakeOne)
{
    namespace fs = std::filesystem;
    const std::string pid = std::to_string(::getpid());
    const fs::path elsewhere = dir.path() / "ELSEWHERE";
    WriteWholeFile(elsewhere, "kept\n");
    fs::create_symlink(elsewhere, DwgFile() + ".tmp" + pid);
    fs::create_symlink(dir.path() / "NOWHERE", Cfg("LTEXT.CFG") + ".tmp" + pid);
    MakePipe(Cfg("TEXT.CFG") + ".tmp" + pid);
    // What CFG/ holds after the writes: what it held, and the two files written.
    std::vector<std::string> cfgAfter = FilesIn(dir.path() / "CFG");
    for (const char* name : {"LTEXT.CFG", "TEXT.CFG"})
        if (std::find(cfgAfter.begin(), cfgAfter.end(), name) == cfgAfter.end())
            cfgAfter.push_back(name);
    std::sort(cfgAfter.begin(), cfgAfter.end());

    struct Case {
        std::string path;
        std::string text;
        bool written = false;
        std::string reason;
    };
    std::vector<Case> cases = {{DwgFile(), "drawing\n", false, {}},
                               {Cfg("LTEXT.CFG"), "label\n", false, {}},
                               {Cfg("TEXT.CFG"), "font\n", false, {}}};
    EXPECT_TRUE(ReturnsPromptly([&] {
        for (Case& c : cases)
            c.written = WriteTextFileAtomic(c.path, c.text, &c.reason);
    }));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_TRUE(c.written) << c.reason;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(c.path)));
        EXPECT_EQ(ReadWholeFile(c.path), c.text);
    }
    EXPECT_EQ(ReadWholeFile(elsewhere), "kept\n");
    EXPECT_EQ(fs::read_symlink(DwgFile() + ".tmp" + pid), elsewhere);
    EXPECT_FALSE(fs::exists(dir.path() / "NOWHERE"));
    EXPECT_TRUE(fs::is_symlink(Cfg("LTEXT.CFG") + ".tmp" + pid));
    EXPECT_TRUE(IsPipe(Cfg("TEXT.CFG") + ".tmp" + pid));
    // Nothing left beside them but what stood there.
    EXPECT_EQ(FilesIn(dir.path() / "DWGS"), (std::vector<std::string>{"SMITH.DB0", "SMITH.DB0.tmp" + pid}));
    EXPECT_EQ(FilesIn(dir.path() / "CFG"), cfgAfter);

    // COPY.CFG a link to a file that is not there: the append fails and makes nothing at its target.
    fs::remove(Cfg("COPY.CFG"));
    fs::create_symlink(dir.path() / "COPYOUT.CFG", Cfg("COPY.CFG"));
    EXPECT_FALSE(AppendCopyRecord(3, 0, 0));
    EXPECT_FALSE(fs::exists(dir.path() / "COPYOUT.CFG"));
    EXPECT_TRUE(fs::is_symlink(Cfg("COPY.CFG")));
    EXPECT_EQ(ReadCopyCount(), 0);
}
