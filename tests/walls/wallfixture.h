#pragma once
// A fresh drawing state in a fresh program directory, holding the four floor records of a new
// drawing, for the external-wall tests.
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/drawingedit.h"
#include "model/startingdrawing.h"
#include "model/list.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "tests/support/tempdir.h"
#include "tools/linetool.h"
#include "walls/extwallobjtool.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

class WallTest : public ::testing::Test {
public:
    void SetUp() override
    {
        // Settings files not written here read as their shipped defaults.
        for (const char* folder : {"CFG", "DWGS", "LIBS"})
            std::filesystem::create_directories(dir.path() / folder);
        state().programDirectory = dir.prefix();
        state().drawingName = "WALLS";
        state().unitSystem = 1;
        state().unitsPerLogical = 5;
        state().currentFloor = GROUND_FLOOR;
        // The floor records in memory only: each test writes the drawing file when it means to.
        TDrawingEdit edit(objects());
        AddStartingRecords(edit, 1);
        // Metric cavity wall 110 / 50 / 100 and plain wall colours unless a test says otherwise.
        WriteCfg("EXTWALLM.CFG", "110 50 100 25 2550 2400 2400 0 0 0\n");
        WriteCfg("EXTWALLI.CFG", "96 48 96 24 2328 2304 2304 0 0 0\n");
        WriteCfg("WLCLR.CFG", "255 65280\n");
        TLinetool::ResetKeyEntryState();
        tool.kind = 1000;
    }

    void WriteCfg(const std::string& name, const std::string& text)
    {
        ASSERT_TRUE(WriteSettings(name, text));
    }

    TDrawingState& state() { return fresh.state(); }
    TList& objects() { return fresh.state().objects; }

    // Appends an external wall object with the given reference line, angle and spacings; its wall
    // lines are left for the test to set.
    TExtwallobj& AddWall(int x1, int y1, int x2, int y2, int angle, int s1, int s2 = 0, int s3 = 0,
                         int floor = GROUND_FLOOR)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = floor;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->spacing1 = s1;
        wall->spacing2 = s2;
        wall->spacing3 = s3;
        wall->wallFlag = 1;
        TExtwallobj& ref = *wall;
        objects().Add(std::move(wall));
        return ref;
    }

    TExtwallobj& WallAt(int index) { return dynamic_cast<TExtwallobj&>(*objects()[index]); }
    int LastIndex() { return objects().count() - 1; }

    // Puts a segment into the tool as the line drawing would leave it.
    void Segment(int x1, int y1, int x2, int y2, int angle)
    {
        tool.x1 = x1;
        tool.y1 = y1;
        tool.x2 = x2;
        tool.y2 = y2;
        tool.lineAux1 = angle;
    }
    void Spacings(int s1, int s2 = 0, int s3 = 0)
    {
        tool.spacing1 = s1;
        tool.spacing2 = s2;
        tool.spacing3 = s3;
    }

    FreshDrawingState fresh;
    TempDir dir;
    TExtwallobjtool tool;
};

// Line k (0-based) of a wall object: start x, start y, end x, end y.
inline std::array<int, 4> LineOf(const TExtwallobj& wall, int k)
{
    const auto i = std::size_t(4 * k);
    return {wall.wallLines[i], wall.wallLines[i + 1], wall.wallLines[i + 2], wall.wallLines[i + 3]};
}
// Line k of the tool.
inline std::array<int, 4> LineOf(const TExtwallobjtool& tool, int k)
{
    const auto i = std::size_t(2 * k);
    return {tool.lineX[i], tool.lineY[i], tool.lineX[i + 1], tool.lineY[i + 1]};
}
using Line = std::array<int, 4>;
