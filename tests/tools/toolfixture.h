#pragma once
// A fresh drawing for tool tests: a temporary program directory holding DWGS/TEST.DB0 with the
// four floor records, a 1000 x 700 client showing the sheet's lower-left corner at normal size,
// so device (X, Y) is model (5 X, 5 (700 - Y)), and a fake window that keeps the cursor.
#include "model/drawingstate.h"
#include "model/drawingedit.h"
#include "model/startingdrawing.h"
#include "model/list.h"
#include "model/programdirectory.h"
#include "platform/recordingcanvas.h"
#include "tests/support/tempdir.h"
#include "tools/drawingtool.h"
#include "tools/linetool.h"
#include "tools/toolwindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class FakeToolWindow : public TToolWindow {
public:
    TPoint GetCursorPos() const override { return cursor; }
    void SetCursorPos(TPoint clientDevice) override
    {
        cursor = clientDevice;
        placed.push_back(clientDevice);
    }
    void Message(const std::string& text, const std::string& title) override { messages.push_back(title + ": " + text); }
    TPoint cursor;
    std::vector<TPoint> placed;         // every point the tool put the cursor at
    std::vector<std::string> messages;  // "TITLE: text" of every message the tool gave
};

class ToolTest : public ::testing::Test {
protected:
    ToolTest()
    {
        TDrawingState& state = fresh.state();
        state.programDirectory = dir.prefix();
        std::filesystem::create_directories(dir.path() / "DWGS");
        state.drawingName = "TEST";
        state.unitSystem = 1;
        state.unitsPerLogical = 5;
        state.viewExtX = 1000;
        state.viewExtY = 700;
        state.currentColour = MakeColour(0, 0, 255);
        state.currentPenWidth = 2;
        TDrawingEdit edit(state.objects);
        AddStartingRecords(edit, state.unitSystem);
        edit.Commit();
        TLinetool::ResetKeyEntryState();
    }
    ~ToolTest() override { TLinetool::ResetKeyEntryState(); }

    TDrawingState& state() { return fresh.state(); }
    TList& objects() { return fresh.state().objects; }

    // Device point of a model point under the test view (model coordinates multiples of 5).
    static TPoint Device(int modelX, int modelY) { return {modelX / 5, 700 - modelY / 5}; }

    // Binds the tool to the fake window as the drawing window does before every call.
    void Attach(TDrawingtool& tool) { tool.window = &window; }

    // Presses a key with the cursor at a device point.
    void Key(TDrawingtool& tool, int key, TPoint cursor, int value = 0)
    {
        window.cursor = cursor;
        tool.KeyDown(dc, client, key, cursor, value);
    }

    // The drawing file read back into a fresh list.
    std::vector<std::unique_ptr<TObject>> ReadBack()
    {
        FreshDrawingState reader;
        reader.state().programDirectory = dir.prefix();
        reader.state().drawingName = "TEST";
        const TLoadResult result = reader.state().objects.ReadDrawing();
        EXPECT_TRUE(result.ok) << result.message;
        std::vector<std::unique_ptr<TObject>> copies;
        for (const auto& object : reader.state().objects.Items())
            copies.push_back(object->Clone());
        return copies;
    }

    TempDir dir;
    FreshDrawingState fresh;
    RecordingCanvas dc{{1000, 700}};
    TRect client{0, 0, 1000, 700};
    FakeToolWindow window;
};
