#include "model/libraryindex.h"
#include "model/plantitles.h"
#include "model/printlist.h"
#include "model/selectionlist.h"
#include "model/settingsrecords.h"
#include "tests/model/modelfixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

class TypedSettings : public ModelTest {
protected:
    // Reads the record of the unit system's file from the shipped defaults laid into the program
    // directory and formats it again: the bytes must be the shipped file's.
    template <class Record>
    void ExpectShippedRoundTrip(int unitSystem)
    {
        const std::string name = SettingsFileName<Record>(unitSystem);
        const std::string* shipped = ShippedDefault(name);
        ASSERT_NE(shipped, nullptr) << name;
        EXPECT_EQ(ReadWholeFile(Cfg(name)), *shipped) << name;
        EXPECT_EQ(FormatSettings(ReadSettings<Record>(unitSystem)), *shipped) << name;
    }
    template <class Record>
    void ExpectShippedRoundTrip()
    {
        ExpectShippedRoundTrip<Record>(1);
        ExpectShippedRoundTrip<Record>(0);
    }
};

TEST_F(TypedSettings, EveryShippedDefaultReadsAndFormatsAgainByteForByte)
{
    // Twins: the metric and the imperial file.
    ExpectShippedRoundTrip<TExtWallSettings>();
    ExpectShippedRoundTrip<TSheetSettings>();
    ExpectShippedRoundTrip<TCustomWallSettings>();
    ExpectShippedRoundTrip<TOffsetSettings>();
    ExpectShippedRoundTrip<TPrintCalibrationSettings>();
    ExpectShippedRoundTrip<TLibraryCountSettings>();
    // One file for both unit systems.
    ExpectShippedRoundTrip<TZoomSettings>();
    ExpectShippedRoundTrip<TScrollSettings>();
    ExpectShippedRoundTrip<TColourSettings>();
    ExpectShippedRoundTrip<TUnitSystemSettings>();
    ExpectShippedRoundTrip<TOverlaySettings>();
    ExpectShippedRoundTrip<TWallColourSettings>();
    // Files of a special shape.
    ExpectShippedRoundTrip<TPlanTitleSettings>();
    ExpectShippedRoundTrip<TTextSettings>();
    for (int library = 1; library <= 4; ++library) {
        const std::string* shipped = ShippedDefault(LibraryIndexFile(library));
        ASSERT_NE(shipped, nullptr) << library;
        EXPECT_EQ(ReadLibraryIndex(library).Format(), *shipped) << library;
    }
}

TEST_F(TypedSettings, TwinFilesFollowTheUnitSystemAndShortFilesTakeTheRestFromTheDefault)
{
    WriteWholeFile(Cfg("EXTWALLI.CFG"), "96 0 0 24 2328 2304 2304 0 0 255\n");
    WriteWholeFile(Cfg("EXTWALLM.CFG"), "300");
    const TExtWallSettings shippedMetric = [] {
        const SettingsRecord raw(*ShippedDefault("EXTWALLM.CFG"), "", EXTWALL_CFG_FORMAT);
        TExtWallSettings record;
        record.groundStorey = raw.Int(4);
        record.colour = raw.Int(9);
        return record;
    }();

    const TExtWallSettings imperial = ReadSettings<TExtWallSettings>(0);
    EXPECT_EQ(imperial.spacing1, 96);
    EXPECT_EQ(imperial.groundStorey, 2328);
    EXPECT_EQ(imperial.colour, 255);

    const TExtWallSettings metric = ReadSettings<TExtWallSettings>(1);
    EXPECT_EQ(metric.spacing1, 300);
    EXPECT_EQ(metric.groundStorey, shippedMetric.groundStorey);
    EXPECT_EQ(metric.colour, shippedMetric.colour);

    // The drawing's unit system chooses when none is given.
    state().unitSystem = 0;
    EXPECT_EQ(SettingsFileName<TExtWallSettings>(), "EXTWALLI.CFG");
    EXPECT_EQ(ReadSettings<TExtWallSettings>().spacing1, 96);
    EXPECT_EQ(SettingsFileName<TColourSettings>(0), "CLR.CFG");
}

