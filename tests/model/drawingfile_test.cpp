#include "model/arcobj.h"
#include "model/arrowobj.h"
#include "model/circleobj.h"
#include "model/drawingedit.h"
#include "model/drawingfile.h"
#include "model/ellipseobj.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/openingobj.h"
#include "model/piecework.h"
#include "model/polyobj.h"
#include "model/rectangleobj.h"
#include "model/rndrectobj.h"
#include "model/roomobj.h"
#include "model/settingsfile.h"
#include "model/textfile.h"
#include "model/textobj.h"
#include "model/typecodes.h"
#include "tests/model/modelfixture.h"

#include <filesystem>
#include <functional>
#include <limits>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

std::string Record(const TObject& object, int32_t originX, int32_t originY)
{
    std::string out;
    AppendObjectRecord(out, object, originX, originY);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Objects with every field set to a value of its own.

struct Counter {
    int32_t next = 100;
    int32_t operator()() { return next += 7; }
};

void FillBase(TObject& o, Counter& v, int floorCode)
{
    o.floor = floorCode;
    o.ownerId = v();
    o.groupId = v();
    o.penWidth = 2;
    o.penStyle = 3;
    o.x1 = v();
    o.z1 = v();
    o.x2 = -v();
    o.z2 = v();
    o.y1 = v();
    o.y2 = -v();
    o.colour = v();
}

template <std::size_t N>
void FillArray(std::array<int32_t, N>& values, Counter& v)
{
    for (int32_t& value : values)
        value = v();
}

std::unique_ptr<TObject> FullObject(int typeCode, int floorCode, Counter& v)
{
    std::unique_ptr<TObject> object = MakeObjectForType(typeCode);
    FillBase(*object, v, floorCode);
    if (auto* line = dynamic_cast<TLineobj*>(object.get())) {
        line->lineAux1 = v();
        line->lineAux2 = v();
    } else if (auto* arc = dynamic_cast<TArcobj*>(object.get())) {
        arc->arcStartX = v();
        arc->arcStartY = v();
        arc->arcEndX = v();
        arc->arcEndY = v();
    } else if (auto* text = dynamic_cast<TTextobj*>(object.get())) {
        text->SetText("Room \"A\" \\ 4000 x 3000 ");
        text->SetFaceName("Times New Roman");
        text->escapement = 2700;
        text->alignment = 6;
        text->fontWeight = 700;
        text->fontHeight = 12;
    } else if (auto* polygon = dynamic_cast<TPolyobj*>(object.get())) {
        FillArray(polygon->vertexX, v);
        FillArray(polygon->vertexY, v);
        FillArray(polygon->vertexZ, v);
        FillArray(polygon->polyAux, v);
        polygon->vertexCount = 5;
        polygon->polyParam1 = v();
        polygon->polyParam2 = v();
        polygon->polyParam3 = v();
        polygon->polyParam4 = v();
        polygon->polyParam5 = v();
        polygon->fillColour = v();
        if (auto* opening = dynamic_cast<TOpeningobj*>(polygon)) {
            opening->openingParam1 = v();
            opening->openingParam2 = v();
        }
    } else if (auto* arrow = dynamic_cast<TArrowobj*>(object.get())) {
        FillArray(arrow->barb1, v);
        FillArray(arrow->barb2, v);
        FillArray(arrow->tickA, v);
        FillArray(arrow->tickB, v);
    } else if (auto* rounded = dynamic_cast<TRndrectobj*>(object.get())) {
        rounded->cornerRounding = v();
    } else if (auto* info = dynamic_cast<TInfoobj*>(object.get())) {
        info->infoValue = v();
    } else if (auto* room = dynamic_cast<TRoomobj*>(object.get())) {
        room->roomWidth = v();
        room->roomLength = v();
        room->sizeDisplay = 2;
        room->textPointSize = 10;
        room->fillColour = v();
        room->SetRoomName("MASTER BEDROOM");
        room->SetSizeText1("13' 1 1/2''");
        room->SetSizeText2("  4000");
    } else if (auto* inner = dynamic_cast<TIntwallobj*>(object.get())) {
        inner->wallWidth = v();
        FillArray(inner->wallParams, v);
        inner->angle = 900;
        inner->wallFlag = 1;
        inner->face2StartX = v();
        inner->face2Aux = v();
        inner->face2StartY = v();
        inner->face2EndX = v();
        inner->face2EndY = v();
        FillArray(inner->joinData, v);
        inner->wallColour1 = v();
        inner->wallColour2 = v();
    } else if (auto* outer = dynamic_cast<TExtwallobj*>(object.get())) {
        outer->spacing1 = v();
        outer->spacing2 = v();
        outer->spacing3 = v();
        outer->wallAux1 = v();
        outer->wallAux2 = v();
        outer->angle = 1800;
        outer->wallFlag = 1;
        FillArray(outer->wallLines, v);
        outer->wallColour1 = v();
        outer->wallColour2 = v();
        FillArray(outer->joinInfo, v);
    }
    return object;
}

// What a full object reads back as: the fields its record does not keep are the defaults.
std::unique_ptr<TObject> AsStored(const TObject& full)
{
    std::unique_ptr<TObject> stored = full.Clone();
    const int type = stored->typeCode;
    auto unstoredPen = [&] {
        stored->penWidth = 1;
        stored->penStyle = 0;
    };
    if (IsArrowType(type)) {
        stored->z1 = stored->z2 = 0;
        unstoredPen();
    } else if (IsPolygonType(type) || type == TYPE_OPENING) {
        stored->x1 = stored->z1 = stored->x2 = stored->z2 = stored->y1 = stored->y2 = 0;
        unstoredPen();
        auto& polygon = static_cast<TPolyobj&>(*stored);
        for (std::size_t i = std::size_t(polygon.vertexCount); i < 16; ++i)
            polygon.vertexX[i] = polygon.vertexY[i] = polygon.vertexZ[i] = 0;
    } else if (IsTextType(type)) {
        stored->z2 = 0;
        unstoredPen();
    } else if (type == TYPE_DESIGN_ROOM) {
        stored->z1 = stored->z2 = stored->colour = 0;
    }
    return stored;
}

// Every family, several type codes each, on all three floors.
const int ALL_TYPES[] = {32000, 32001, 32002, 32003, 1, 2, 11, 25, 31, 41, 60, 99, 27001, 27004, 3, 4, 24, 34,
                         35, 36, 37, 5, 6, 7, 8, 100, 200, 2000, 24999, 27000, 1000, 1500, 25000, 26000,
                         28000, 29000};

}  // namespace

