// arkweld-script's watch over what the tools hold: a typed line or a move not locked that goes
// without a word fails the next `check`; stored, taken back, dropped by a command the help names,
// changed by typing or told in a box, it passes.
#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/heldcheck.h"
#include "app/qt/scriptinterpreter.h"
#include "app/toolfamily.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/textobj.h"
#include "platform/dialogrunner.h"
#include "tests/support/tempdir.h"
#include "tools/drawingtool.h"
#include "tools/linetool.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

// Swaps the current tool as no program path can: behind the calls that settle it.
struct TClientTestAccess {
    static void Replace(TClient& client, std::unique_ptr<TDrawingtool> tool) { client.currentTool = std::move(tool); }
};

namespace {

// A new drawing at 640 x 480, with one line typed from the keyboard.
const char* const NEW_DRAWING = "client 640 480\n"
                                "dialog 2024 ok\n"
                                "dialog 2480 ok\n"
                                "dialog 5300 ok\n"
                                "dialog 4200 ok\n"
                                "command file/new\n"
                                "command tools/line\n"
                                "at 1000 1000\n"
                                "key ENTER\n"
                                "input 2000\n"
                                "key RIGHT\n";

// Then KIT typed at a click of Tools/Text, no ENTER: the typed line is held.
const char* const TYPED_LINE = "dialog 2300 check 2302 ok\n"
                               "command tools/text\n"
                               "click @5000 5000\n"
                               "char K\n"
                               "char I\n"
                               "char T\n";

// Or the line moved and not locked.
const char* const MOVED_LINE = "command edit/move or rotate\n"
                               "ldown @500 500\n"
                               "at 3500 1500\n"
                               "lup @3500 1500\n"
                               "click @1000 1000\n"
                               "click @2000 3000\n";

enum class Held { TypedLine, Move };

struct Row {
    const char* name;
    Held held;
    // Run through arkweld-script, each statement watched as a script's are ...
    const char* statements;
    // ... or, when set, done behind the script's back and watched as the statement `as`.
    std::function<void(TClient&)> behind;
    const char* as;
    bool fails;
};

class HeldCheck : public ::testing::TestWithParam<Row> {
protected:
    HeldCheck() { TLinetool::ResetKeyEntryState(); }
    ~HeldCheck() override { TLinetool::ResetKeyEntryState(); }

    TempDir dir;
    FreshDrawingState fresh;
    std::ostringstream out;
    std::ostringstream err;
};

void RunLines(ScriptInterpreter& interpreter, const std::string& script)
{
    std::istringstream lines(script);
    std::string line;
    while (std::getline(lines, line))
        interpreter.RunStatement(line);
}

void DropTheTypedLine(TClient& client) { client.CurrentTool()->DropHeld(); }
void SwapTheTypedLine(TClient& client)
{
    dynamic_cast<TTextobj&>(*client.CurrentTool()->HeldObjects().front()).SetText("X");
}

// A tool put in the current one's place behind the one call that settles it (InstallTool would store
// the line): what it held goes with it.
void ReplaceTheTool(TClient& client) { TClientTestAccess::Replace(client, std::make_unique<TDrawingtool>()); }

// The list read back from the file behind the move tool's back: the move is gone.
void ReadTheListBack(TClient&) { State().objects.ReadDrawing(); }

}  // namespace

