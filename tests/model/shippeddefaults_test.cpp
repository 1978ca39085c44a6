// Every shipped settings file parses completely with its own format, and every value lies in the
// range that the dialog showing it accepts, so a fresh installation opens every dialog with values
// it would let the user confirm.
#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "resources/shippeddefaults.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string& Shipped(const std::string& name)
{
    static const std::string none;
    const std::string* text = ShippedDefault(name);
    EXPECT_NE(text, nullptr) << name;
    return text ? *text : none;
}

bool IsIndexFile(const std::string& name)
{
    return name == "PLBM.CFG" || name == "ELEM.CFG" || name == "FURM.CFG" || name == "MISM.CFG";
}

// One integer field checked against a range after dividing by `divisor` (24 shows 1/24 inch as
// whole inches, 288 as whole feet).
struct FieldRange {
    std::size_t field;
    int divisor;
    int minimum;
    int maximum;
};

struct FileRanges {
    const char* name;
    const char* format;
    std::vector<FieldRange> ranges;
};

constexpr int COLOUR_MAX = 0xFFFFFF;

const std::vector<FileRanges>& RangeTable()
{
    static const std::vector<FileRanges> table = {
        // Unit preset: 1 metric, 0 imperial.
        {"METRIC.CFG", METRIC_CFG_FORMAT, {{0, 1, 0, 1}}},
        // Internal-wall dialogs: 25..900 mm, 1..50 inches.
        {"PTNM.CFG", PTN_CFG_FORMAT, {{0, 1, 25, 900}}},
        {"PTNI.CFG", PTN_CFG_FORMAT, {{0, 24, 1, 50}}},
        // Doors dialog: 100..5000 mm and 4..200 inches.
        {"DOORSZE.CFG", DOORSZE_CFG_FORMAT, {{0, 1, 100, 5000}, {1, 24, 4, 200}}},
        {"INTERN.CFG", INTERN_CFG_FORMAT, {{0, 1, 30, 90}, {1, 1, 1, 2}}},
        // Dimension dialogs.
        {"MOFFSET.CFG", OFFSET_CFG_FORMAT,
         {{0, 1, 100, 3000}, {1, 1, 100, 3000}, {2, 1, 100, 5000}, {3, 1, 0, 2700}, {4, 1, 9, 10}, {5, 1, 9, 10},
          {6, 1, 9, 10}}},
        {"IOFFSET.CFG", OFFSET_CFG_FORMAT,
         {{0, 24, 6, 120}, {1, 24, 6, 120}, {2, 24, 6, 240}, {3, 1, 0, 2700}, {4, 1, 9, 10}, {5, 1, 9, 10},
          {6, 1, 9, 10}}},
        // Custom external-wall dialogs.
        {"CUST.CFG", CUST_CFG_FORMAT, {{0, 1, 2, 4}, {1, 1, 25, 900}, {2, 1, 0, 800}, {3, 1, 0, 790}}},
        {"CUSTIMP.CFG", CUST_CFG_FORMAT, {{0, 1, 2, 4}, {1, 24, 1, 30}, {2, 24, 0, 25}, {3, 24, 0, 20}}},
        // Stairs: riser and tread divide the storey height, so neither may be 0.
        {"STAIRSM.CFG", STAIRS_CFG_FORMAT, {{0, 1, 1, 32766}, {1, 1, 1, 32766}}},
        {"STAIRSI.CFG", STAIRS_CFG_FORMAT, {{0, 1, 1, 32766}, {1, 1, 1, 32766}}},
        // Printer calibration: 14000..16000 mm; 40..60 feet.
        {"PRNTCALM.CFG", PRNTCAL_CFG_FORMAT, {{0, 1, 14000, 16000}}},
        {"PRNTCALI.CFG", PRNTCAL_CFG_FORMAT, {{0, 288, 40, 60}}},
        // Window dialog: width and height 4..9000 as typed, in mm and in inches alike.
        {"WIND.CFG", WIND_CFG_FORMAT,
         {{0, 1, 1, 10}, {1, 1, 4, 9000}, {1, 24, 4, 9000}, {2, 1, 4, 9000}, {2, 24, 4, 9000}, {3, 1, 0, 0},
          {4, 1, 0, 1}, {5, 1, 7, 9}, {6, 1, 0, 1}, {7, 1, 0, 0}}},
        // Entry dialog: width 4..1500 as typed.
        {"ENTRY.CFG", ENTRY_CFG_FORMAT,
         {{0, 1, 4, 1500}, {0, 24, 4, 1500}, {1, 1, 0, 0}, {2, 1, 0, 0}, {3, 1, 1, 2}, {4, 1, 0, 0}}},
        // Room dialogs.
        {"NEWRM.CFG", NEWRM_CFG_FORMAT, {{0, 1, 0, 4}, {1, 1, 1, 4}}},
        {"RMPTNM.CFG", RMPTN_CFG_FORMAT, {{0, 1, 25, 900}, {1, 1, 25, 900}, {2, 1, 25, 900}}},
        {"RMPTNI.CFG", RMPTN_CFG_FORMAT, {{0, 24, 1, 30}, {1, 24, 1, 30}, {2, 24, 1, 30}}},
        // Fixed-room dialogs: 400..30001 mm; 1..61 feet.
        {"ROOM.CFG", ROOM_CFG_FORMAT, {{0, 1, 400, 30001}, {1, 1, 400, 30001}, {0, 288, 1, 61}, {1, 288, 1, 61}}},
        {"MAX.CFG", MAX_CFG_FORMAT, {{0, 1, 0, 30000}, {1, 1, 0, 30000}}},
        {"OVERLAY.CFG", OVERLAY_CFG_FORMAT, {{0, 1, 0, 0}, {1, 1, 0, 1}, {2, 1, 0, 1}, {3, 1, 0, 1}, {4, 1, 0, 0}}},
        {"INTWALL.CFG", INTWALL_CFG_FORMAT, {{8, 1, 0, COLOUR_MAX}}},
        // External walls: heights never negative, colour a valid COLORREF.
        {"EXTWALLM.CFG", EXTWALL_CFG_FORMAT,
         {{3, 1, 0, 32766}, {4, 1, 1, 32766}, {5, 1, 1, 32766}, {6, 1, 1, 32766}, {9, 1, 0, COLOUR_MAX}}},
        {"EXTWALLI.CFG", EXTWALL_CFG_FORMAT,
         {{3, 1, 0, 32766}, {4, 1, 1, 32766}, {5, 1, 1, 32766}, {6, 1, 1, 32766}, {9, 1, 0, COLOUR_MAX}}},
        {"WLCLR.CFG", WLCLR_CFG_FORMAT, {{0, 1, 0, COLOUR_MAX}, {1, 1, 0, COLOUR_MAX}}},
        {"CLR.CFG", CLR_CFG_FORMAT, {{0, 1, 0, COLOUR_MAX}, {1, 1, 0, COLOUR_MAX}, {2, 1, 0, COLOUR_MAX}}},
        {"RMCLR.CFG", RMCLR_CFG_FORMAT, {{0, 1, 0, COLOUR_MAX}, {1, 1, 0, COLOUR_MAX}, {2, 1, 0, COLOUR_MAX}}},
        {"MERGEM.CFG", MERGE_CFG_FORMAT, {{0, 1, 0, 32766}}},
        {"MERGEI.CFG", MERGE_CFG_FORMAT, {{0, 1, 0, 32766}}},
        // View set-up: everything it divides or scrolls by is positive.
        {"SCROLL.CFG", SCROLL_CFG_FORMAT, {{0, 1, 1, 32766}, {1, 1, 1, 32766}}},
        {"DWGSIZEM.CFG", DWGSIZE_CFG_FORMAT, {{0, 1, 1, 100000}, {1, 1, 1, 100000}}},
        {"DWGSIZEI.CFG", DWGSIZE_CFG_FORMAT, {{0, 1, 1, 100000}, {1, 1, 1, 100000}}},
        {"ZOOM.CFG", ZOOM_CFG_FORMAT, {{0, 1, 1, 100000}, {1, 1, 1, 100000}, {4, 1, 1, 1000}}},
        {"GRIDM.CFG", GRID_CFG_FORMAT, {{0, 1, 1, 32766}, {1, 1, 1, 32766}}},
        {"GRIDI.CFG", GRID_CFG_FORMAT, {{0, 1, 1, 32766}, {1, 1, 1, 32766}}},
        {"TEXT.CFG", TEXT_CFG_FORMAT, {{0, 1, 1, 200}, {1, 1, 0, 1000}, {2, 1, 1, 31}}},
        {"LIM.CFG", LIBRARY_COUNTS_CFG_FORMAT, {{0, 1, 0, 0}, {1, 1, 0, 0}, {2, 1, 0, 0}, {3, 1, 0, 0}}},
        {"LII.CFG", LIBRARY_COUNTS_CFG_FORMAT, {{0, 1, 0, 0}, {1, 1, 0, 0}, {2, 1, 0, 0}, {3, 1, 0, 0}}},
    };
    return table;
}

}  // namespace

