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
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <functional>
#include <mutex>
#include <pthread.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

// Runs `action` on this thread and says whether it came back within two seconds. Past that, the
// thread is interrupted by a signal every tenth of a second, so an open() waiting on a pipe gives
// up (EINTR) and the test fails rather than hangs.
bool ReturnsPromptly(const std::function<void()>& action)
{
    struct sigaction interrupt {};
    interrupt.sa_handler = [](int) {};
    sigemptyset(&interrupt.sa_mask);
    interrupt.sa_flags = 0;  // no SA_RESTART: a waiting system call returns
    struct sigaction previous {};
    sigaction(SIGUSR1, &interrupt, &previous);

    const pthread_t self = pthread_self();
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool late = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (finished.wait_for(lock, std::chrono::seconds(2), [&] { return done; }))
            return;
        late = true;
        while (!done) {
            pthread_kill(self, SIGUSR1);
            finished.wait_for(lock, std::chrono::milliseconds(100), [&] { return done; });
        }
    });
    action();
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    finished.notify_all();
    watchdog.join();
    sigaction(SIGUSR1, &previous, nullptr);
    return !late;
}

bool IsPipe(const std::filesystem::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

void MakePipe(const std::filesystem::path& path)
{
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
}

}  // namespace

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
