#pragma once
// A fresh drawing for the window and door tests: a temporary program directory (settings files not
// written read as their shipped defaults), DWGS/TEST.DB0 holding the four floor records, a 1000 x 700 client at normal size (device
// (X, Y) is model (5 X, 5 (700 - Y))), a recording canvas and a window tool of kind 2000.
#include "model/arcobj.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/polyobj.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "model/textobj.h"
#include "openings/windowobjtool.h"
#include "platform/recordingcanvas.h"
#include "tests/support/tempdir.h"
#include "tools/toolwindow.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class OpeningsWindow : public TToolWindow {
public:
    TPoint GetCursorPos() const override { return cursor; }
    void SetCursorPos(TPoint clientDevice) override { cursor = clientDevice; }
    void Message(const std::string& text, const std::string& title) override { messages.push_back(title + ": " + text); }
    TPoint cursor;
    std::vector<std::string> messages;  // "TITLE: text" of every message the tool gave
};

// The window tool with its protected steps open to the tests.
class TestWindowTool : public TWindowobjtool {
public:
    using TWindowobjtool::FindWall;
};

class OpeningTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Settings files not written here read as their shipped defaults.
        for (const char* folder : {"CFG", "DWGS", "LIBS"})
            std::filesystem::create_directories(dir.path() / folder);
        TDrawingState& s = state();
        s.programDirectory = dir.prefix();
        s.drawingName = "TEST";
        s.unitSystem = 1;
        s.unitsPerLogical = 5;
        s.viewExtX = 1000;
        s.viewExtY = 700;
        s.currentColour = MakeColour(0, 0, 255);
        s.currentFillColour = MakeColour(255, 255, 255);
        s.currentFontFace = "Arial";
        s.textWeight = 400;
        const int storeys[4] = {2550, 2400, 2400, 2400};
        for (int floor = GROUND_FLOOR; floor <= FOURTH_LEVEL; ++floor) {
            auto record = std::make_unique<TInfoobj>(31950 + floor);
            record->floor = floor;
            record->z2 = storeys[floor - GROUND_FLOOR];
            objects().Add(std::move(record));
        }
        ASSERT_TRUE(objects().WriteDrawing());
        // Doors stand open at 90 degrees with thin leaves unless a test says otherwise.
        WriteCfg("INTERN.CFG", "90 1 1.000000 0.000001");
        tool.kind = KIND_WINDOW;
        tool.window = &window;
    }

    TDrawingState& state() { return fresh.state(); }
    TList& objects() { return fresh.state().objects; }
    int Count() { return objects().count(); }

    void WriteCfg(const std::string& name, const std::string& text) { ASSERT_TRUE(WriteSettings(name, text)); }
    std::string Cfg(const std::string& name) { return ReadWholeFile(dir.path() / "CFG" / name); }
    std::string DrawingFile() { return ReadWholeFile(dir.path() / "DWGS" / "TEST.DB0"); }

    // WIND.CFG as the window dialog leaves it.
    void Opening(int type, int width, int height, int showSizes = 0, int showCill = 0, int textSize = 9)
    {
        WriteCfg("WIND.CFG", std::to_string(type) + " " + std::to_string(width) + " " + std::to_string(height) +
                                 " 0 " + std::to_string(showSizes) + " " + std::to_string(textSize) + " " +
                                 std::to_string(showCill) + " 0");
    }

    // An external wall of the ground floor with its reference line, angle and spacings.
    int AddWall(int x1, int y1, int x2, int y2, int angle, int s1, int s2 = 0, int s3 = 0, int owner = 7,
                int floor = 0)
    {
        auto wall = std::make_unique<TExtwallobj>();
        wall->floor = floor ? floor : state().currentFloor;
        wall->ownerId = owner;
        wall->x1 = x1;
        wall->y1 = y1;
        wall->x2 = x2;
        wall->y2 = y2;
        wall->angle = angle;
        wall->spacing1 = s1;
        wall->spacing2 = s2;
        wall->spacing3 = s3;
        wall->wallFlag = 1;
        objects().Add(std::move(wall));
        return Count() - 1;
    }

    // Puts the tool's fields as the placement leaves them before the builder runs.
    void Marked(int side, int x, int y, int thickness, int width, int type, int code = 0)
    {
        tool.markedSide = side;
        tool.pointX = x;
        tool.pointY = y;
        tool.libraryFlag = thickness;
        tool.openingWidth = width;
        tool.openingType = type;
        tool.step = code;
        tool.objectIndex = code;
        tool.doorCode = code;
        tool.lineAux1 = side > 0 ? side : 0;
        if (side < 0)
            tool.faceNumber() = -side;
        tool.groupId = 10042;
        tool.ownerId = 7;
        tool.colour = state().currentColour;
    }

    // Runs the opening builder into a fresh edit; returns the index of its first object.
    int Build()
    {
        const int first = Count();
        TDrawingEdit edit(objects());
        tool.BuildOpening(edit, dc, client);
        return first;
    }

    // The objects from index `first` on, of one class.
    template <class T>
    std::vector<T*> From(int first)
    {
        std::vector<T*> found;
        for (int i = first; i < Count(); ++i)
            if (auto* object = dynamic_cast<T*>(objects()[i]))
                found.push_back(object);
        return found;
    }

    // Device point of a model point under the test view.
    static TPoint Device(int modelX, int modelY) { return {modelX / 5, 700 - modelY / 5}; }

    TempDir dir;
    FreshDrawingState fresh;
    RecordingCanvas dc{{1000, 700}};
    TRect client{0, 0, 1000, 700};
    OpeningsWindow window;
    TestWindowTool tool;
};

using Line = std::array<int, 4>;
inline Line Ends(const TObject& o)
{
    return {o.x1, o.y1, o.x2, o.y2};
}
inline Line Ends(const TDrawingtool& t)
{
    return {t.x1, t.y1, t.x2, t.y2};
}

// The polygon's four corners as (x, y) pairs.
inline std::vector<TPoint> Corners(const TPolyobj& polygon)
{
    std::vector<TPoint> corners;
    for (int i = 0; i < polygon.vertexCount; ++i)
        corners.push_back({polygon.vertexX[std::size_t(i)], polygon.vertexY[std::size_t(i)]});
    return corners;
}

// How far an arc turns, in degrees, anticlockwise from its start ray to its end ray about the
// centre of its box: the way the canvas draws it.
inline double ArcSweep(const TArcobj& arc)
{
    const double cx = (arc.x1 + arc.x2) / 2.0;
    const double cy = (arc.y1 + arc.y2) / 2.0;
    const double from = std::atan2(arc.arcStartY - cy, arc.arcStartX - cx);
    const double to = std::atan2(arc.arcEndY - cy, arc.arcEndX - cx);
    double sweep = (to - from) * 180.0 / 3.141592653589793;
    while (sweep <= 0)
        sweep += 360.0;
    while (sweep > 360.0)
        sweep -= 360.0;
    return sweep;
}
