#pragma once
// The program's client in a headless frame over a fresh program directory, for the tests of the
// frame, the commands and the drawing window. Dialog answers go to the scripted runner; message
// boxes and help requests shown come back in `lines`.
#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/headlesswindow.h"
#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/lineobj.h"
#include "model/list.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "resources/menus.h"
#include "tests/support/tempdir.h"
#include "tools/linetool.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class AppTest : public ::testing::Test {
protected:
    AppTest()
    {
        PrepareProgramDirectory(dir.prefix());
        State().programDirectory = dir.prefix();
        // A sheet the size of the window: the normal view (the whole sheet) is then one logical
        // unit a pixel, the view the tests' device points are worked out for.
        UseSheet(1000, 700);
        TLinetool::ResetKeyEntryState();
        client = std::make_unique<TClient>(frame);
    }
    ~AppTest() override
    {
        client.reset();
        TLinetool::ResetKeyEntryState();
    }

    // The sheet of new and opened drawings in both unit systems, logical units.
    void UseSheet(int width, int height)
    {
        const std::string size = std::to_string(width) + " " + std::to_string(height) + "\n";
        WriteSettings("DWGSIZEM.CFG", size);
        WriteSettings("DWGSIZEI.CFG", size);
    }

    // The shipped sheets (12000 x 8400 metric, 13824 x 9216 imperial).
    void UseShippedSheet()
    {
        for (const char* name : {"DWGSIZEM.CFG", "DWGSIZEI.CFG"})
            WriteSettings(name, *ShippedDefault(name));
    }

    TDrawingState& state() { return fresh.state(); }
    TList& objects() { return fresh.state().objects; }
    std::string Path(const std::string& relative) const { return dir.prefix() + relative; }

    void Answer(const std::string& line) { frame.Scripted().AddAnswer(line); }
    // Runs a command and what the event loop does after it.
    void Command(int id)
    {
        client->Command(id);
        frame.ProcessEvents();
    }
    // File/New through the new-drawing dialog, then the external-wall dialogs it leads to: the
    // cavity-brick wall and the wall lines below the drawn line.
    void NewDrawing(const std::string& name, bool metric = true)
    {
        Answer("dialog 2024 set 2027 \"" + name + "\" check " + (metric ? "2026" : "2025") + " ok");
        AnswerWallDialogs(metric);
        Command(CM_FILENEW);
    }
    void AnswerWallDialogs(bool metric = true)
    {
        Answer(metric ? "dialog 2480 check 2481 ok" : "dialog 2900 check 2904 ok");
        Answer("dialog 4200 ok");
    }
    TChild& Child() { return *client->ActiveChild(); }
    // The device point of a model point in the normal view of the tests' sheet: one logical unit
    // a pixel, five model units a logical unit.
    static TPoint DeviceOfModel(int x, int y) { return {x / 5, 700 - y / 5}; }
    // A left-button drag and a left click at model points, each handled as the event loop would.
    void DragModel(TPoint from, TPoint to)
    {
        Child().EvLButtonDown(DeviceOfModel(from.x, from.y));
        Child().EvMouseMove(DeviceOfModel(to.x, to.y));
        Child().EvLButtonUp(DeviceOfModel(to.x, to.y));
        frame.ProcessEvents();
    }
    void ClickModel(TPoint at)
    {
        Child().EvLButtonDown(DeviceOfModel(at.x, at.y));
        Child().EvLButtonUp(DeviceOfModel(at.x, at.y));
        frame.ProcessEvents();
    }
    // Each character typed as the keyboard gives it: its key, then the character.
    void TypeKeys(const std::string& text)
    {
        for (char c : text) {
            Child().EvKeyDown(c);
            Child().EvChar(c);
        }
    }
    HeadlessWindow& Window() { return static_cast<HeadlessWindow&>(Child().Host()); }

    // Appends a line on a floor and rewrites the drawing file, as a tool's commit does.
    TLineobj& AddLine(int floor, int x1, int y1, int x2, int y2, int typeCode = 1)
    {
        auto line = std::make_unique<TLineobj>(typeCode);
        line->floor = floor;
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        TLineobj& added = *line;
        TDrawingEdit edit(objects());
        edit.Add(std::move(line));
        edit.Commit();
        return added;
    }

    // The objects of a drawing file as another run of the program would read them.
    std::vector<std::unique_ptr<TObject>> ReadBack(const std::string& name)
    {
        FreshDrawingState reader;
        reader.state().programDirectory = dir.prefix();
        reader.state().drawingName = name;
        const TLoadResult result = reader.state().objects.ReadDrawing();
        EXPECT_TRUE(result.ok) << result.message;
        std::vector<std::unique_ptr<TObject>> copies;
        for (const auto& object : reader.state().objects.Items())
            copies.push_back(object->Clone());
        return copies;
    }

    // The colour of a pixel of the window's backing image, as 0x00BBGGRR.
    TColor Pixel(int x, int y)
    {
        QRgb rgb = Window().BackingImage().pixel(x, y);
        return MakeColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }

    TempDir dir;
    FreshDrawingState fresh;
    std::vector<std::string> lines;
    HeadlessFrame frame{[this](const std::string& line) { lines.push_back(line); }};
    std::unique_ptr<TClient> client;
};