// ---------------------------------------------------------------------------------------------

TEST(TypeCodes, EveryFamilyMakesItsClass)
{
    const std::pair<int, const char*> expected[] = {
        {1, "TLineobj"},       {2, "TLineobj"},      {25, "TLineobj"},      {31, "TLineobj"},
        {41, "TLineobj"},      {99, "TLineobj"},     {27001, "TLineobj"},   {27004, "TLineobj"},
        {3, "TArcobj"},        {4, "TTextobj"},      {24, "TTextobj"},      {34, "TTextobj"},
        {37, "TTextobj"},      {5, "TEllipseobj"},   {6, "TCircleobj"},     {7, "TRectangleobj"},
        {8, "TRndrectobj"},    {100, "TPolyobj"},    {999, "TPolyobj"},     {1001, "TPolyobj"},
        {24999, "TPolyobj"},   {27000, "TPolyobj"},  {1000, "TExtwallobj"}, {1500, "TIntwallobj"},
        {25000, "TArrowobj"},  {26000, "TArrowobj"}, {28000, "TOpeningobj"}, {29000, "TRoomobj"},
        {32000, "TInfoobj"},   {32003, "TInfoobj"},
    };
    for (const auto& [type, name] : expected) {
        std::unique_ptr<TObject> object = MakeObjectForType(type);
        ASSERT_NE(object, nullptr) << type;
        EXPECT_STREQ(object->ClassName(), name) << type;
        EXPECT_EQ(object->typeCode, type);
        EXPECT_EQ(object->penWidth, 1);
        EXPECT_EQ(object->penStyle, 0);
    }
    for (int type : {0, 9, 10, 12, 23, 33, 38, 40, 25001, 26500, 27005, 28001, 30000, 31999, 32004, -1})
        EXPECT_EQ(MakeObjectForType(type), nullptr) << type;
}

