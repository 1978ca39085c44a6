// What tools draw as they go (rubber bands, previews, guide lines, drag rectangles, a design room
// being dragged, a text being typed) against what repaints the window under them: a full repaint, many small ones,
// a window resized, Edit/Undo, a scroll of a zoomed view. The tool goes on (the mouse moves), then
// ends or is left; the window must then be exactly what a fresh repaint from the file shows: no
// feedback left behind, none drawn back as a ghost.
#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/headlesswindow.h"
#include "app/qt/scriptinterpreter.h"
#include "model/drawingstate.h"
#include "tests/support/tempdir.h"
#include "rooms/droomobjtool.h"
#include "tools/linetool.h"

#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A 6000 x 4000 outline on the metric sheet, 10 logical units a pixel, and a line for Edit/Undo to
// take back.
const std::vector<std::string> HOUSE = {
    "client 1200 840",
    "dialog 2024 set 2027 HOUSE check 2026 ok",
    "dialog 2480 check 2481 ok",
    "dialog 4200 check 4201 ok",
    "command file/new",
    "at 200 200",
    "key ENTER",
    "input 6000",
    "key RIGHT",
    "input 4000",
    "key DOWN",
    "input 6000",
    "key LEFT",
    "input 4000",
    "key UP",
    "command tools/line",
    "ldown 600 300",
    "move 700 350",
    "lup 700 350",
};

// A design room dropped in the house, chosen for Design Rooms/Move Room with the right button and
// moved a step by the right arrow key, held down.
const std::vector<std::string> DESIGN_ROOM_NUDGED = {
    "dialog 21000 ok",
    "dialog 22000 set 22001 lounge set 22002 4000 set 22003 3000 check 22007 check 22010 ok",
    "command design rooms/new design room",
    "ldown @1000 1000",
    "move 40 800",
    "lup",
    "command design rooms/move room",
    "rdown @2000 1500",
    "key RIGHT",
};

struct TFeedbackCase {
    const char* name;
    std::vector<std::string> start;   // the tool chosen and its feedback put on the screen
    std::vector<std::string> goOn;    // the feedback moved on (erased where it was, drawn anew)
    std::vector<std::string> finish;  // the action ended or the tool left
};

