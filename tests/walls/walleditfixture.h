#pragma once
// Outlines built by the external-wall tool itself, as if typed, and one edit of a wall as the
// drawing window runs it: a fresh tool naming the wall and the edit, then its Setup.
#include "model/drawingedit.h"
#include "model/lineobj.h"
#include "platform/recordingcanvas.h"
#include "tests/walls/wallfixture.h"

#include <string>
#include <vector>

class WallEditTest : public WallTest {
public:
    struct TWallSpec {
        Line line;
        int angle;
        std::string settings;  // EXTWALLM.CFG while this wall is built; empty keeps the file
    };

    static constexpr const char* CAVITY = "110 55 110 25 2550 2400 2400 0 0 0\n";
    static constexpr const char* SOLID_230 = "230 0 0 25 2550 2400 2400 0 0 0\n";

    // Builds each wall in turn with a fresh tool (snapping, corner joins, commit); returns the
    // index of the first.
    int Build(const std::vector<TWallSpec>& walls)
    {
        const int first = objects().count();
        for (const TWallSpec& spec : walls) {
            if (!spec.settings.empty())
                WriteCfg("EXTWALLM.CFG", spec.settings);
            TExtwallobjtool builder;
            builder.kind = 1000;
            builder.x1 = spec.line[0];
            builder.y1 = spec.line[1];
            builder.x2 = spec.line[2];
            builder.y2 = spec.line[3];
            builder.lineAux1 = spec.angle;
            builder.groupId = std::abs(spec.line[2] - spec.line[0]) + std::abs(spec.line[3] - spec.line[1]);
            builder.objectIndex = DirectionCode(spec.angle);
            builder.CreateObject(dc, client);
        }
        return first;
    }

    // The clockwise 4000 x 3000 outline from (1000, 1000) to (5000, 4000): top, right, bottom, left,
    // each with its own wall type (the cavity wall unless given).
    int Outline(const char* top = CAVITY, const char* right = CAVITY, const char* bottom = CAVITY,
                const char* left = CAVITY)
    {
        return Build({{{1000, 4000, 5000, 4000}, 900, top},
                      {{5000, 4000, 5000, 1000}, 1800, right},
                      {{5000, 1000, 1000, 1000}, 2700, bottom},
                      {{1000, 1000, 1000, 4000}, 0, left}});
    }

    // One edit of the wall at index, as the drawing window runs it.
    TExtwallobjtool& Edit(int index, int step, int amount, int x, int y)
    {
        edit = std::make_unique<TExtwallobjtool>();
        edit->kind = 1000;
        edit->objectIndex = index;
        edit->step = step;
        edit->Setup(amount, x, y);
        return *edit;
    }

    // Appends a line object (a window's line, say), not written.
    int AddLine(int x1, int y1, int x2, int y2, int floor = GROUND_FLOOR)
    {
        auto line = std::make_unique<TLineobj>();
        line->floor = floor;
        line->x1 = x1;
        line->y1 = y1;
        line->x2 = x2;
        line->y2 = y2;
        objects().Add(std::move(line));
        return LastIndex();
    }

    std::string DumpAll()
    {
        std::string all;
        for (int i = 0; i < objects().count(); ++i)
            all += DumpObject(i, *objects()[i]) + "\n";
        return all;
    }
    std::string DrawingFile() { return ReadWholeFile(dir.path() / "DWGS" / "WALLS.DB0"); }
    // The list as the drawing file holds it.
    std::string FileDump()
    {
        FreshDrawingState reader;
        reader.state().programDirectory = dir.prefix();
        reader.state().drawingName = "WALLS";
        EXPECT_TRUE(reader.state().objects.ReadDrawing().ok);
        std::string all;
        for (int i = 0; i < reader.state().objects.count(); ++i)
            all += DumpObject(i, *reader.state().objects[i]) + "\n";
        return all;
    }

    static int DirectionCode(int angle)
    {
        switch (angle) {
        case 900:
            return 1;
        case 1800:
            return 2;
        case 2700:
            return 3;
        default:
            return 4;
        }
    }

    RecordingCanvas dc;
    TRect client{0, 0, 1000, 700};
    std::unique_ptr<TExtwallobjtool> edit;
};