TEST(DumpObject, WritesEveryFieldInDeclarationOrder)
{
    TInfoobj info(32000);
    info.floor = 50;
    info.z2 = 2550;
    EXPECT_EQ(DumpObject(0, info), "0 TInfoobj floor=50 ownerId=0 groupId=0 typeCode=32000 penWidth=1 penStyle=0 "
                                   "x1=0 z1=0 x2=0 z2=2550 y1=0 y2=0 colour=0 infoValue=0");

    TTextobj text(35);
    text.SetText("say \"hi\" \\o/");
    text.SetFaceName("Arial");
    EXPECT_EQ(DumpObject(3, text), "3 TTextobj floor=0 ownerId=0 groupId=0 typeCode=35 penWidth=1 penStyle=0 x1=0 "
                                   "z1=0 x2=0 z2=0 y1=0 y2=0 colour=0 text=\"say \\\"hi\\\" \\\\o/\" "
                                   "faceName=\"Arial\" textLength=12 faceLength=5 escapement=0 alignment=0 "
                                   "fontWeight=0 fontHeight=0");

    TArrowobj arrow;
    arrow.barb1 = {1, 2};
    const std::string dump = DumpObject(1, arrow);
    EXPECT_NE(dump.find(" colour=0 barb1=1,2 barb2=0,0 tickA=0,0 tickB=0,0"), std::string::npos) << dump;

    TExtwallobj wall;
    const std::string wallDump = DumpObject(2, wall);
    EXPECT_NE(wallDump.find(" wallFlag=0 wallLines=0,0,0,0,0,0,0,0,0,0,0,0 wallColour1=0 wallColour2=0 "
                            "joinInfo=0,0,0,0"),
              std::string::npos)
        << wallDump;
}

TEST(TextLimits, TextsAreCutToTheirFieldsWhereTheyEnter)
{
    TTextobj text;
    text.SetText(std::string(100, 'a'));
    text.SetFaceName(std::string(40, 'f'));
    EXPECT_EQ(text.text.size(), 80u);
    EXPECT_EQ(text.textLength, 80);
    EXPECT_EQ(text.faceLength, 32);
    TRoomobj room;
    room.SetRoomName(std::string(30, 'n'));
    room.SetSizeText1(std::string(30, '1'));
    EXPECT_EQ(room.nameLength, 21);
    EXPECT_EQ(room.sizeText1Length, 17);
}

