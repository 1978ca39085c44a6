// The store of laid-out texts the window's bands draw from lives as long as the thread that paints:
// every command that can run while it exists, then a repaint in bands. Each must leave the window
// as a paint that lays out every text afresh shows it (the store aside), and the store holds texts
// by their characters and device font, so what a command does to it is only whether the repaint
// after it found texts it had not laid out before (a new text, a new size) or none.
#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/headlesswindow.h"
#include "app/qt/scriptinterpreter.h"
#include "model/drawingstate.h"
#include "platform/qt/bandworkers.h"
#include "platform/qt/textstore.h"
#include "tests/platform/pixelhelpers.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <QImage>

#include <sstream>
#include <string>
#include <vector>

namespace {

// A new drawing with twenty texts spread over the window.
std::vector<std::string> DrawingWithTexts(const std::string& name, const std::string& prefix)
{
    std::vector<std::string> lines = {
        "client 1200 840",
        "dialog 2024 set 2027 " + name + " check 2026 ok",
        "dialog 2480 check 2481 ok",
        "dialog 4200 check 4201 ok",
        "command file/new",
    };
    for (int i = 0; i < 20; ++i) {
        lines.push_back("dialog 2300 ok");
        lines.push_back("command tools/text");
        lines.push_back("input \"" + prefix + std::to_string(i) + "\"");
        lines.push_back("click " + std::to_string(60 + i * 53) + " " + std::to_string(40 + i * 37));
    }
    return lines;
}

enum class TStore { Same, Grows };

// A command run after the drawing of texts has been painted (`before`, with its own repaint, first),
// and what the repaint after it does to the store. A "%" in a line stands for the case's own start
// of its texts: no other case lays out the same.
struct TStoreCase {
    const char* name;
    std::vector<std::string> before;
    std::vector<std::string> command;
    TStore store;
};

const std::vector<std::string> ZOOM_UP = {"command zoom/zoom up", "ldown 100 100", "move 700 500", "lup 700 500"};
const std::vector<std::string> CHANGE_TEXT = {"command edit/change text/number", "input \"%CHANGED\"", "click 60 40"};

const std::vector<TStoreCase> CASES = {
    {"Repaint", {}, {"paint"}, TStore::Same},
    {"ZoomUp", {}, ZOOM_UP, TStore::Grows},
    {"ZoomUpAndBack", ZOOM_UP, {"command zoom/normal size"}, TStore::Same},
    {"WindowResized", {}, {"client 900 630"}, TStore::Grows},
    {"TextPlaced", {}, {"dialog 2300 ok", "command tools/text", "input \"%NEW\"", "click 300 600"}, TStore::Grows},
    {"TextChanged", {}, CHANGE_TEXT, TStore::Grows},
    {"TextChangedAndUndone", CHANGE_TEXT, {"command edit/undo"}, TStore::Same},
    // Turned, a text is laid out as upright: the store holds one layout for both.
    {"TextTurned", {}, {"dialog 2300 check 2304 ok", "command tools/text", "input \"%3\"", "click 500 300"},
     TStore::Same},
    {"NewDrawingOfOtherTexts", {}, DrawingWithTexts("OTHER", "%Q"), TStore::Grows},
    {"NewDrawingOfTheSameTexts", {}, DrawingWithTexts("OTHER", "%"), TStore::Same},
    {"FailedWrite", {},
     {"failwrites 1 write", "dialog 2300 ok", "command tools/text", "input \"%LOST\"", "message ok", "click 300 600",
      "failwrites 0"},
     TStore::Same},
    {"WholePlanMoved", {},
     {"command edit/move or rotate", "ldown 0 0", "at 1199 839", "lup 1199 839", "click 600 420", "click 610 420",
      "key ENTER"},
     TStore::Same},
};

class TextStoreAfterCommand : public ::testing::TestWithParam<TStoreCase> {
protected:
    ~TextStoreAfterCommand() override { TextStore::SetEnabled(true); }

    // Runs the lines, each "%" the case's start of its texts.
    void Run(const std::vector<std::string>& lines)
    {
        for (std::string line : lines) {
            for (std::size_t at; (at = line.find('%')) != std::string::npos;)
                line.replace(at, 1, own);
            ASSERT_NO_THROW(script.RunStatement(line)) << line << "\n" << err.str();
        }
    }

    HeadlessWindow& Window() { return static_cast<HeadlessWindow&>(script.Client()->ActiveChild()->Host()); }

    // Bands at once whatever the machine has.
    const BandWorkers::ScopedLimit limit{3};
    const std::string own = std::string(GetParam().name) + " ";
    TempDir dir;
    FreshDrawingState fresh;
    std::ostringstream out;
    std::ostringstream err;
    ScriptInterpreter script{out, err};
};

TEST_P(TextStoreAfterCommand, TheRepaintShowsWhatAPaintWithoutTheStoreShows)
{
    const TStoreCase& c = GetParam();
    script.SetDefaultDirectory(dir.prefix());
    Run(DrawingWithTexts("HOUSE", "%"));
    Run({"paint"});
    Run(c.before);
    Run({"paint"});
    const TextStore& store = TextStore::OfThisThread();
    const std::size_t before = store.Size();
    ASSERT_GT(before, 0u) << "the repaint's pieces laid out no text";
    Run(c.command);
    Run({"paint"});
    if (HasFatalFailure())
        return;
    const QImage shown = Window().BackingImage().copy();
    if (c.store == TStore::Grows)
        EXPECT_GT(store.Size(), before);
    else
        EXPECT_EQ(store.Size(), before);
    TextStore::SetEnabled(false);
    Run({"paint"});
    TextStore::SetEnabled(true);
    EXPECT_TRUE(SamePixels(shown, Window().BackingImage()))
        << CountDifferent(shown, Window().BackingImage()) << " pixels a paint without the store does not show";
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, TextStoreAfterCommand, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<TStoreCase>& info) { return std::string(info.param.name); });

}  // namespace
