// File/Rotate/Mirror: the open drawing turned in place under its own name (in any case), or stored
// turned or mirrored under a new name and opened on the floor that was in view while the original
// stays; another drawing replaced only when the user says so; names too short refused.
#include "tests/app/appfixture.h"

#include "model/infoobj.h"

#include <limits>

namespace {

class RotateMirrorTest : public AppTest {
protected:
    void SetUp() override
    {
        NewDrawing("ROT");
        // The sheet centre is (2500, 1750): the line runs 1500 left of it to 500 left, 750 below.
        AddLine(50, 1000, 1000, 2000, 1000);
        AddLine(51, 2500, 1750, 3500, 1750);
        original = ReadWholeFile(Path("DWGS/ROT.DB0"));
    }

    void ExpectOriginalUnchanged() { EXPECT_EQ(ReadWholeFile(Path("DWGS/ROT.DB0")), original); }

    std::string original;
};

}  // namespace

TEST_F(RotateMirrorTest, TheDrawingsOwnNameTurnsItInPlace)
{
    Answer("dialog 19000 ok");
    Command(CM_ROTATEMIRROR);
    const auto turned = ReadBack("ROT");
    ASSERT_EQ(turned.size(), 6u);
    // A quarter turn clockwise about the sheet centre.
    EXPECT_EQ(turned[4]->x1, 1750);
    EXPECT_EQ(turned[4]->y1, 3250);
    EXPECT_EQ(turned[4]->x2, 1750);
    EXPECT_EQ(turned[4]->y2, 2250);
    EXPECT_EQ(turned[5]->x2, 2500);
    EXPECT_EQ(turned[5]->y2, 750);
    // The floor records keep their storeys.
    EXPECT_EQ(turned[0]->typeCode, 32000);
    EXPECT_EQ(turned[0]->z2, 2550);
    EXPECT_EQ(state().drawingName, "ROT");
    EXPECT_EQ(client->Children().size(), 1u);

    // The name in another case is the same drawing: half a turn more, three quarters in all.
    Answer("dialog 19000 set 19001 rot check 19003 ok");
    Command(CM_ROTATEMIRROR);
    EXPECT_EQ(ReadBack("ROT")[4]->x1, 3250);
    EXPECT_EQ(ReadBack("ROT")[4]->y1, 250);
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/rot.DB0")));
    EXPECT_TRUE(lines.empty());
}

TEST_F(RotateMirrorTest, ANewNameKeepsTheOriginalAndOpensTheMirrorOnTheSameFloor)
{
    client->ShowFloor(FIRST_FLOOR);
    Answer("dialog 19000 set 19001 MIRRORED check 19005 ok");
    Command(CM_ROTATEMIRROR);
    ExpectOriginalUnchanged();
    EXPECT_EQ(state().drawingName, "MIRRORED");
    EXPECT_EQ(state().currentFloor, FIRST_FLOOR);
    EXPECT_EQ(Window().Caption(), "MIRRORED.PL1");
    EXPECT_EQ(client->Children().size(), 1u);
    const auto mirrored = ReadBack("MIRRORED");
    ASSERT_EQ(mirrored.size(), 6u);
    // Mirrored left to right about x 2500.
    EXPECT_EQ(mirrored[4]->x1, 4000);
    EXPECT_EQ(mirrored[4]->x2, 3000);
    EXPECT_EQ(mirrored[4]->y1, 1000);
    EXPECT_EQ(mirrored[5]->x2, 1500);
    EXPECT_EQ(objects().count(), 6);
    EXPECT_TRUE(lines.empty());
}

TEST_F(RotateMirrorTest, AnotherDrawingIsReplacedOnlyWhenTheUserSaysSo)
{
    WriteWholeFile(Path("DWGS/OTHER.DB0"), original);
    AddLine(50, 0, 0, 500, 500);
    original = ReadWholeFile(Path("DWGS/ROT.DB0"));
    Answer("dialog 19000 set 19001 other check 19004 ok");
    Answer("message no");
    Command(CM_ROTATEMIRROR);
    EXPECT_EQ(lines, std::vector<std::string>{"message Arkweld 4.0 | A drawing named other already exists. Replace it?"});
    ExpectOriginalUnchanged();
    EXPECT_EQ(ReadBack("OTHER").size(), 6u);
    EXPECT_EQ(state().drawingName, "ROT");

    Answer("dialog 19000 set 19001 other check 19004 ok");
    Answer("message yes");
    Command(CM_ROTATEMIRROR);
    ExpectOriginalUnchanged();
    EXPECT_EQ(state().drawingName, "other");
    // One file for the drawing, in the case given now.
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/OTHER.DB0")));
    EXPECT_EQ(ReadBack("other").size(), 7u);
}

