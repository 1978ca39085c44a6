// The edit object every change to the object list goes through, and the starting drawing.
#include "model/drawingedit.h"

#include "model/drawingfile.h"
#include "model/extwallobj.h"
#include "model/infoobj.h"
#include "model/lineobj.h"
#include "model/objectset.h"
#include "model/settingsfile.h"
#include "model/startingdrawing.h"
#include "model/typecodes.h"
#include "tests/model/modelfixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Counts the lines alive, to see that the list frees what an edit takes out.
int liveLines = 0;
struct CountedLine : TLineobj {
    CountedLine(int32_t id, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
    {
        ownerId = id;
        floor = GROUND_FLOOR;
        this->x1 = x1;
        this->y1 = y1;
        this->x2 = x2;
        this->y2 = y2;
        ++liveLines;
    }
    CountedLine(const CountedLine& other) : TLineobj(other) { ++liveLines; }
    ~CountedLine() override { --liveLines; }
};

std::unique_ptr<TObject> Line(int32_t id, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return std::make_unique<CountedLine>(id, x1, y1, x2, y2);
}

TModelBox Box(int32_t minX, int32_t minY, int32_t maxX, int32_t maxY) { return {false, minX, minY, maxX, maxY}; }

class DrawingEdit : public ModelTest {
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        state().reportWriteFailure = [this](const std::string& message) { reports.push_back(message); };
        // Three lines committed as the drawing holds them.
        TDrawingEdit edit;
        edit.Add(Line(1, 1000, 1000, 2000, 1000));
        edit.Add(Line(2, 3000, 3000, 3000, 4000));
        edit.Add(Line(3, 5000, 500, 6000, 600));
        ASSERT_TRUE(edit.Commit());
        reports.clear();
    }
    std::vector<int> Owners() const
    {
        std::vector<int> owners;
        for (const auto& object : State().objects.Items())
            owners.push_back(object->ownerId);
        return owners;
    }
    // The owners in the drawing file.
    std::vector<int> OwnersInFile() const
    {
        TFileHeader header;
        std::vector<std::unique_ptr<TObject>> loaded;
        const TLoadResult result = ParseObjectFile(ReadWholeFile(DwgFile()), false, 0, 0, header, loaded);
        std::vector<int> owners;
        if (!result.ok)
            return {-1};
        for (const auto& object : loaded)
            owners.push_back(object->ownerId);
        return owners;
    }

    std::vector<std::string> reports;
};

}  // namespace