const TFeedbackCase CASES[] = {
    {"LineDrag", {"command tools/line", "at 260 260", "ldown", "move 280 280"}, {"move 290 300"}, {"lup 290 300"}},
    {"LineTextDrag", {"command tools/line + text", "at 260 260", "ldown", "move 280 280"}, {"move 290 300"},
     {"command tools/line"}},
    {"CircleDrag", {"command tools/circle", "at 260 260", "ldown", "move 280 260"}, {"move 290 262"}, {"lup 290 262"}},
    {"EllipseDrag", {"command tools/ellipse", "at 260 260", "ldown", "move 280 280"}, {"move 290 300"}, {"lup 290 300"}},
    {"MultilineBand", {"input 3", "command tools/draw multilines", "at 250 250", "key ENTER", "move 280 280"},
     {"move 300 290"}, {"command tools/line"}},
    // A band that CENTRE's clicks end (command 300 is the toolbar's CENTRE).
    {"MultilineBandCentred", {"input 3", "command tools/draw multilines", "at 250 250", "key ENTER", "move 280 280"},
     {"command 300", "click 400 400", "click 500 500"}, {"command tools/line"}},
    {"InternalWallBandCentred",
     {"dialog 7000 check 7004 ok", "command walls & base/internal walls/draw internal wall", "at 250 250", "key ENTER",
      "move 300 270"},
     {"command 300", "click 400 400", "click 500 500"}, {"command tools/line"}},
    {"InternalWallBand",
     {"dialog 7000 check 7004 ok", "command walls & base/internal walls/draw internal wall", "at 250 250", "key ENTER",
      "move 300 270"},
     {"move 320 300"}, {"command tools/line"}},
    {"ExpandPlanGuide", {"command walls && base/floorplan base/expand floorplan", "key RIGHT", "move 260 260"},
     {"move 280 262"}, {"command tools/line"}},
    {"StairsOutline",
     {"message yes", "command view/first floor", "command view/ground floor", "command tools/line", "ldown 600 300",
      "move 650 320", "lup 650 320", "dialog 2550 check 2553 check 2555 ok",
      "command other/stairs internal", "move 60 760"},
     {"move 70 770"}, {"command tools/line"}},
    {"WindowPreview",
     {"dialog 6500 set 6501 900 set 6502 1200 check 6504 uncheck 6505 check 6507 check 6508 ok",
      "command other/window & extnl doors", "move 260 260"},
     {"move 280 270"}, {"command tools/line"}},
    // CENTRE's two clicks put the window's symbol at their centre.
    {"WindowPreviewCentred",
     {"dialog 6500 set 6501 900 set 6502 1200 check 6504 uncheck 6505 check 6507 check 6508 ok",
      "command other/window & extnl doors", "move 260 260", "command 300", "click 250 250", "click 290 300"},
     {"move 280 270"}, {"command tools/line"}},
    {"InternalDoorPreview",
     {"dialog 7000 check 7004 ok", "command walls & base/internal walls/draw internal wall", "at 1000 3000",
      "key ENTER", "at 5000 3000", "key ENTER", "dialog 10500 set 10501 800 check 10505 ok",
      "command other/door-internal", "move 300 400"},
     {"move 320 420"}, {"command tools/line"}},
    {"SelectionRectangle", {"command edit/move or rotate", "at 150 150", "ldown", "move 280 280"}, {"move 300 300"},
     {"lup 300 300", "command tools/line"}},
    {"ZoomRectangle", {"command zoom/zoom up", "ldown 100 100", "move 400 300"}, {"move 500 400"}, {"key ENTER"}},
    // Not feedback but a figure held: the line typed so far, over the line drawn before, then
    // rubbed out a letter and stored when another tool is chosen.
    {"TypedTextLine", {"dialog 2300 check 2302 ok", "command tools/text", "click 600 305", "char W", "char W"},
     {"char W", "char BACKSPACE", "char BACKSPACE"}, {"command tools/line"}},
    {"DesignRoomDrag",
     {"dialog 21000 ok", "dialog 22000 set 22001 lounge set 22002 4000 set 22003 3000 check 22007 check 22010 ok",
      "command design rooms/new design room", "ldown @1000 1000", "move 40 800"},
     {"move 70 770"}, {"lup"}},
    // A design room nudged by an arrow key held down, 25 a step: its cover and outline are out until
    // the key's release.
    {"DesignRoomNudged", DESIGN_ROOM_NUDGED, {"key RIGHT", "key RIGHT", "key RIGHT", "key RIGHT"},
     {"keyup RIGHT", "command tools/line"}},
};

enum class TRepaint { Full, Tiles, Resize, Undo, ScrollZoomed };

const TRepaint REPAINTS[] = {TRepaint::Full, TRepaint::Tiles, TRepaint::Resize, TRepaint::Undo,
                             TRepaint::ScrollZoomed};

std::string RepaintName(TRepaint repaint)
{
    switch (repaint) {
    case TRepaint::Full:
        return "Repaint";
    case TRepaint::Tiles:
        return "PartialRepaints";
    case TRepaint::Resize:
        return "Resize";
    case TRepaint::Undo:
        return "Undo";
    case TRepaint::ScrollZoomed:
        return "ScrollOfAZoomedView";
    }
    return "";
}

void PrintTo(const TFeedbackCase& feedback, std::ostream* out)
{
    *out << feedback.name;
}

void PrintTo(TRepaint repaint, std::ostream* out)
{
    *out << RepaintName(repaint);
}

using TFeedbackRun = std::tuple<TFeedbackCase, TRepaint>;

int CountDifferences(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

class FeedbackScript : public ::testing::Test {
protected:
    FeedbackScript() { TLinetool::ResetKeyEntryState(); }
    ~FeedbackScript() override { TLinetool::ResetKeyEntryState(); }

    void Run(const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines)
            ASSERT_NO_THROW(script.RunStatement(line)) << line << "\n" << err.str();
    }

    HeadlessWindow& Window() { return static_cast<HeadlessWindow&>(script.Client()->ActiveChild()->Host()); }

    // Repaints the window one small square at a time, every other square of a checkerboard, so
    // that each repaint cuts through whatever feedback crosses its edges.
    void RepaintTiles()
    {
        constexpr int tile = 60;
        const TRect client = script.Client()->ActiveChild()->ClientRect();
        for (int y = 0; y < client.bottom; y += tile)
            for (int x = (y / tile) % 2 * tile; x < client.right; x += 2 * tile) {
                script.Client()->ActiveChild()->InvalidateArea({x, y, x + tile, y + tile});
                script.Frame()->ProcessEvents();
            }
    }

    TempDir dir;
    FreshDrawingState fresh;
    std::ostringstream out;
    std::ostringstream err;
    ScriptInterpreter script{out, err};
};