TEST_F(RotateMirrorTest, AShortNameOrACancelChangesNothing)
{
    Answer("dialog 19000 set 19001 AB ok");
    Answer("message ok");
    Command(CM_ROTATEMIRROR);
    EXPECT_EQ(lines, std::vector<std::string>{"message ROTATE/MIRROR | A new drawing name needs 3 to 24 letters, digits, "
                                              "commas or blanks - nothing has been changed"});
    Answer("dialog 19000 check 19003 cancel");
    Command(CM_ROTATEMIRROR);
    ExpectOriginalUnchanged();
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/AB.DB0")));
    EXPECT_EQ(state().drawingName, "ROT");
}

TEST_F(RotateMirrorTest, ATurnThatCannotBeWrittenIsToldOnceAndChangesNothing)
{
    const std::string failed = " could not be written: No space left on device; the change is not saved";
    // In place: the turned drawing is the one write.
    Answer("dialog 19000 ok");
    Answer("message ok");
    FailNextWrites(10, WriteStage::Write);
    Command(CM_ROTATEMIRROR);
    FailNextWrites(0);
    EXPECT_EQ(lines, std::vector<std::string>{"message Arkweld 4.0 | The drawing file " + Path("DWGS/ROT.DB0") + failed});
    ExpectOriginalUnchanged();

    // Under a new name: the original stays open as it was.
    lines.clear();
    Answer("dialog 19000 set 19001 TURNED ok");
    Answer("message ok");
    FailNextWrites(10, WriteStage::Write);
    Command(CM_ROTATEMIRROR);
    FailNextWrites(0);
    EXPECT_EQ(lines,
              std::vector<std::string>{"message Arkweld 4.0 | The drawing file " + Path("DWGS/TURNED.DB0") + failed});
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/TURNED.DB0")));
    ExpectOriginalUnchanged();
    EXPECT_EQ(state().drawingName, "ROT");
    EXPECT_EQ(objects()[4]->x1, 1000);
}

TEST_F(RotateMirrorTest, ADrawingThatWouldLeaveWhatItsFileHoldsIsNotTurned)
{
    // The lowest y the file holds about the sheet centre (2500, 1750): turned three quarters, the
    // point would lie one unit beyond the highest x the file holds.
    const int32_t lowest = std::numeric_limits<int32_t>::min() + 1750;
    AddLine(50, 1000, 1000, 2500, lowest);
    const std::string held = ReadWholeFile(Path("DWGS/ROT.DB0"));
    const std::string told = "message ROTATE/MIRROR | The drawing reaches too far outside the sheet for its file to "
                             "hold it turned that way - nothing has been changed";
    Answer("dialog 19000 check 19004 ok");
    Answer("message ok");
    Command(CM_ROTATEMIRROR);
    Answer("dialog 19000 set 19001 TURNED check 19004 ok");
    Answer("message ok");
    Command(CM_ROTATEMIRROR);
    EXPECT_EQ(lines, (std::vector<std::string>{told, told}));
    EXPECT_EQ(ReadWholeFile(Path("DWGS/ROT.DB0")), held);
    EXPECT_FALSE(std::filesystem::exists(Path("DWGS/TURNED.DB0")));
    EXPECT_EQ(state().drawingName, "ROT");
    EXPECT_EQ(objects()[6]->y2, lowest);

    // Mirrored, every point stays where the file holds it: the mirror is made.
    Answer("dialog 19000 check 19005 ok");
    Command(CM_ROTATEMIRROR);
    EXPECT_EQ(lines.size(), 2u);
    const auto mirrored = ReadBack("ROT");
    EXPECT_EQ(mirrored[6]->x1, 4000);
    EXPECT_EQ(mirrored[6]->y2, lowest);
}