// The layouts of the paste buffer, written by hand from its table, relative to the base point
// (2000, 3000).
TEST(RecordFormat, RecordsMatchThePasteBufferLayouts)
{
    TLineobj line(1);
    line.floor = 50;
    line.ownerId = 7;
    line.groupId = 8;
    line.x1 = 1000;
    line.z1 = 100;
    line.x2 = 3000;
    line.z2 = 2400;
    line.y1 = 2000;
    line.y2 = 2000;
    line.lineAux1 = 900;
    line.lineAux2 = 3;
    line.colour = 255;
    line.penWidth = 2;
    line.penStyle = 1;
    EXPECT_EQ(Record(line, 2000, 3000), "1\n1 50 7 8 -1000 100 1000 2400 -1000 -1000 3 900 255 2 1\n");
    line.typeCode = 31;
    EXPECT_EQ(Record(line, 2000, 3000), "31\n31 50 7 8 -1000 100 1000 2400 -1000 -1000 3 900 255 2 1\n");

    TArrowobj arrow(25000);
    arrow.floor = 51;
    arrow.groupId = 12;
    arrow.z1 = 5;  // not in the record
    arrow.x1 = 2100;
    arrow.y1 = 3200;
    arrow.x2 = 4100;
    arrow.y2 = 3200;
    arrow.barb1 = {2200, 3250};
    arrow.barb2 = {2200, 3150};
    arrow.tickA = {2100, 3300};
    arrow.tickB = {2100, 3100};
    arrow.colour = 16711680;
    EXPECT_EQ(Record(arrow, 2000, 3000),
              "25000\n25000 51 0 12 100 200 2100 200 200 250 200 150 100 300 100 100 16711680\n");

    TOpeningobj opening;
    opening.floor = 50;
    opening.ownerId = 3;
    opening.groupId = 4;
    opening.polyParam1 = 11;
    opening.polyParam2 = 12;
    opening.polyParam3 = 13;
    opening.polyParam4 = 14;
    opening.polyParam5 = 15;
    opening.vertexCount = 2;
    opening.vertexX = {2500, 2600};
    opening.vertexY = {3500, 3400};
    opening.vertexZ = {2100, 2200};
    opening.polyAux = {1, 2, 3, 4};
    opening.fillColour = 16777215;
    opening.openingParam1 = 21;
    opening.openingParam2 = 22;
    EXPECT_EQ(Record(opening, 2000, 3000),
              "28000\n28000 50 3 4 11 13 14 15 2 12 16777215 0 21 22\n500 2100 500\n600 2200 400\n1\n2\n3\n4\n");

    TTextobj text(35);
    text.floor = 50;
    text.groupId = 9;
    text.x1 = 2500;
    text.y1 = 3100;
    text.x2 = 900;  // a direction code: stored as it is
    text.y2 = 5;
    text.SetText("4000");
    text.SetFaceName("Arial");
    text.escapement = 2700;
    text.alignment = 6;
    text.fontHeight = 10;
    text.fontWeight = 400;
    EXPECT_EQ(Record(text, 2000, 3000), "35\n35 50 0 9 500 100 900 5 0 0 4 2700 6 5 10 400 Arial4000\n");

    TArcobj arc;
    arc.floor = 52;
    arc.ownerId = 1;
    arc.groupId = 2;
    arc.x1 = 1000;
    arc.z1 = 10;
    arc.y1 = 2000;
    arc.x2 = 3000;
    arc.z2 = 20;
    arc.y2 = 4000;
    arc.arcStartX = 1000;
    arc.arcStartY = 3000;
    arc.arcEndX = 2000;
    arc.arcEndY = 4000;
    arc.colour = 65280;
    EXPECT_EQ(Record(arc, 2000, 3000), "3\n3 52 1 2 -1000 10 -1000 1000 20 1000 -1000 0 0 1000 65280 1 0\n");

    TRectangleobj rectangle;
    rectangle.floor = 50;
    rectangle.ownerId = 5;
    rectangle.groupId = 6;
    rectangle.x2 = 4000;
    rectangle.y2 = 6000;
    rectangle.penWidth = 2;
    rectangle.penStyle = 3;
    EXPECT_EQ(Record(rectangle, 2000, 3000), "7\n7 50 5 6 -2000 0 2000 0 -3000 3000 0 2 3\n");
    TEllipseobj ellipse;
    ellipse.x1 = 2000;
    ellipse.y1 = 3000;
    ellipse.z2 = 7;
    ellipse.colour = 1;
    EXPECT_EQ(Record(ellipse, 2000, 3000), "5\n5 0 0 0 0 0 -2000 7 0 -3000 1 1 0\n");
    TCircleobj circle;
    circle.floor = 51;
    EXPECT_EQ(Record(circle, 0, 0), "6\n6 51 0 0 0 0 0 0 0 0 0 1 0\n");

    TRndrectobj rounded;
    rounded.floor = 50;
    rounded.ownerId = 5;
    rounded.groupId = 6;
    rounded.x2 = 4000;
    rounded.y2 = 6000;
    rounded.cornerRounding = 250;
    EXPECT_EQ(Record(rounded, 2000, 3000), "8\n8 50 5 6 -2000 0 2000 0 -3000 3000 250 0 1 0\n");

    TPolyobj polygon(100);
    polygon.floor = 50;
    polygon.ownerId = 3;
    polygon.groupId = 4;
    polygon.vertexCount = 4;
    polygon.vertexX = {2000, 2900, 2900, 2000};
    polygon.vertexY = {3000, 3000, 3100, 3100};
    polygon.vertexZ = {2100, 2100, 2100, 2100};
    polygon.fillColour = 16777215;
    polygon.x1 = 99;  // not in the record
    EXPECT_EQ(Record(polygon, 2000, 3000), "100\n100 50 3 4 0 0 0 0 4 0 16777215 0\n"
                                           "0 2100 0\n900 2100 0\n900 2100 100\n0 2100 100\n0\n0\n0\n0\n");
}

TEST(RecordFormat, CountedTextsAlwaysMatchTheirCounts)
{
    // A length that disagrees with the text in memory still writes a record that reads back.
    TTextobj text(4);
    text.text = "ab";
    text.textLength = 4;
    text.faceName = "Arial Narrow";
    text.faceLength = 5;
    EXPECT_EQ(Record(text, 0, 0), "4\n4 0 0 0 0 0 0 0 0 0 4 0 0 5 0 0 Arialab  \n");
}

// ---------------------------------------------------------------------------------------------

using DrawingFile = ModelTest;