TEST_P(HeldCheck, SeesWhatGoesWithoutAWord)
{
    const Row& row = GetParam();
    ScriptInterpreter interpreter(out, err);
    interpreter.SetDefaultDirectory(dir.prefix());
    RunLines(interpreter, std::string(NEW_DRAWING) + (row.held == Held::TypedLine ? TYPED_LINE : MOVED_LINE));
    TClient& client = *interpreter.Client();
    // Something is held, so the check has something to watch.
    if (row.held == Held::TypedLine)
        ASSERT_TRUE(client.HoldsFigure());
    else
        ASSERT_TRUE(client.PendingMove());
    if (row.behind) {
        // Answers the box it shows, if any.
        RunLines(interpreter, row.statements);
        HeldWatch watch;
        ScriptStatement statement;
        std::string error;
        ASSERT_TRUE(ParseScriptStatement(row.as, statement, error)) << error;
        const std::vector<std::string>& transcript = interpreter.Frame()->Scripted().Transcript();
        watch.Before(client, statement, transcript);
        row.behind(client);
        interpreter.Frame()->ProcessEvents();
        EXPECT_EQ(!watch.After(client, transcript).empty(), row.fails);
        return;
    }
    RunLines(interpreter, row.statements);
    bool failed = false;
    try {
        interpreter.RunStatement("check");
    } catch (const std::exception& failure) {
        failed = true;
        EXPECT_NE(std::string(failure.what()).find("without a word"), std::string::npos) << failure.what();
    }
    EXPECT_EQ(failed, row.fails);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HeldCheck,
    ::testing::Values(
        // The typed line.
        Row{"LineDroppedSilently", Held::TypedLine, "", DropTheTypedLine, "paint", true},
        Row{"ToolReplacedWithoutSettling", Held::TypedLine, "", ReplaceTheTool, "key ENTER", true},
        Row{"LineDroppedAndFileWritten", Held::TypedLine, "",
            [](TClient& client) {
                client.CurrentTool()->DropHeld();
                State().objects.WriteDrawing();
            },
            "paint", true},
        // Another text of the same kind in its place: only the window's events change what is held.
        Row{"LineSwappedForAnotherText", Held::TypedLine, "", SwapTheTypedLine, "paint", true},
        Row{"LineChangedByACharacter", Held::TypedLine, "", SwapTheTypedLine, "char X", false},
        Row{"LineDroppedByUndo", Held::TypedLine, "", DropTheTypedLine, "command edit/undo", false},
        Row{"LineDroppedWithABox", Held::TypedLine, "message ok\n",
            [](TClient& client) {
                client.CurrentTool()->DropHeld();
                client.MessageBox("The line is gone", "TEXT", MB_OK);
            },
            "paint", false},
        Row{"LineStoredByEnter", Held::TypedLine, "char ENTER\n", nullptr, "", false},
        Row{"LineStoredByACommand", Held::TypedLine, "command tools/line\n", nullptr, "", false},
        // Stored, then turned with the whole drawing: the file held it as the store wrote it.
        Row{"LineStoredThenTurned", Held::TypedLine, "dialog 19000 check 19003 ok\ncommand file/rotate/mirror\n", nullptr,
            "", false},
        Row{"LineTakenBackByUndo", Held::TypedLine, "command edit/undo\n", nullptr, "", false},
        Row{"LineChangedByTyping", Held::TypedLine, "char S\nchar BACKSPACE\nclick @9000 9000\n", nullptr, "", false},
        Row{"LineErasedByBackspace", Held::TypedLine, "char BACKSPACE\nchar BACKSPACE\nchar BACKSPACE\n", nullptr, "",
            false},
        Row{"LineKeptOverAZoom", Held::TypedLine, "command zoom/zoom up\npaint\ncommand zoom/normal size\n", nullptr, "",
            false},
        Row{"LineStoredWhenAZoomEnds", Held::TypedLine, "command zoom/zoom up\nkey ENTER\n", nullptr, "", false},
        // The move not locked.
        Row{"MoveDroppedSilently", Held::Move, "", ReadTheListBack, "paint", true},
        Row{"MoveDroppedByNormalSize", Held::Move, "", ReadTheListBack, "command zoom/normal size", true},
        Row{"MoveDroppedByCentre", Held::Move, "", ReadTheListBack, "command 300", true},
        Row{"MoveDroppedByUndo", Held::Move, "", ReadTheListBack, "command edit/undo", false},
        Row{"MoveDroppedByANamedCommand", Held::Move, "", ReadTheListBack, "command view/ground floor", false},
        Row{"MoveLockedByEnter", Held::Move, "key ENTER\n", nullptr, "", false},
        Row{"MoveDroppedByAnotherTool", Held::Move, "command tools/line\n", nullptr, "", false},
        Row{"MoveKeptOverARepaint", Held::Move, "paint\ncommand zoom/zoom up\ncommand zoom/normal size\n", nullptr, "",
            false},
        Row{"MoveDroppedWhenAZoomEnds", Held::Move, "command zoom/zoom up\nkey ENTER\n", nullptr, "", false}),
    [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
