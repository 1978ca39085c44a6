// Numbers at the ends of the int32 range, as a drawing or settings file may hold them: the model
// keeps every result inside the range (held at its ends), never wraps it, and never writes a file
// it cannot read back.
#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/lineobj.h"
#include "model/planturn.h"
#include "model/polyobj.h"
#include "model/rndrectobj.h"
#include "model/roomobj.h"
#include "model/selectionlist.h"
#include "model/textobj.h"
#include "platform/recordingcanvas.h"
#include "tests/model/modelfixture.h"

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int32_t LOWEST = std::numeric_limits<int32_t>::min();
constexpr int32_t HIGHEST = std::numeric_limits<int32_t>::max();

using ExtremeValues = ModelTest;

}  // namespace

TEST_F(ExtremeValues, ADrawingTheFileCannotHoldExactlyIsNotWrittenAndTheFileStaysAsItWas)
{
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    // A file written with the sheet centre at (0, 0) holds a point near the lowest x; this program
    // writes with the metric centre (30000, 21000), which would take the stored value past the range.
    const std::string original = "1 0 0 0 1 0\n1\n1 50 0 0 -2147483000 0 10 0 0 0 0 0 0 1 0\n";
    WriteWholeFile(DwgFile(), original);
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), 1);
    EXPECT_EQ(objects()[0]->x1, -2147483000);

    EXPECT_FALSE(objects().WriteDrawing());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "The drawing file " + DwgFile() +
                              " could not be written: a line lies too far outside the sheet to be stored"
                              " exactly (x -2147483000), so the file is kept as it was");
    EXPECT_EQ(ReadWholeFile(DwgFile()), original);
    std::string reason;
    EXPECT_FALSE(objects().WriteDrawingTo(dir.prefix() + "DWGS/OTHER.DB0", reason));
    EXPECT_FALSE(std::filesystem::exists(dir.prefix() + "DWGS/OTHER.DB0"));

    // The last x and y the file can hold below the centre are written and read back exactly; one
    // unit further, in either axis, is not written.
    objects()[0]->x1 = LOWEST + 30000;
    objects()[0]->y2 = LOWEST + 21000;
    ASSERT_TRUE(objects().WriteDrawing());
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(objects()[0]->x1, LOWEST + 30000);
    EXPECT_EQ(objects()[0]->y2, LOWEST + 21000);
    EXPECT_TRUE(StorableInDrawingFile(LOWEST + 30000, LOWEST + 21000));
    EXPECT_FALSE(StorableInDrawingFile(LOWEST + 29999, 0));
    EXPECT_FALSE(StorableInDrawingFile(0, LOWEST + 20999));
    EXPECT_TRUE(StorableInDrawingFile(HIGHEST, HIGHEST));
    const std::string written = ReadWholeFile(DwgFile());
    objects()[0]->y2 = LOWEST + 20999;
    EXPECT_FALSE(objects().WriteDrawing());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find("(y -2147462649)"), std::string::npos) << reports[1];
    EXPECT_EQ(ReadWholeFile(DwgFile()), written);
}

TEST_F(ExtremeValues, ALibraryEntryThatCannotHoldItsObjectsExactlyIsNotWritten)
{
    // The selection's base point lies more than the int32 range away from the line's far end.
    auto* line = new TLineobj;
    line->x1 = 1000;
    line->x2 = HIGHEST;
    objects().Add(line);
    WriteWholeFile(Cfg("COPY.CFG"), "0 -1000 0\n");
    WriteWholeFile(Cfg("TEMP.CFG"), "1\n");
    std::string reason;
    EXPECT_FALSE(objects().SaveLibrarySymbol(1, "SINK", &reason));
    EXPECT_EQ(reason, "a line lies too far from the selection's base point to be stored exactly (x 2147483647),"
                      " so nothing was written");
    EXPECT_FALSE(std::filesystem::exists(Libs("SINK.PLM")));
    // Nearer, it is.
    line->x2 = HIGHEST - 1000;
    EXPECT_TRUE(objects().SaveLibrarySymbol(1, "SINK", &reason)) << reason;
}