TEST(ShippedDefaults, EveryFileHasAFormatAndEveryFormatAFile)
{
    std::set<std::string> shipped;
    for (const TShippedDefault& file : ShippedDefaults())
        shipped.insert(file.name);
    std::set<std::string> described;
    for (const TSettingsFormat& entry : SHIPPED_SETTINGS_FORMATS)
        described.insert(entry.name);
    EXPECT_EQ(shipped, described);

    // The files the program reads before anything writes them must all be there.
    for (const char* name :
         {"WLCLR.CFG", "EXTWALLI.CFG", "EXTWALLM.CFG", "STAIRSI.CFG", "STAIRSM.CFG", "INTWALL.CFG", "CLR.CFG",
          "RMCLR.CFG", "SCROLL.CFG", "DWGSIZEI.CFG", "DWGSIZEM.CFG", "TITLE2D.CFG", "MOFFSET.CFG", "IOFFSET.CFG",
          "METRIC.CFG", "PTNI.CFG", "PTNM.CFG", "CUST.CFG", "CUSTIMP.CFG", "DOORSZE.CFG", "INTERN.CFG",
          "OVERLAY.CFG", "NEWRM.CFG", "RMPTNI.CFG", "RMPTNM.CFG", "MERGEI.CFG", "MERGEM.CFG", "LIM.CFG", "LII.CFG",
          "PRNTCALI.CFG", "PRNTCALM.CFG", "ZOOM.CFG", "TEXT.CFG", "WIND.CFG"})
        EXPECT_TRUE(shipped.count(name)) << name;
}