TEST_F(DrawingFile, RoundTripKeepsEveryStoredFieldAndIsByteIdentical)
{
    Counter v;
    std::vector<std::unique_ptr<TObject>> expected;
    for (int floorCode : {50, 51, 52}) {
        for (int type : ALL_TYPES) {
            std::unique_ptr<TObject> object = FullObject(type, floorCode, v);
            expected.push_back(AsStored(*object));
            objects().Add(std::move(object));
        }
    }
    state().groupIdCounter = 321;
    ASSERT_TRUE(objects().WriteDrawing());
    const std::string first = ReadWholeFile(DwgFile());
    EXPECT_EQ(first.substr(0, first.find('\n') + 1), std::to_string(expected.size()) + " 30000 21000 0 1 321\n");

    state().groupIdCounter = 0;
    const TLoadResult loaded = objects().ReadDrawing();
    ASSERT_TRUE(loaded.ok) << loaded.message;
    ASSERT_EQ(objects().count(), int(expected.size()));
    for (int i = 0; i < objects().count(); ++i)
        EXPECT_EQ(DumpObject(i, *objects()[i]), DumpObject(i, *expected[std::size_t(i)]));
    EXPECT_EQ(state().groupIdCounter, 321);
    EXPECT_EQ(state().unitSystem, 1);
    EXPECT_EQ(state().drawingState, 2);

    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(DwgFile()), first);
}

// A long drawing is formatted in pieces (runs of a few thousand objects, on several threads): the
// file is the header and every object's record in list order, as each alone is written, and an
// object the file cannot hold is named first in list order, whichever piece it falls in.
TEST_F(DrawingFile, ALongDrawingIsWrittenInListOrderAcrossItsPieces)
{
    Counter v;
    constexpr int COUNT = 30011;
    std::string expected = std::to_string(COUNT) + " 30000 21000 0 1 0\n";
    for (int i = 0; i < COUNT; ++i) {
        std::unique_ptr<TObject> object = FullObject(ALL_TYPES[i % std::size(ALL_TYPES)], 50 + i % 3, v);
        expected += Record(*object, 30000, 21000);
        objects().Add(std::move(object));
    }
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_TRUE(ReadWholeFile(DwgFile()) == expected);
    // Written again over itself, a file this large is let go after the write returns.
    ASSERT_GT(expected.size(), std::size_t(1) << 20);
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_TRUE(ReadWholeFile(DwgFile()) == expected);
    std::string formatted;
    ASSERT_TRUE(FormatDrawing(objects(), {0, 30000, 21000, 0, 1, 0}, formatted));
    EXPECT_TRUE(formatted == expected);

    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    objects()[COUNT - 5]->x1 = std::numeric_limits<int32_t>::min() + 5;
    objects()[12345]->y1 = std::numeric_limits<int32_t>::min() + 7;
    EXPECT_FALSE(objects().WriteDrawing());
    objects()[12345]->y1 = 0;
    EXPECT_FALSE(objects().WriteDrawing());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("(y -2147483641)"), std::string::npos) << reports[0];
    EXPECT_NE(reports[1].find("(x -2147483643)"), std::string::npos) << reports[1];
    EXPECT_TRUE(ReadWholeFile(DwgFile()) == expected);
    // The pieces before the refused one were written already: the temporary file is gone too.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "DWGS"))
        EXPECT_EQ(entry.path().filename(), "SMITH.DB0");
    // A write failure armed before a refused drawing strikes the next real write.
    FailNextWrites(1, WriteStage::Write);
    EXPECT_FALSE(objects().WriteDrawing());
    objects()[COUNT - 5]->x1 = 0;
    EXPECT_FALSE(objects().WriteDrawing());
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_NE(reports[3].find(std::strerror(ENOSPC)), std::string::npos) << reports[3];
    EXPECT_TRUE(ReadWholeFile(DwgFile()) == expected);
    EXPECT_TRUE(objects().WriteDrawing());
}

// What the hand-over of a finished piece throws goes on to the caller once every piece started has
// ended; no later piece is handed over.
TEST(PieceWork, WhatTheHandOverThrowsGoesOnOnceThePiecesHaveEnded)
{
    std::atomic<int> ran{0};
    std::vector<int> handed;
    auto run = [&] {
        return PieceWork::RunInOrder(
            64, [&](int) { ++ran; },
            [&](int piece) {
                if (piece == 3)
                    throw std::runtime_error("piece 3");
                handed.push_back(piece);
                return true;
            });
    };
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_EQ(handed, (std::vector<int>{0, 1, 2}));
    EXPECT_GE(ran.load(), 4);
}