TEST_F(DrawingEdit, AddAppendsAndCoversWhatItAdded)
{
    TDrawingEdit edit;
    EXPECT_FALSE(edit.Changed());
    EXPECT_TRUE(edit.Area().empty);
    EXPECT_EQ(edit.Add(Line(4, -500, 7000, 200, 8000)), 3);
    EXPECT_EQ(edit.Add(nullptr), 3);  // nothing to add
    EXPECT_TRUE(edit.Changed());
    EXPECT_EQ(Owners(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(edit.Area(), Box(-500, 7000, 200, 8000));
    // The list changes at once; the file only on Commit.
    EXPECT_EQ(OwnersInFile(), (std::vector<int>{1, 2, 3}));
    ASSERT_TRUE(edit.Commit());
    EXPECT_EQ(OwnersInFile(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(DrawingEdit, ReplaceFreesTheOldObjectAndCoversBoth)
{
    const int alive = liveLines;
    TDrawingEdit edit;
    edit.Replace(1, Line(9, 3000, 3000, 9000, 3000));
    EXPECT_EQ(liveLines, alive);  // one in, one freed
    EXPECT_EQ(Owners(), (std::vector<int>{1, 9, 3}));
    EXPECT_EQ(edit.Area(), Box(3000, 3000, 9000, 4000));

    // Out of range, or nothing to put in: no change.
    TDrawingEdit none;
    none.Replace(3, Line(10, 0, 0, 1, 1));
    none.Replace(-1, Line(11, 0, 0, 1, 1));
    none.Replace(0, nullptr);
    EXPECT_FALSE(none.Changed());
    EXPECT_EQ(Owners(), (std::vector<int>{1, 9, 3}));
    EXPECT_EQ(liveLines, alive);
}

TEST_F(DrawingEdit, ModifyCoversTheObjectBeforeAndAfterTheChange)
{
    TDrawingEdit edit;
    TObject& line = edit.Modify(0);
    line.x2 = 1500;
    line.y2 = -200;
    EXPECT_TRUE(edit.Changed());
    EXPECT_EQ(edit.Area(), Box(1000, -200, 2000, 1000));
    // A second change adds the extent between the two changes; the area holds all three.
    edit.Modify(0).x1 = 800;
    EXPECT_EQ(edit.Area(), Box(800, -200, 2000, 1000));
    ASSERT_TRUE(edit.Commit());
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), 3);
    EXPECT_EQ(objects()[0]->x1, 800);
    EXPECT_EQ(objects()[0]->y2, -200);
}

TEST_F(DrawingEdit, RemovalsMoveTheLaterEntriesDownAndCoverWhatWent)
{
    const int alive = liveLines;
    TDrawingEdit edit;
    edit.Remove(0);
    edit.Remove(7);  // not there
    EXPECT_EQ(Owners(), (std::vector<int>{2, 3}));
    EXPECT_EQ(liveLines, alive - 1);
    EXPECT_EQ(edit.Area(), Box(1000, 1000, 2000, 1000));

    TDrawingEdit several;
    several.Add(Line(4, 0, 0, 10, 10));
    several.Add(Line(5, 0, 0, 20, 20));
    // {2, 3, 4, 5}: any order, duplicates and indices beyond the list ignored.
    several.RemoveAll({3, 0, 3, 9, 1});
    EXPECT_EQ(Owners(), (std::vector<int>{4}));
    // What was added and removed again within the edit still counts to the area it covered.
    EXPECT_EQ(several.Area(), Box(0, 0, 6000, 4000));

    TDrawingEdit back;
    back.Add(Line(6, 0, 0, 1, 1));
    back.Add(Line(7, 0, 0, 1, 1));
    back.CutBack(3);  // nothing from 3 on
    EXPECT_EQ(Owners(), (std::vector<int>{4, 6, 7}));
    back.CutBack(1);
    EXPECT_EQ(Owners(), (std::vector<int>{4}));
    ASSERT_TRUE(back.Commit());
    EXPECT_EQ(OwnersInFile(), (std::vector<int>{4}));
    EXPECT_EQ(liveLines, alive - 2);
}

TEST_F(DrawingEdit, RemovingManyAtOnceLeavesTheListFileAndAreaThatRemovingOneByOneLeaves)
{
    // Sixty-three lines, a quarter of them changed, then a third taken out: at once in any order
    // with repeats and indices that name nothing, or one by one from the last.
    auto edited = [&](bool atOnce) {
        objects().Clear();
        TDrawingEdit edit;
        for (int i = 0; i < 63; ++i)
            edit.Add(Line(i, i * 100, 0, i * 100 + 50, 700 - i));
        for (int i = 0; i < 63; i += 4)
            edit.Modify(i).y2 = 5000 + i;
        std::vector<int> doomed;
        for (int i = 62; i >= 0; i -= 3)
            doomed.push_back(i);
        if (atOnce) {
            doomed.insert(doomed.end(), {62, 2, -1, 63, 500, 32});
            edit.RemoveAll(doomed);
        } else {
            for (int index : doomed)
                edit.Remove(index);
        }
        EXPECT_TRUE(edit.Commit());
        return std::tuple{Owners(), edit.Area(), ReadWholeFile(DwgFile())};
    };
    const auto [owners, area, file] = edited(true);
    EXPECT_EQ(owners.size(), 42u);
    EXPECT_EQ(std::tuple(owners, area, file), edited(false));
}

TEST_F(DrawingEdit, ObjectsMovedFirstAndTakenAtOnceLeaveTheFileAndAreaThatModifyingOneByOneLeaves)
{
    // Lines 0 and 2 moved, then handed to the edit: at once (with repeats and indices that name
    // nothing), or one by one.
    auto moved = [&](bool atOnce) {
        EXPECT_TRUE(objects().ReadDrawing().ok);
        TDrawingEdit edit;
        for (int index : {0, 2}) {
            objects()[index]->x1 += 700;
            objects()[index]->y2 -= 9000;
        }
        if (atOnce) {
            edit.ModifiedAll({2, 0, 2, -1, 3});
        } else {
            edit.Modify(0);
            edit.Modify(2);
        }
        EXPECT_TRUE(edit.Changed());
        EXPECT_TRUE(edit.Commit());
        const auto result = std::tuple{edit.Area(), ReadWholeFile(DwgFile())};
        // Back as they were, for the other way.
        for (int index : {0, 2}) {
            objects()[index]->x1 -= 700;
            objects()[index]->y2 += 9000;
        }
        EXPECT_TRUE(objects().WriteDrawing());
        return result;
    };
    const auto [area, file] = moved(true);
    EXPECT_EQ(area, Box(1700, -8400, 6000, 1000));
    EXPECT_EQ(std::tuple(area, file), moved(false));

    TDrawingEdit none;
    none.ModifiedAll({-1, 3});
    EXPECT_FALSE(none.Changed());
    EXPECT_TRUE(none.Area().empty);
}

// A long selection's extent is gathered in pieces at once: the edit covers every object of it,
// the first piece's and the last's alike.
TEST_F(DrawingEdit, ALongSelectionTakenAtOnceIsCoveredWhole)
{
    constexpr int kCount = 70000;
    TDrawingEdit adding;
    for (int i = 0; i < kCount; ++i) {
        auto line = std::make_unique<TLineobj>(1);
        line->x1 = i;
        line->y1 = -i;
        line->x2 = i + 5;
        line->y2 = -i - 5;
        adding.Add(std::move(line));
    }
    std::vector<int> all;
    for (int i = 0; i < objects().count(); ++i)
        all.push_back(i);
    TModelBox expected;
    for (int index : all)
        expected.Add(objects()[index]->Bounds());
    TDrawingEdit edit;
    edit.ModifiedAll(all);
    EXPECT_TRUE(edit.Changed());
    EXPECT_EQ(edit.Area(), expected);
    EXPECT_EQ(edit.Area().maxX, kCount - 1 + 5);
    EXPECT_EQ(edit.Area().minY, -(kCount - 1) - 5);
}

TEST(ObjectSet, HoldsEachObjectOnceWhileItGrowsAndLosesObjects)
{
    std::vector<TLineobj> lines(5000);
    TObjectSet set;
    for (const TLineobj& line : lines)
        EXPECT_TRUE(set.Insert(&line));
    EXPECT_FALSE(set.Insert(&lines[17]));
    // Every other one out, then a third of those back in and out again: the marks of the
    // removed ones never hide one that stays.
    for (std::size_t i = 0; i < lines.size(); i += 2)
        set.Erase(&lines[i]);
    for (std::size_t i = 0; i < lines.size(); i += 6) {
        EXPECT_TRUE(set.Insert(&lines[i]));
        set.Erase(&lines[i]);
    }
    set.Erase(&lines[0]);  // not there
    for (std::size_t i = 1; i < lines.size(); i += 2)
        EXPECT_FALSE(set.Insert(&lines[i])) << i;
    std::vector<int> seen(lines.size());
    set.ForEach([&](const TObject* object) { ++seen[std::size_t(static_cast<const TLineobj*>(object) - lines.data())]; });
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(seen[i], int(i % 2)) << i;
    EXPECT_EQ(set.Size(), lines.size() / 2);
}

TEST_F(DrawingEdit, TheAreaOfAWallIsWhereItsLinesAre)
{
    auto wall = std::make_unique<TExtwallobj>();
    wall->x1 = 30000;
    wall->y1 = 20000;
    wall->x2 = 34000;
    wall->y2 = 20000;
    wall->spacing1 = 300;
    wall->wallLines = {30000, 19700, 34000, 19700};
    TDrawingEdit edit;
    edit.Add(std::move(wall));
    EXPECT_EQ(edit.Area(), Box(30000, 19700, 34000, 20000));
}

TEST_F(DrawingEdit, CommitWritesTheFileOnceAndCountsAChange)
{
    const int edits = objects().EditCount();
    {
        TDrawingEdit edit;
        edit.Add(Line(4, 0, 0, 1, 1));
        edit.Remove(0);
        // Two writes to fail: one is left when the edit wrote once.
        FailNextWrites(2, WriteStage::Rename);
        EXPECT_FALSE(edit.Commit());
        EXPECT_EQ(state().injectedWriteFailures, 1);
        FailNextWrites(0);
        EXPECT_EQ(objects().EditCount(), edits + 1);
    }
    // The change the file did not take is not kept: the list holds what the file holds.
    EXPECT_EQ(Owners(), (std::vector<int>{1, 2, 3}));
    {
        TDrawingEdit edit;
        edit.Add(Line(4, 0, 0, 1, 1));
        edit.Remove(0);
        ASSERT_TRUE(edit.Commit());
    }
    EXPECT_EQ(OwnersInFile(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(Owners(), OwnersInFile());

    // An edit that changed nothing still writes the file, but is no change to undo.
    const int before = objects().EditCount();
    TDrawingEdit nothing;
    FailNextWrites(2, WriteStage::Write);
    EXPECT_FALSE(nothing.Commit());
    EXPECT_EQ(state().injectedWriteFailures, 1);
    FailNextWrites(0);
    EXPECT_EQ(objects().EditCount(), before);
}

TEST_F(DrawingEdit, AFailedCommitIsReportedOnceAndReturnsFalse)
{
    const std::string file = ReadWholeFile(DwgFile());
    // Each stage fails as a full disk, a failing device and a refused rename would; the message
    // names the file and gives the reason.
    const std::pair<WriteStage, const char*> stages[] = {{WriteStage::Write, "No space left on device"},
                                                         {WriteStage::Sync, "Input/output error"},
                                                         {WriteStage::Rename, "Permission denied"}};
    for (const auto& [stage, reason] : stages) {
        reports.clear();
        TDrawingEdit edit;
        edit.Add(Line(8, 0, 0, 1, 1));
        FailNextWrites(1, stage);
        EXPECT_FALSE(edit.Commit());
        EXPECT_EQ(reports, std::vector<std::string>{"The drawing file " + DwgFile() + " could not be written: " +
                                                    reason + "; the change is not saved"});
        EXPECT_EQ(ReadWholeFile(DwgFile()), file);  // the old file stays as it was
        EXPECT_EQ(Owners(), OwnersInFile());        // and the list holds it again
    }

    // Without a drawing nothing is written and there is nothing to report.
    reports.clear();
    state().drawingName.clear();
    TDrawingEdit edit;
    edit.Add(Line(9, 0, 0, 1, 1));
    EXPECT_FALSE(edit.Commit());
    EXPECT_TRUE(reports.empty());
}

TEST_F(DrawingEdit, AFailedWriteDropsTheChangeBeforeTheReportAndTheAreaOutlivesTheObjects)
{
    // The report's message box can repaint: a repaint reads the list afresh from the file, and
    // frees every object the edit touched. The area was taken before the write.
    std::vector<int> ownersAtReport;
    state().reportWriteFailure = [this, &ownersAtReport](const std::string& message) {
        reports.push_back(message);
        ownersAtReport = Owners();
        ASSERT_TRUE(objects().ReadDrawing().ok);
    };
    const int liveBefore = liveLines;
    TDrawingEdit edit;
    edit.Add(Line(4, 7000, 7000, 8000, 9000));
    static_cast<TLineobj&>(edit.Modify(0)).x2 = 2500;
    FailNextWrites(1, WriteStage::Write);
    EXPECT_FALSE(edit.Commit());
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(ownersAtReport, (std::vector<int>{1, 2, 3}));  // already what the file holds
    EXPECT_EQ(objects()[0]->x2, 2000);
    EXPECT_EQ(liveLines, liveBefore);
    EXPECT_EQ(edit.Area(), Box(1000, 1000, 8000, 9000));

    // A written edit keeps its area too, however the list changes after it.
    TDrawingEdit written;
    written.Remove(2);
    ASSERT_TRUE(written.Commit());
    objects().Clear();
    EXPECT_EQ(written.Area(), Box(5000, 500, 6000, 600));
}

TEST_F(DrawingEdit, StartingRecordsHoldTheStoreyHeightsOfTheUnitSystem)
{
    objects().Clear();
    for (int unitSystem : {1, 0}) {
        TList list;
        TDrawingEdit edit(list);
        AddStartingRecords(edit, unitSystem);
        EXPECT_TRUE(edit.Area().empty);  // floor records are not in the plan
        ASSERT_EQ(list.count(), 4);
        const int32_t* storeys = unitSystem == 1 ? METRIC_STOREY_HEIGHTS : IMPERIAL_STOREY_HEIGHTS;
        for (int i = 0; i < 4; ++i) {
            const auto* record = dynamic_cast<const TInfoobj*>(list[i]);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record->typeCode, TYPE_FLOOR_RECORD + i);
            EXPECT_EQ(record->floor, GROUND_FLOOR + i);
            EXPECT_EQ(record->z2, storeys[i]);
            EXPECT_EQ(record->penWidth, 1);
            EXPECT_EQ(record->infoValue, 0);
        }
    }
    EXPECT_EQ(METRIC_STOREY_HEIGHTS[0], 2550);
    EXPECT_EQ(IMPERIAL_STOREY_HEIGHTS[1], 2304);

    // Committed, they are the whole new drawing file.
    TDrawingEdit edit;
    AddStartingRecords(edit, 1);
    ASSERT_TRUE(edit.Commit());
    ASSERT_TRUE(objects().ReadDrawing().ok);
    ASSERT_EQ(objects().count(), 4);
    EXPECT_EQ(objects()[3]->typeCode, 32003);
    EXPECT_EQ(objects()[0]->z2, 2550);
}