TEST(ShippedDefaults, EveryFileParsesCompletelyWithItsFormat)
{
    for (const TSettingsFormat& entry : SHIPPED_SETTINGS_FORMATS) {
        const std::string& text = Shipped(entry.name);
        if (IsIndexFile(entry.name)) {
            EXPECT_EQ(text, "") << entry.name << ": the libraries start empty";
            continue;
        }
        SettingsRecord record(text, "", entry.format);
        EXPECT_TRUE(record.FromFile()) << entry.name;
        EXPECT_GT(record.Size(), 0u) << entry.name;
    }
}

TEST(ShippedDefaults, ValuesLieInTheRangesTheDialogsAccept)
{
    for (const FileRanges& file : RangeTable()) {
        SettingsRecord record(Shipped(file.name), "", file.format);
        ASSERT_TRUE(record.FromFile()) << file.name;
        for (const FieldRange& range : file.ranges) {
            const int value = record.Int(range.field) / range.divisor;
            EXPECT_GE(value, range.minimum) << file.name << " field " << range.field + 1;
            EXPECT_LE(value, range.maximum) << file.name << " field " << range.field + 1;
        }
    }
}

TEST(ShippedDefaults, CodedValuesAreOnesTheDialogsCanSelect)
{
    SettingsRecord intern(Shipped("INTERN.CFG"), "", INTERN_CFG_FORMAT);
    const int angle = intern.Int(0);
    EXPECT_TRUE(angle == 30 || angle == 60 || angle == 90) << angle;
    // The sine and cosine are those the doors dialog would write for the angle.
    const double radians = angle * 0.017453277777777776;
    EXPECT_EQ(Shipped("INTERN.CFG"),
              FormatC(INTERN_CFG_FORMAT, angle, intern.Int(1), std::sin(radians), std::cos(radians)));

    for (const char* name : {"MOFFSET.CFG", "IOFFSET.CFG"}) {
        SettingsRecord offsets(Shipped(name), "", OFFSET_CFG_FORMAT);
        EXPECT_TRUE(offsets.Int(3) == 0 || offsets.Int(3) == 2700) << name;
    }

    SettingsRecord window(Shipped("WIND.CFG"), "", WIND_CFG_FORMAT);
    EXPECT_TRUE(std::set<int>({1, 5, 6, 7, 8, 9, 10}).count(window.Int(0)));
    EXPECT_TRUE(window.Int(5) == 7 || window.Int(5) == 9);

    SettingsRecord entry(Shipped("ENTRY.CFG"), "", ENTRY_CFG_FORMAT);
    EXPECT_TRUE(entry.Char(5) == 'l' || entry.Char(5) == 'r' || entry.Char(5) == 'b');
    EXPECT_EQ(entry.Char(6), 'n');
    EXPECT_EQ(entry.Char(7), 'n');

    // The overlay view always has a floor to work on.
    SettingsRecord overlay(Shipped("OVERLAY.CFG"), "", OVERLAY_CFG_FORMAT);
    EXPECT_GT(overlay.Int(1) + overlay.Int(2) + overlay.Int(3), 0);

    // The external-wall spacings are those of a wall type the dialogs offer.
    SettingsRecord metricWall(Shipped("EXTWALLM.CFG"), "", EXTWALL_CFG_FORMAT);
    EXPECT_EQ(metricWall.Int(0) + metricWall.Int(1) + metricWall.Int(2), 275);
    SettingsRecord imperialWall(Shipped("EXTWALLI.CFG"), "", EXTWALL_CFG_FORMAT);
    EXPECT_EQ(imperialWall.Int(0) + imperialWall.Int(1) + imperialWall.Int(2), 264);

    // Calibration files hold the correction that belongs to their measured length.
    SettingsRecord metricCal(Shipped("PRNTCALM.CFG"), "", PRNTCAL_CFG_FORMAT);
    EXPECT_DOUBLE_EQ(metricCal.Double(1), 1.0 + (15000.0 - metricCal.Int(0)) / 15000.0);
    SettingsRecord imperialCal(Shipped("PRNTCALI.CFG"), "", PRNTCAL_CFG_FORMAT);
    EXPECT_DOUBLE_EQ(imperialCal.Double(1), 1.0 + (14976.0 - imperialCal.Int(0)) / 14976.0);
    EXPECT_LE((imperialCal.Int(0) / 24) % 12, 11);
}