TEST_F(DrawingFile, CoordinatesAreStoredRelativeToTheSheetCentre)
{
    auto line = std::make_unique<TLineobj>(1);
    line->x1 = 30000;
    line->y1 = 21000;
    line->x2 = 31000;
    line->y2 = 20000;
    line->z1 = 77;
    objects().Add(std::move(line));
    auto text = std::make_unique<TTextobj>(34);
    text->x1 = 30500;
    text->y1 = 21500;
    text->x2 = 2700;
    text->y2 = 250;
    objects().Add(std::move(text));
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(DwgFile()), "2 30000 21000 0 1 0\n"
                                            "1\n1 0 0 0 0 77 1000 0 0 -1000 0 0 0 1 0\n"
                                            "34\n34 0 0 0 500 500 2700 250 0 0 0 0 0 0 0 0 \n");
}

TEST_F(DrawingFile, ZoomPrintingAndLaterSheetSettingsDoNotMoveTheDrawing)
{
    auto line = std::make_unique<TLineobj>(1);
    line->x1 = 12345;
    line->y1 = 6789;
    line->x2 = -500;
    line->y2 = 98765;
    objects().Add(std::move(line));

    // Zoomed and printing: the file still uses the sheet centre at the scale of a new drawing.
    state().unitsPerLogical = 17;
    state().unitsPerLogicalF = 17.0;
    state().viewOrgX = 333;
    state().viewExtX = 4000;
    state().sheetWidth = 1;
    state().sheetHeight = 1;
    state().printLineFactor = 4;
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(DwgFile()).substr(0, 20), "1 30000 21000 0 1 0\n");

    // The sheet size settings change afterwards: the stored centre still places the objects.
    WriteWholeFile(Cfg("DWGSIZEM.CFG"), "20000 10000\n");
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), 1);
    EXPECT_EQ(objects()[0]->x1, 12345);
    EXPECT_EQ(objects()[0]->y1, 6789);
    EXPECT_EQ(objects()[0]->x2, -500);
    EXPECT_EQ(objects()[0]->y2, 98765);

    // Written again, the new sheet centre goes with the file.
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(DwgFile()).substr(0, 20), "1 50000 25000 0 1 0\n");
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(objects()[0]->x1, 12345);
}

TEST_F(DrawingFile, AnImperialDrawingUsesTheImperialSheetAndKeepsItsUnits)
{
    state().unitSystem = 0;
    objects().Add(std::make_unique<TCircleobj>());
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(DwgFile()).substr(0, 20), "1 34560 23040 0 0 0\n");
    state().unitSystem = 1;
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(state().unitSystem, 0);
    ASSERT_EQ(objects().count(), 1);
    EXPECT_EQ(objects()[0]->x1, 0);
}

TEST_F(DrawingFile, ReadingNeverTurnsTheGroupCounterBack)
{
    objects().Add(std::make_unique<TLineobj>());
    state().groupIdCounter = 9;
    ASSERT_TRUE(objects().WriteDrawing());
    state().groupIdCounter = 20;
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(state().groupIdCounter, 20);
    state().groupIdCounter = 3;
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(state().groupIdCounter, 9);
}

TEST_F(DrawingFile, WriteSetsTheDrawingStateOnlyWhenThereAreObjects)
{
    state().drawingState = 1;
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(state().drawingState, 1);
    EXPECT_EQ(ReadWholeFile(DwgFile()), "0 30000 21000 0 1 0\n");
    objects().Add(std::make_unique<TLineobj>());
    ASSERT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(state().drawingState, 2);
}

TEST_F(DrawingFile, WriteReplacesTheFileWholeAndLeavesNoTemporaryFile)
{
    objects().Add(std::make_unique<TLineobj>());
    ASSERT_TRUE(objects().WriteDrawing());
    objects().Add(std::make_unique<TLineobj>());
    ASSERT_TRUE(objects().WriteDrawing());
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "DWGS")) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "SMITH.DB0");
    }
    EXPECT_EQ(files, 1);
    EXPECT_EQ(ReadWholeFile(DwgFile()).substr(0, 2), "2 ");

    // No drawing name, or nowhere to write: refused, reported.
    state().drawingName.clear();
    EXPECT_FALSE(objects().WriteDrawing());
    state().drawingName = "SMITH";
    std::filesystem::remove_all(dir.path() / "DWGS");
    EXPECT_FALSE(objects().WriteDrawing());
}

