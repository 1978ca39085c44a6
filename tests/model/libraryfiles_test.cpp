// The library files: the index of each library read only as far as its count and as far as it
// holds well-formed records, registering an entry in the one count file, names listed once, and
// the save of an entry that must succeed before it is listed. Also the print list and the printer
// calibration records.
#include "model/libraryindex.h"
#include "model/lineobj.h"
#include "model/printlist.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "tests/model/modelfixture.h"

namespace {

using Names = std::vector<std::string>;

}  // namespace

using LibraryFiles = ModelTest;

TEST(LibraryIndex, ReadingStopsAtTheCountAtTheEndAndAtARecordThatIsNotOne)
{
    const std::string index = "5 CHAIR\n10 DOUBLE BED\n4 DESK\n";
    EXPECT_EQ(TLibraryIndex::Parse(index, 2).names, (Names{"CHAIR", "DOUBLE BED"}));
    EXPECT_EQ(TLibraryIndex::Parse(index, 0).names, Names{});
    EXPECT_EQ(TLibraryIndex::Parse(index, -3).names, Names{});
    // A count beyond the records reads the records there are.
    EXPECT_EQ(TLibraryIndex::Parse(index, 2147483647).names, (Names{"CHAIR", "DOUBLE BED", "DESK"}));
    // A length longer than a name can be, or 0, or past the end of the text ends the index.
    EXPECT_EQ(TLibraryIndex::Parse("5 CHAIR\n25 ABCDEFGHIJKLMNOPQRSTUVWXY\n4 DESK\n", 3).names, Names{"CHAIR"});
    EXPECT_EQ(TLibraryIndex::Parse("0 \n4 DESK\n", 2).names, Names{});
    EXPECT_EQ(TLibraryIndex::Parse("5 CHAIR\n20 SHORT\n", 2).names, Names{"CHAIR"});
    EXPECT_EQ(TLibraryIndex::Parse("99999999999 X\n", 1).names, Names{});
    EXPECT_EQ(TLibraryIndex::Parse("CHAIR\n", 1).names, Names{});
    // A name that no entry could have (it would lead out of LIBS/) is passed over, the rest read.
    EXPECT_EQ(TLibraryIndex::Parse("5 ../AB\n4 DESK\n", 2).names, Names{"DESK"});
    // 24 characters is the longest name.
    EXPECT_EQ(TLibraryIndex::Parse("24 ABCDEFGHIJKLMNOPQRSTUVWX\n", 1).names, Names{"ABCDEFGHIJKLMNOPQRSTUVWX"});
}

TEST(LibraryIndex, NamesAreWrittenAsTheyAreReadAndFoundWhateverTheirCase)
{
    TLibraryIndex index;
    index.names = {"Basin 2", "WC, low"};
    EXPECT_EQ(index.Format(), "7 Basin 2\n7 WC, low\n");
    EXPECT_EQ(TLibraryIndex::Parse(index.Format(), 2).names, index.names);
    EXPECT_EQ(FindLibraryEntry(index, "basin 2"), 0);
    EXPECT_EQ(FindLibraryEntry(index, "WC, LOW"), 1);
    EXPECT_EQ(FindLibraryEntry(index, "Basin"), -1);

    EXPECT_TRUE(IsLibraryEntryName("Basin 2"));
    EXPECT_TRUE(IsLibraryEntryName("ABCDEFGHIJKLMNOPQRSTUVWX"));
    for (const char* bad : {"", " ", " Basin", "Basin ", "ABCDEFGHIJKLMNOPQRSTUVWXY", "a/b", "a.b", "..", "Bad\tname"})
        EXPECT_FALSE(IsLibraryEntryName(bad)) << '"' << bad << '"';

    EXPECT_STREQ(LibraryIndexFile(1), "PLBM.CFG");
    EXPECT_STREQ(LibraryIndexFile(4), "MISM.CFG");
    EXPECT_EQ(LibraryIndexFile(0), nullptr);
    EXPECT_STREQ(LibraryExtension(2), ".ELM");
    EXPECT_STREQ(LibraryExtension(3), ".FUM");
    EXPECT_EQ(LibraryExtension(5), nullptr);
    EXPECT_EQ(LibraryName(3), "Furniture");
}