TEST_F(ExtremeValues, RotatingTurnsAnglesFromTheRangesEndsIntoAWholeTurn)
{
    auto* wall = new TExtwallobj;
    wall->angle = HIGHEST;
    objects().Add(wall);
    auto* text = new TTextobj(34);
    text->escapement = LOWEST;
    text->x2 = HIGHEST;  // the direction code of what it measures
    objects().Add(text);

    ASSERT_TRUE(objects().RotateOrMirrorDrawing(90));
    EXPECT_EQ(wall->angle, 1747);  // (2147483647 + 900) mod 3600
    EXPECT_EQ(text->x2, 1747);

    text->escapement = LOWEST;
    wall->angle = LOWEST;
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(1));
    EXPECT_EQ(text->escapement, 848);  // (3600 + 2147483648) mod 3600
    EXPECT_EQ(wall->angle, 2648);      // 848, turned round by 1800 to keep its lines inside
}

TEST_F(ExtremeValues, RotatingLeavesADrawingAsItWasWhenAPointWouldLeaveWhatTheFileHolds)
{
    auto* line = new TLineobj;
    line->x1 = LOWEST + 60000;
    line->y1 = 21000;
    line->x2 = 31000;
    line->y2 = LOWEST + 42001;
    objects().Add(line);
    auto* other = new TLineobj;
    other->x1 = 31000;
    objects().Add(other);

    // Mirrored about x = 30000, the far left point would land one beyond the far right.
    EXPECT_FALSE(objects().RotateOrMirrorDrawing(1));
    EXPECT_EQ(line->x1, LOWEST + 60000);
    EXPECT_EQ(other->x1, 31000);
    // One unit nearer, it lands on the far right exactly and mirrors back to where it was.
    line->x1 = LOWEST + 60001;
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(1));
    EXPECT_EQ(line->x1, HIGHEST);
    EXPECT_EQ(other->x1, 29000);
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(1));
    EXPECT_EQ(line->x1, LOWEST + 60001);
    // A half turn about (30000, 21000) takes the lowest y that has a place after it to the top.
    ASSERT_TRUE(objects().RotateOrMirrorDrawing(180));
    EXPECT_EQ(line->y2, HIGHEST);
    EXPECT_EQ(line->y1, 21000);
    EXPECT_EQ(line->x2, 29000);
    // Three quarters turn a low y to a high x, beyond the range from 51000 above its bottom; a
    // quarter turn takes even the lowest y the file holds to an x it holds.
    EXPECT_TRUE(TurnsExactly(30000, LOWEST + 51001, 270, {30000, 21000}));
    EXPECT_FALSE(TurnsExactly(30000, LOWEST + 51000, 270, {30000, 21000}));
    EXPECT_TRUE(TurnsExactly(30000, LOWEST + 21000, 90, {30000, 21000}));
}

TEST_F(ExtremeValues, AWallThickerThanTheRangeIsStillFoundWithinItsThickness)
{
    state().unitsPerLogical = 5;
    auto* wall = new TExtwallobj;
    wall->floor = state().currentFloor;
    wall->x2 = 0;
    wall->y2 = 1000;
    wall->spacing1 = 1000000000;
    wall->spacing2 = 1000000000;
    wall->spacing3 = 1000000000;  // 3,000,000,000 in all
    objects().Add(wall);
    EXPECT_EQ(objects().FindObjectAt(1, 500000000, 100), 0);  // 2,500,000,000 away
    EXPECT_EQ(objects().FindObjectAt(1, 700000000, 100), std::nullopt);
}

TEST_F(ExtremeValues, APlanTitleBetweenFarApartWallsStandsInTheirMiddle)
{
    WriteWholeFile(Cfg("TITLE2D.CFG"), "12 0 0GROUND FLOOR\n");
    WriteWholeFile(Cfg("MOFFSET.CFG"), "600 600 2000000000 2700 10 9 10");
    state().currentFloor = GROUND_FLOOR;
    auto* wall = new TExtwallobj;
    wall->floor = GROUND_FLOOR;
    wall->x1 = -2147453000;
    wall->x2 = 2147483000;
    wall->y1 = 7000;
    wall->y2 = 7000;
    objects().Add(wall);
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };

    TDrawingEdit edit(objects());
    objects().MakeDrawingTitles(edit);
    ASSERT_EQ(objects().count(), 2);
    EXPECT_EQ(objects()[1]->x1, 15000);
    EXPECT_EQ(objects()[1]->y1, LOWEST);  // 4,000,000,000 below the wall
    edit.Commit();
    // The file cannot hold a point that far below the sheet centre: nothing is written, the user
    // is told what could not be stored, and the list holds what the file holds (no file: nothing).
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("a plan title lies too far outside the sheet"), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("; the change is not saved"), std::string::npos) << reports[0];
    EXPECT_FALSE(std::filesystem::exists(DwgFile()));
    EXPECT_EQ(objects().count(), 0);
}