class FeedbackAfterRepaint : public FeedbackScript, public ::testing::WithParamInterface<TFeedbackRun> {};

TEST_P(FeedbackAfterRepaint, TheWindowShowsNoFeedbackOnceTheToolIsDone)
{
    const auto& [feedback, repaint] = GetParam();
    script.SetDefaultDirectory(dir.prefix());
    Run(HOUSE);
    if (repaint == TRepaint::ScrollZoomed)
        Run({"command zoom/zoom up", "ldown 50 50", "move 900 700", "lup 900 700"});
    const QImage plain = Window().BackingImage().copy();
    Run(feedback.start);
    if (HasFatalFailure())
        return;
    const QImage before = Window().BackingImage().copy();
    EXPECT_GT(CountDifferences(plain, before), 0) << "nothing drawn to repaint under";
    switch (repaint) {
    case TRepaint::Full:
        Run({"paint"});
        break;
    case TRepaint::Tiles:
        RepaintTiles();
        break;
    case TRepaint::Resize:
        Run({"client 1100 800"});
        break;
    case TRepaint::Undo:
        Run({"command edit/undo"});
        break;
    case TRepaint::ScrollZoomed:
        Run({"key 34"});
        break;
    }
    // A repaint that changes nothing of the view shows what was shown: the drawing, and the
    // feedback drawn again where it was.
    if (repaint == TRepaint::Full || repaint == TRepaint::Tiles) {
        EXPECT_EQ(CountDifferences(before, Window().BackingImage()), 0) << "the repaint changed the window";
    }
    const QImage stayed = Window().BackingImage().copy();
    Run(feedback.goOn);
    // Where the view is as it was, the feedback moves on over it (Edit/Undo may take back what it
    // works on, a scroll may take it out of view).
    if (repaint == TRepaint::Full || repaint == TRepaint::Tiles) {
        EXPECT_GT(CountDifferences(stayed, Window().BackingImage()), 0) << "the feedback did not move on";
    }
    Run(feedback.finish);
    if (HasFatalFailure())
        return;
    const QImage shown = Window().BackingImage().copy();
    Run({"paint"});
    EXPECT_EQ(CountDifferences(shown, Window().BackingImage()), 0) << "pixels the file does not hold";
}

// A repaint draws a design room's feedback again and changes nothing its tool holds: the rectangle
// shown and the area the feedback has covered stay as the last event left them.
TEST_F(FeedbackScript, ARepaintChangesNothingTheDesignRoomToolHolds)
{
    script.SetDefaultDirectory(dir.prefix());
    Run(HOUSE);
    const auto expectRepaintChangesNothing = [this] {
        const auto* tool = dynamic_cast<const TDRoomobjtool*>(script.Client()->CurrentTool());
        ASSERT_NE(tool, nullptr);
        const auto held = [tool] {
            const TModelBox& area = tool->feedbackArea;
            return std::array{tool->x1, tool->y1, tool->x2, tool->y2, int(area.empty), area.minX, area.minY,
                              area.maxX, area.maxY};
        };
        const auto before = held();
        Run({"paint", "paint"});
        EXPECT_EQ(held(), before);
    };
    // Dragged in from its place at the lower left.
    Run(std::vector<std::string>(DESIGN_ROOM_NUDGED.begin(), DESIGN_ROOM_NUDGED.begin() + 5));
    Run({"move 60 780"});
    expectRepaintChangesNothing();
    Run({"lup"});
    // Dropped, then nudged by the right arrow key.
    Run(std::vector<std::string>(DESIGN_ROOM_NUDGED.begin() + 6, DESIGN_ROOM_NUDGED.end()));
    expectRepaintChangesNothing();
    Run({"keyup RIGHT"});
}

INSTANTIATE_TEST_SUITE_P(EveryToolThatDrawsFeedback, FeedbackAfterRepaint,
                         ::testing::Combine(::testing::ValuesIn(CASES), ::testing::ValuesIn(REPAINTS)),
                         [](const ::testing::TestParamInfo<TFeedbackRun>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    RepaintName(std::get<1>(info.param));
                         });

}  // namespace