TEST_F(LibraryFiles, ALibraryListsAsManyEntriesAsItsCountSaysWhateverTheUnitSystem)
{
    WriteWholeFile(Cfg("LIM.CFG"), "0 1 2 0");
    WriteWholeFile(Cfg("FURM.CFG"), "5 CHAIR\n4 DESK\n4 LAMP\n");
    WriteWholeFile(Cfg("PLBM.CFG"), "2 WC\n");
    WriteWholeFile(Cfg("LII.CFG"), "1 0 0 0");
    for (int units : {1, 0}) {
        state().unitSystem = units;
        EXPECT_EQ(ReadLibraryIndex(3).names, (Names{"CHAIR", "DESK"}));
        // A count of 0 lists nothing, whatever the index holds.
        EXPECT_EQ(ReadLibraryIndex(1).names, Names{});
        // A count with no index file lists nothing.
        EXPECT_EQ(ReadLibraryIndex(2).names, Names{});
        EXPECT_EQ(ReadLibraryIndex(7).names, Names{});
    }
}

TEST_F(LibraryFiles, RegisteringBasin2AsPlumbingCountsItAndAppendsARecordOfLength7)
{
    state().unitSystem = 1;
    WriteWholeFile(Cfg("LIM.CFG"), "2 0 1 0");
    WriteWholeFile(Cfg("PLBM.CFG"), "4 BATH\n5 SHOWR\n");
    ASSERT_TRUE(objects().RegisterLibraryFile(1, "Basin 2"));
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "3 0 1 0");
    EXPECT_EQ(ReadWholeFile(Cfg("PLBM.CFG")), "4 BATH\n5 SHOWR\n7 Basin 2\n");

    // The same name in any case is listed once.
    ASSERT_TRUE(objects().RegisterLibraryFile(1, "BASIN 2"));
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "3 0 1 0");
    EXPECT_EQ(ReadWholeFile(Cfg("PLBM.CFG")), "4 BATH\n5 SHOWR\n7 Basin 2\n");

    // An empty name, one with blanks at its ends, one of other characters: refused, nothing written.
    std::string reason;
    for (const char* bad : {"", "  ", " WC", "WC/2", "ABCDEFGHIJKLMNOPQRSTUVWXY"}) {
        EXPECT_FALSE(objects().RegisterLibraryFile(1, bad, &reason)) << bad;
        EXPECT_FALSE(reason.empty());
    }
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "3 0 1 0");
}

TEST_F(LibraryFiles, RecordsBeyondTheCountMakeWayForTheNewEntry)
{
    // The index holds records the count never listed: the new entry is listed after the counted
    // ones, not after those.
    state().unitSystem = 0;
    WriteWholeFile(Cfg("LIM.CFG"), "0 0 0 1");
    WriteWholeFile(Cfg("MISM.CFG"), "5 ARROW\n5 STALE\n6 STALE2\n");
    ASSERT_TRUE(objects().RegisterLibraryFile(4, "NORTH"));
    EXPECT_EQ(ReadWholeFile(Cfg("MISM.CFG")), "5 ARROW\n5 NORTH\n");
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "0 0 0 2");
    EXPECT_EQ(ReadLibraryIndex(4).names, (Names{"ARROW", "NORTH"}));
}

TEST_F(LibraryFiles, RegisteringAListedNameSetsACountTheIndexFallsShortOf)
{
    // The count says 10, the index lists two: the name listed already is not added, and the count
    // becomes what the index lists.
    state().unitSystem = 1;
    WriteWholeFile(Cfg("LIM.CFG"), "0 0 10 0");
    WriteWholeFile(Cfg("FURM.CFG"), "5 CHAIR\n3 BED\n");
    ASSERT_TRUE(objects().RegisterLibraryFile(3, "bed"));
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "0 0 2 0");
    EXPECT_EQ(ReadWholeFile(Cfg("FURM.CFG")), "5 CHAIR\n3 BED\n");

    // A record within the count that no entry could have is not listed: it goes, and the count
    // follows.
    WriteWholeFile(Cfg("LIM.CFG"), "0 0 2 0");
    WriteWholeFile(Cfg("FURM.CFG"), "5 ../AB\n3 BED\n");
    ASSERT_TRUE(objects().RegisterLibraryFile(3, "BED"));
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "0 0 1 0");
    EXPECT_EQ(ReadWholeFile(Cfg("FURM.CFG")), "3 BED\n");
}