TEST_F(DrawingFile, AMissingFileLoadsNothingAndDoesNotBlockANewFile)
{
    objects().Add(std::make_unique<TLineobj>());
    const TLoadResult result = objects().ReadDrawing();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.opened);
    EXPECT_NE(result.message.find("SMITH.DB0"), std::string::npos);
    EXPECT_EQ(objects().count(), 0);
    EXPECT_FALSE(objects().LoadFailed());
    EXPECT_TRUE(objects().WriteDrawing());
}

namespace {

struct BadFile {
    const char* what;
    std::string text;
    int line;
    const char* reason;
};

const std::string GOOD_LINE = "1\n1 50 0 0 0 0 10 0 0 0 0 0 0 1 0\n";

std::vector<BadFile> BadFiles()
{
    return {
        {"unknown type code", "2 30000 21000 0 1 0\n" + GOOD_LINE + "9\n9 50 0 0 0 0 0 0 0 0 0 0 0 1 0\n", 4,
         "unknown type code 9"},
        {"short record", "2 30000 21000 0 1 0\n" + GOOD_LINE + "1\n1 50 0 0 0 0 10 0 0 0 0 0 0 1\n", 5, "short"},
        {"non-numeric record", "1 30000 21000 0 1 0\n1\n1 50 0 0 0 0 1O 0 0 0 0 0 0 1 0\n", 3, "number"},
        {"overlong record", "1 30000 21000 0 1 0\n1\n1 50 0 0 0 0 10 0 0 0 0 0 0 1 0 9\n", 3, "more fields"},
        {"too many vertices", "1 30000 21000 0 1 0\n100\n100 50 0 0 0 0 0 0 17 0 0 0\n", 3, "vertexCount 17"},
        {"negative vertices", "1 30000 21000 0 1 0\n200\n200 50 0 0 0 0 0 0 -1 0 0 0\n", 3, "vertexCount -1"},
        {"text longer than its field",
         "1 30000 21000 0 1 0\n4\n4 50 0 0 0 0 0 0 0 0 81 0 1 5 10 400 Arial" + std::string(81, 'x') + "\n", 3,
         "longer than its field"},
        {"face name longer than its field",
         "1 30000 21000 0 1 0\n4\n4 50 0 0 0 0 0 0 0 0 1 0 1 33 10 400 " + std::string(34, 'F') + "\n", 3,
         "face name"},
        {"room name longer than its field",
         "1 30000 21000 0 1 0\n29000\n29000 50 0 0 1 0 0 0 0 0 0 0 22 0 0 0 10 0 " + std::string(22, 'r') + "\n",
         3, "room name"},
        {"type code line and record disagree", "1 30000 21000 0 1 0\n1\n11 50 0 0 0 0 10 0 0 0 0 0 0 1 0\n", 3,
         "differs"},
        {"fewer objects than the header says", "3 30000 21000 0 1 0\n" + GOOD_LINE + GOOD_LINE, 6, "ends after 2"},
        {"more text than the header says", "1 30000 21000 0 1 0\n" + GOOD_LINE + GOOD_LINE, 4, "more text"},
        {"bad header", "1 30000 21000 1 0\n" + GOOD_LINE, 1, "header"},
        {"bad unit system", "1 30000 21000 0 7 0\n" + GOOD_LINE, 1, "unit system"},
        {"number out of range", "1 30000 21000 0 1 0\n1\n1 50 0 0 0 0 99999999999 0 0 0 0 0 0 1 0\n", 3, "range"},
        {"coordinate out of range", "1 2147483000 21000 0 1 0\n1\n1 50 0 0 0 0 1000 0 0 0 0 0 0 1 0\n", 3,
         "coordinate"},
        {"empty file", "", 1, "header"},
    };
}

}  // namespace

TEST_F(DrawingFile, AFileThatDoesNotParseLoadsNothingAndIsNeverOverwritten)
{
    for (const BadFile& bad : BadFiles()) {
        SCOPED_TRACE(bad.what);
        WriteWholeFile(DwgFile(), bad.text);
        objects().Add(std::make_unique<TLineobj>());

        const TLoadResult result = objects().ReadDrawing();
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.opened);
        EXPECT_EQ(result.line, bad.line);
        EXPECT_NE(result.message.find(DwgFile()), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("line " + std::to_string(bad.line) + ":"), std::string::npos) << result.message;
        EXPECT_NE(result.message.find(bad.reason), std::string::npos) << result.message;
        EXPECT_EQ(objects().count(), 0);
        EXPECT_TRUE(objects().LoadFailed());

        // Whatever the program does next, the broken file stays as it was.
        objects().Add(std::make_unique<TLineobj>());
        EXPECT_FALSE(objects().WriteDrawing());
        {
            TDrawingEdit edit(objects());
            objects().MakeDrawingTitles(edit);
            EXPECT_FALSE(edit.Commit());
        }
        EXPECT_EQ(ReadWholeFile(DwgFile()), bad.text);
        objects().Clear();
    }
}