TEST_F(ExtremeValues, CountsAtTheTopOfTheRange)
{
    // A library count far beyond its index counts the entries the index holds, and one more.
    state().unitSystem = 1;
    WriteWholeFile(Cfg("LIM.CFG"), "0 0 2147483647 0");
    WriteWholeFile(Cfg("FURM.CFG"), "5 CHAIR\n");
    EXPECT_TRUE(objects().RegisterLibraryFile(3, "BED"));
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "0 0 2 0");
    EXPECT_EQ(ReadWholeFile(Cfg("FURM.CFG")), "5 CHAIR\n3 BED\n");

    WriteWholeFile(Cfg("TEMP.CFG"), "2147483647\n");
    WriteWholeFile(Cfg("COPY.CFG"), "1 0 0\n");
    EXPECT_FALSE(AppendCopyRecord(2, 0, 0));
    EXPECT_EQ(ReadWholeFile(Cfg("TEMP.CFG")), "2147483647\n");
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "1 0 0\n");
}

TEST_F(ExtremeValues, FontHeightsBeyondTheRangeAreHeldAtItsEnd)
{
    TTextobj text;
    text.fontHeight = 1000000000;
    EXPECT_EQ(text.MakeFont(5).height, HIGHEST);
    text.fontHeight = -1000000000;
    EXPECT_EQ(text.MakeFont(5).height, LOWEST);

    TRoomobj room;
    room.textPointSize = 1000000000;
    room.SetRoomName("HALL");
    RecordingCanvas canvas;
    room.DrawScaled(canvas, 5);
    const auto texts = canvas.RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.height, HIGHEST);
}

TEST_F(ExtremeValues, ARoomSpanningTheRangeIsLabelledInItsMiddle)
{
    TRoomobj room;
    room.x1 = -2147483000;
    room.y1 = 2147483000;
    room.x2 = 2147483000;
    room.y2 = -2147483000;
    room.SetRoomName("HALL");
    RecordingCanvas canvas;
    room.DrawScaled(canvas, 1);
    const auto texts = canvas.RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].points.at(0), (TPoint{0, 0}));
}

TEST_F(ExtremeValues, AHugeSheetGivesACentreHeldInTheRangeAndDrawingsStillReadBack)
{
    WriteWholeFile(Cfg("DWGSIZEM.CFG"), "2000000000 1000000000\n");
    EXPECT_EQ(DrawingFileCentre(1), (TPoint{HIGHEST, HIGHEST}));  // 5,000,000,000 and 2,500,000,000

    auto* line = new TLineobj;
    line->x2 = 1000;
    line->y2 = 1000;
    objects().Add(line);
    ASSERT_TRUE(objects().WriteDrawing());
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), 1);
    EXPECT_EQ(objects()[0]->x2, 1000);
    EXPECT_EQ(objects()[0]->y2, 1000);
}

TEST_F(ExtremeValues, AHugeCornerRoundingIsHeldAtTheRangesEnd)
{
    TRndrectobj rectangle;
    rectangle.x2 = 100;
    rectangle.y2 = 100;
    rectangle.cornerRounding = HIGHEST;
    RecordingCanvas canvas;
    rectangle.DrawScaled(canvas, 1);
    const auto boxes = canvas.RecordsOf(TCanvasRecord::RoundRect);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].corner, (TPoint{HIGHEST, HIGHEST}));
}

TEST(PolygonArrays, CopyingVerticesClearsTheRestAndKeepsToSixteen)
{
    TPolyobj polygon(100);
    polygon.vertexX.fill(7);
    const int32_t source[20] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    CopyVertexArray(polygon, source, 3, polygon.vertexX);
    EXPECT_EQ(polygon.vertexX, (std::array<int32_t, 16>{1, 2, 3}));
    CopyVertexArray(polygon, source, 40, polygon.vertexY);
    EXPECT_EQ(polygon.vertexY[15], 16);
    CopyVertexArray(polygon, source, -2, polygon.vertexZ);
    EXPECT_EQ(polygon.vertexZ, (std::array<int32_t, 16>{}));
    CopyFourInts(polygon, source + 4, polygon.polyAux);
    EXPECT_EQ(polygon.polyAux, (std::array<int32_t, 4>{5, 6, 7, 8}));
}