TEST_F(LibraryFiles, AFailedWriteLeavesTheLibraryAsItWas)
{
    state().unitSystem = 1;
    WriteWholeFile(Cfg("LIM.CFG"), "0 0 1 0");
    WriteWholeFile(Cfg("FURM.CFG"), "5 CHAIR\n");
    std::string reason;
    FailNextWrites(1, WriteStage::Write);
    EXPECT_FALSE(objects().RegisterLibraryFile(3, "BED", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadWholeFile(Cfg("FURM.CFG")), "5 CHAIR\n");
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "0 0 1 0");

    // Tried again, the entry is listed once.
    EXPECT_TRUE(objects().RegisterLibraryFile(3, "BED"));
    EXPECT_EQ(ReadWholeFile(Cfg("FURM.CFG")), "5 CHAIR\n3 BED\n");
    EXPECT_EQ(ReadWholeFile(Cfg("LIM.CFG")), "0 0 2 0");
}

TEST_F(LibraryFiles, AnEntryIsSavedOnlyFromASelectionAndItsFailureIsTold)
{
    state().unitSystem = 1;
    auto* line = new TLineobj(1);
    line->floor = 50;
    line->x1 = 1000;
    line->x2 = 2000;
    objects().Add(line);
    std::string reason;
    ASSERT_TRUE(WriteCopyCount(0));
    EXPECT_FALSE(objects().SaveLibrarySymbol(1, "Basin 2", &reason));
    EXPECT_EQ(reason, "nothing is selected");
    EXPECT_FALSE(std::filesystem::exists(Libs("Basin 2.PLM")));

    ASSERT_TRUE(AppendCopyRecord(0, 1500, 0));
    FailNextWrites(1, WriteStage::Sync);
    EXPECT_FALSE(objects().SaveLibrarySymbol(1, "Basin 2", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(std::filesystem::exists(Libs("Basin 2.PLM")));

    ASSERT_TRUE(objects().SaveLibrarySymbol(1, "Basin 2", &reason));
    EXPECT_EQ(ReadWholeFile(Libs("Basin 2.PLM")), "1 0 0 0 1 0\n1\n1 50 0 0 -500 0 500 0 0 0 0 0 0 1 0\n");
    EXPECT_FALSE(objects().SaveLibrarySymbol(1, "../Basin", &reason));
}

TEST(PrintList, LinesAreCopiesScaleAndFloorCodePlus1000)
{
    TPrintListSettings list;
    list.entries = {{2, 100, 1050}, {1, 50, 1052}};
    EXPECT_EQ(list.Format(), "2 100 1050\n1 50 1052\n");
    EXPECT_EQ(TPrintListSettings::Parse("2 100 1050\n1 50 1052\n").entries, list.entries);
    // Reading stops at the first line that is not three numbers; a code far below stays as read.
    EXPECT_EQ(TPrintListSettings::Parse("2 100 1050\n1 x 1051\n3 96 1052\n").entries,
              (std::vector<TPrintListEntry>{{2, 100, 1050}}));
    EXPECT_EQ(TPrintListSettings::Parse("1 1 -2147483648\n").entries.at(0).floorCode, -2147483647 - 1);
    EXPECT_TRUE(TPrintListSettings::Parse("").entries.empty());
}

TEST_F(LibraryFiles, TheCalibrationIsAMeasuredLengthAndACorrectionPerUnitSystem)
{
    EXPECT_EQ(ReadSettings<TPrintCalibrationSettings>(1).measuredLength, 15000);
    EXPECT_EQ(ReadSettings<TPrintCalibrationSettings>(0).measuredLength, 14976);
    TPrintCalibrationSettings calibration;
    calibration.measuredLength = 14850;
    calibration.scaleCorrection = 1.01;
    ASSERT_TRUE(WriteSettings(calibration, 1));
    EXPECT_EQ(ReadWholeFile(Cfg("PRNTCALM.CFG")), "14850 1.010000");
    EXPECT_DOUBLE_EQ(ReadSettings<TPrintCalibrationSettings>(1).scaleCorrection, 1.01);
    EXPECT_EQ(ReadWholeFile(Cfg("PRNTCALI.CFG")), "14976 1.000000");
}