TEST_F(DrawingFile, ADrawingThatCannotBeReReadIsNeverWrittenOverAndTheChangeIsReported)
{
    std::vector<std::string> reports;
    state().reportWriteFailure = [&](const std::string& message) { reports.push_back(message); };
    const std::string nine = "9 30000 21000 0 1 0\n" + [] {
        std::string lines;
        for (int i = 0; i < 9; ++i)
            lines += GOOD_LINE;
        return lines;
    }();
    WriteWholeFile(DwgFile(), nine);
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), 9);

    // The file is there but cannot be opened at the next repaint (as after chmod 000).
    FailNextReads(1, ".DB0");
    const TLoadResult result = objects().ReadDrawing();
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.message, "The drawing file " + DwgFile() + " cannot be opened: Permission denied.");
    // The list keeps what the file held.
    EXPECT_EQ(objects().count(), 9);
    EXPECT_TRUE(objects().LoadFailed());

    // While the file cannot be read a change is refused and the user told why.
    objects().Add(std::make_unique<TLineobj>());
    EXPECT_FALSE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(DwgFile()), nine);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "The drawing file " + DwgFile() +
                              " could not be written: it could not be read, so it is kept as it was");

    // Readable again: the drawing comes back whole and may be changed.
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_EQ(objects().count(), 9);
    EXPECT_TRUE(objects().WriteDrawing());

    // A drawing file that is not there at all is no drawing to keep: a new one may be written.
    std::filesystem::remove(DwgFile());
    EXPECT_FALSE(objects().ReadDrawing().opened);
    EXPECT_FALSE(objects().LoadFailed());
    objects().Add(std::make_unique<TLineobj>());
    EXPECT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(DrawingFile, TheRefusalEndsWithAGoodLoadOrANewDrawing)
{
    WriteWholeFile(DwgFile(), "1 30000 21000 0 1 0\n9\n");
    EXPECT_FALSE(objects().ReadDrawing().ok);
    objects().Add(std::make_unique<TLineobj>());
    EXPECT_FALSE(objects().WriteDrawing());

    // Another drawing may still be written.
    state().drawingName = "JONES";
    EXPECT_TRUE(objects().WriteDrawing());

    // The user mends the file: a good load lifts the refusal.
    state().drawingName = "SMITH";
    WriteWholeFile(DwgFile(), "1 30000 21000 0 1 0\n" + GOOD_LINE);
    ASSERT_TRUE(objects().ReadDrawing().ok);
    EXPECT_FALSE(objects().LoadFailed());
    EXPECT_TRUE(objects().WriteDrawing());

    // A new drawing under the broken file's name replaces it on purpose.
    WriteWholeFile(DwgFile(), "garbage");
    EXPECT_FALSE(objects().ReadDrawing().ok);
    objects().ClearLoadFailure();
    objects().Add(std::make_unique<TInfoobj>());
    EXPECT_TRUE(objects().WriteDrawing());
    EXPECT_EQ(ReadWholeFile(DwgFile()).substr(0, 20), "1 30000 21000 0 1 0\n");
}

TEST_F(DrawingFile, ToleratesCarriageReturnsAndBlanksWithinALine)
{
    WriteWholeFile(DwgFile(), "1  30000 21000 0 1 4\r\n1\r\n1 50\t0 0 0 0 10 0 0 0 0 0 0 1 0 \r\n");
    const TLoadResult result = objects().ReadDrawing();
    ASSERT_TRUE(result.ok) << result.message;
    ASSERT_EQ(objects().count(), 1);
    EXPECT_EQ(objects()[0]->x2, 30010);
}

TEST_F(DrawingFile, TextsKeepBlanksAndDigitsExactly)
{
    auto text = std::make_unique<TTextobj>(24);
    text->SetText(" 12 ft  ");
    text->SetFaceName("Courier New");
    objects().Add(std::move(text));
    ASSERT_TRUE(objects().WriteDrawing());
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), 1);
    const auto& read = static_cast<const TTextobj&>(*objects()[0]);
    EXPECT_EQ(read.text, " 12 ft  ");
    EXPECT_EQ(read.faceName, "Courier New");
}