TEST_F(TypedSettings, WrittenRecordsHoldTheirExactFormats)
{
    ASSERT_TRUE(WriteSettings(TExtentsSettings{1000, 9000, 7000, 300}));
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "1000 9000 7000 300");
    ASSERT_TRUE(WriteSettings(TCopyCountSettings{2}));
    EXPECT_EQ(ReadWholeFile(Cfg("TEMP.CFG")), "2\n");
    ASSERT_TRUE(WriteSettings(TPrintCalibrationSettings{14985, 1.001}, 1));
    EXPECT_EQ(ReadWholeFile(Cfg("PRNTCALM.CFG")), "14985 1.001000");
    ASSERT_TRUE(WriteSettings(TCustomWallSettings{4, 264, 108, 48}, 0));
    EXPECT_EQ(ReadWholeFile(Cfg("CUSTIMP.CFG")), "4 264 108 48");

    TPrintListSettings list;
    list.entries = {{1, 100, 1050}, {2, 50, 1052}};
    ASSERT_TRUE(WriteSettings(list));
    EXPECT_EQ(ReadWholeFile(Cfg("PRNTLST.CFG")), "1 100 1050\n2 50 1052\n");
    EXPECT_EQ(ReadSettings<TPrintListSettings>().entries, list.entries);

    ASSERT_TRUE(WriteSettings(TLineTextSettings{2, "TWO WORDS"}));
    EXPECT_EQ(ReadWholeFile(Cfg("LTEXT.CFG")), "2 9/nTWO WORDS");
    const TLineTextSettings lineText = ReadSettings<TLineTextSettings>();
    EXPECT_EQ(lineText.side, 2);
    EXPECT_EQ(lineText.text, "TWO WORDS");

    ASSERT_TRUE(WriteSettings(TTextSettings{12, 700, "Times New Roman"}));
    EXPECT_EQ(ReadWholeFile(Cfg("TEXT.CFG")), "12 700 15 Times New Roman\n");
    const TTextSettings font = ReadSettings<TTextSettings>();
    EXPECT_EQ(font.pointSize, 12);
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.faceName, "Times New Roman");

    ASSERT_TRUE(WriteSettings(TPlanTitleSettings{{"1ST", "", "TOP FLOOR"}}));
    EXPECT_EQ(ReadWholeFile(Cfg("TITLE2D.CFG")), "3 0 91STTOP FLOOR\n");
    EXPECT_EQ(ReadPlanTitles(), (std::array<std::string, 3>{"1ST", "", "TOP FLOOR"}));
}

TEST(FormatSettingsFields, RefusesValuesThatDoNotFitTheirConversions)
{
    EXPECT_THROW(FormatSettingsFields("%d", {std::string("12")}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%d", {1.5}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%ld", {'x'}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%lf", {std::int32_t(1)}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%s", {std::int32_t(1)}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%c", {2.0}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%d %d", {std::int32_t(1)}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%d", {std::int32_t(1), std::int32_t(2)}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%x", {std::int32_t(1)}), std::invalid_argument);
    EXPECT_THROW(FormatSettingsFields("%", {std::int32_t(1)}), std::invalid_argument);

    EXPECT_EQ(FormatSettingsFields("%d %lf %c %s%%\n", {std::int32_t(-7), 0.25, 'b', std::string("A B")}),
              "-7 0.250000 b A B%\n");
}

TEST_F(TypedSettings, LongFieldsKeepTheirInt32ValuesWhateverLongIs)
{
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(FormatSettingsFields("%ld %ld %ld %d", {lowest, highest, std::int32_t(-1), lowest}),
              "-2147483648 2147483647 -1 -2147483648");

    // EXTENTS.CFG is all %ld: what is written reads back as the same int32 values.
    const TExtentsSettings written{lowest, highest, -1, 0};
    ASSERT_TRUE(WriteSettings(written));
    EXPECT_EQ(ReadWholeFile(Cfg("EXTENTS.CFG")), "-2147483648 2147483647 -1 0");
    const TExtentsSettings read = ReadSettings<TExtentsSettings>();
    EXPECT_EQ(read.minX, lowest);
    EXPECT_EQ(read.maxX, highest);
    EXPECT_EQ(read.maxY, -1);
    EXPECT_EQ(read.minY, 0);

    // A colour stored as a 64-bit long beyond the int32 range is malformed: the shipped default
    // stands in, never a wrapped value.
    WriteWholeFile(Cfg("CLR.CFG"), "4294967295 0 0\n");
    const SettingsRecord shipped(*ShippedDefault("CLR.CFG"), "", CLR_CFG_FORMAT);
    EXPECT_EQ(ReadSettings<TColourSettings>().background, shipped.Int(0));
}