TEST(ShippedDefaults, TitlesAndFontNameReadBackWhole)
{
    // Titles: three lengths, then the titles run together; each must read back as written, so
    // none may start with a digit or a blank, and none is longer than 24 characters.
    const std::string& titles = Shipped("TITLE2D.CFG");
    SettingsRecord lengths(titles, "", TITLE2D_CFG_READ_FORMAT);
    ASSERT_TRUE(lengths.FromFile());
    std::string format = TITLE2D_CFG_READ_FORMAT;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_GE(lengths.Int(i), 1);
        EXPECT_LE(lengths.Int(i), 24);
        format += '%';
        format += std::to_string(lengths.Int(i));
        format += 'c';
    }
    SettingsRecord whole(titles, "", format);
    ASSERT_TRUE(whole.FromFile());
    std::string first = whole.Text(3), second = whole.Text(4), third = whole.Text(5);
    for (const std::string& title : {first, second, third}) {
        ASSERT_FALSE(title.empty());
        EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(title[0])) || std::isspace(title[0])) << title;
    }
    EXPECT_EQ(FormatC(TITLE2D_CFG_FORMAT, int(first.size()), int(second.size()), int(third.size()), first.c_str(),
                      second.c_str(), third.c_str()),
              titles);

    const std::string& font = Shipped("TEXT.CFG");
    SettingsRecord text(font, "", TEXT_CFG_FORMAT);
    ASSERT_TRUE(text.FromFile());
    EXPECT_EQ(std::size_t(text.Int(2)), text.Text(3).size());
    EXPECT_EQ(FormatC(TEXT_CFG_FORMAT, text.Int(0), text.Int(1), text.Int(2), text.Text(3).c_str()), font);
}

TEST(ShippedDefaults, WriteBackByteForByteWithTheirFormats)
{
    // The shipped bytes are exactly what the program's own writer produces for the values, line
    // ends and their absence included.
    for (const TSettingsFormat& entry : SHIPPED_SETTINGS_FORMATS) {
        const std::string name = entry.name;
        if (IsIndexFile(name) || name == "TITLE2D.CFG" || name == "TEXT.CFG" || name == "ENTRY.CFG")
            continue;  // checked field by field above
        const std::string& text = Shipped(name);
        SettingsRecord record(text, "", entry.format);
        // Rebuild the text field by field with the format's own conversions.
        std::string rebuilt;
        std::size_t field = 0;
        const std::string format = entry.format;
        for (std::size_t i = 0; i < format.size(); ++i) {
            if (format[i] != '%') {
                rebuilt += format[i];
                continue;
            }
            std::size_t j = i + 1;
            if (format[j] == 'l')
                ++j;
            if (format[j] == 'd')
                rebuilt += FormatC("%d", record.Int(field++));
            else if (format[j] == 'f')
                rebuilt += FormatC("%lf", record.Double(field++));
            i = j;
        }
        EXPECT_EQ(rebuilt, text) << name;
    }
}