TEST_F(TypedSettings, SpecialShapesReadWhatTheirLengthsSay)
{
    // A face name of blanks read by its length; a record that does not hold together reads as the
    // shipped default.
    const TTextSettings shipped = TTextSettings::Parse(*ShippedDefault("TEXT.CFG"));
    ASSERT_FALSE(shipped.faceName.empty());
    EXPECT_EQ(TTextSettings::Parse("9 400 11 Courier New\n").faceName, "Courier New");
    for (const char* broken : {"", "9 400", "9 400 40 Courier New\n", "9 400 -1 X\n", "9 400 20 Short\n"}) {
        const TTextSettings read = TTextSettings::Parse(broken);
        EXPECT_EQ(read.pointSize, shipped.pointSize) << broken;
        EXPECT_EQ(read.faceName, shipped.faceName) << broken;
    }

    EXPECT_EQ(TLineTextSettings::Parse("1 3/nA Bxyz").text, "A B");
    EXPECT_EQ(TLineTextSettings::Parse("2 9/nSHORT").text, "SHORT");  // as far as the file goes
    for (const char* broken : {"", "2 5-nHELLO", "x", "2"}) {
        const TLineTextSettings read = TLineTextSettings::Parse(broken);
        EXPECT_EQ(read.side, 1) << broken;
        EXPECT_EQ(read.text, "") << broken;
    }

    const TLibraryIndex index = TLibraryIndex::Parse("5 CHAIR\n10 DOUBLE BED\n3 AB");
    EXPECT_EQ(index.names, (std::vector<std::string>{"CHAIR", "DOUBLE BED"}));
    EXPECT_EQ((TLibraryIndex{{"CHAIR", "DOUBLE BED"}}.Format()), "5 CHAIR\n10 DOUBLE BED\n");
    EXPECT_EQ(ReadLibraryIndex(0).names.size(), 0u);
    EXPECT_EQ(LibraryIndexFile(5), nullptr);

    EXPECT_EQ(TPrintListSettings::Parse("1 100 1050\n2 50\n").entries,
              (std::vector<TPrintListEntry>{{1, 100, 1050}}));
}

TEST_F(TypedSettings, TheSelectionCountIsATypedRecordWithoutADefault)
{
    EXPECT_EQ(ReadCopyCount(), 0);  // no TEMP.CFG ships
    ASSERT_TRUE(AppendCopyRecord(4, -100, 2000000000));
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), "4 -100 2000000000\n");
    EXPECT_EQ(ReadSettings<TCopyCountSettings>().count, 1);
    WriteWholeFile(Cfg("TEMP.CFG"), "-5\n");
    EXPECT_EQ(ReadCopyCount(), 0);

    // A whole list is written line for line as its record formats each entry.
    const std::vector<TCopyEntry> entries{
        {0, 0, 0}, {7, -1, 1}, {2147483647, -2147483647 - 1, 2147483647}, {12, 30000, -21000}};
    ASSERT_TRUE(WriteCopyList(entries));
    std::string formatted;
    for (const TCopyEntry& entry : entries)
        formatted += FormatSettings(entry);
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), formatted);
    EXPECT_EQ(ReadCopyList().size(), entries.size());
    EXPECT_EQ(ReadCopyList()[2].baseX, -2147483647 - 1);
}

TEST_F(TypedSettings, AListWithRunsOfOneBasePointIsWrittenEntryByEntry)
{
    // Entries sharing a base point with the one before, and runs that change back and forth.
    const std::vector<TCopyEntry> entries{{0, 5, 5},    {1, 5, 5},      {2, -70, 5},
                                          {-3, -70, 5}, {999999, -70, 5}, {11, 5, 5},
                                          {12, 5, -5},  {2147483647, -2147483647 - 1, 2147483647},
                                          {13, -2147483647 - 1, -2147483647 - 1}};
    ASSERT_TRUE(WriteCopyList(entries));
    std::string formatted;
    for (const TCopyEntry& entry : entries)
        formatted += FormatSettings(entry);
    EXPECT_EQ(ReadWholeFile(Cfg("COPY.CFG")), formatted);
    EXPECT_EQ(ReadCopyCount(), int(entries.size()));
}

}  // namespace
