// The font of new texts (CFG/TEXT.CFG) and the Line + Text label (CFG/LTEXT.CFG): records with a
// counted text after the numbers.
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "tests/model/modelfixture.h"

namespace {

class TextSettings : public ModelTest {
protected:
    void Put(const std::string& name, const std::string& bytes) { ASSERT_TRUE(WriteTextFileAtomic(Cfg(name), bytes)); }
    std::string Get(const std::string& name)
    {
        std::string text;
        EXPECT_TRUE(ReadTextFile(Cfg(name), text)) << name;
        return text;
    }
};

TEST_F(TextSettings, StartUpLoadsTheShippedFont)
{
    state().currentFontFace = "Courier";
    state().textPointSize = 99;
    state().textWeight = 1;
    LoadTextSettings();
    EXPECT_EQ(state().currentFontFace, "Arial");
    EXPECT_EQ(state().textPointSize, 10);
    EXPECT_EQ(state().textWeight, 400);
}

TEST_F(TextSettings, AFaceNameWithBlanksIsReadByItsLength)
{
    Put("TEXT.CFG", "12 700 15 Times New Roman\n");
    LoadTextSettings();
    EXPECT_EQ(state().currentFontFace, "Times New Roman");
    EXPECT_EQ(state().textPointSize, 12);
    EXPECT_EQ(state().textWeight, 700);

    // The length decides, not the blanks: a shorter length takes the first words only.
    Put("TEXT.CFG", "9 400 5 Times New Roman\n");
    EXPECT_EQ(ReadTextSettings().faceName, "Times");
}

TEST_F(TextSettings, ABrokenFontFileGivesTheShippedFont)
{
    const std::string broken[] = {
        "",                          // empty
        "12 700\n",                  // no face
        "12 700 20 Arial\n",         // face shorter than its length
        "0 400 5 Arial\n",           // no size
        "12 -5 5 Arial\n",           // no weight
        "12 400 0 \n",               // no face name
        "2147483648 400 5 Arial\n",  // beyond the integer range
    };
    for (const std::string& bytes : broken) {
        Put("TEXT.CFG", bytes);
        const TTextSettings font = ReadTextSettings();
        EXPECT_EQ(font.faceName, "Arial") << bytes;
        EXPECT_EQ(font.pointSize, 10) << bytes;
        EXPECT_EQ(font.weight, 400) << bytes;
    }
    std::filesystem::remove(Cfg("TEXT.CFG"));
    EXPECT_EQ(ReadTextSettings().faceName, "Arial");
}

TEST_F(TextSettings, FontRecordIsWrittenByteForByte)
{
    TTextSettings font;
    font.pointSize = 14;
    font.weight = 500;
    font.faceName = "Times New Roman";
    ASSERT_TRUE(WriteTextSettings(font));
    EXPECT_EQ(Get("TEXT.CFG"), "14 500 15 Times New Roman\n");
    const TTextSettings back = ReadTextSettings();
    EXPECT_EQ(back.faceName, font.faceName);
    EXPECT_EQ(back.pointSize, 14);
    EXPECT_EQ(back.weight, 500);

    // A face name longer than the field is cut to it, and its length with it.
    font.faceName = std::string(40, 'x');
    EXPECT_EQ(FormatTextSettings(font), "14 500 31 " + std::string(31, 'x') + "\n");
}

TEST_F(TextSettings, LineTextRecordIsWrittenByteForByte)
{
    TLineTextSettings label;
    label.side = 1;
    label.text = "HALL 2";
    ASSERT_TRUE(WriteLineTextSettings(label));
    EXPECT_EQ(Get("LTEXT.CFG"), "1 6/nHALL 2");

    label.side = 2;
    label.text = "";
    EXPECT_EQ(FormatLineTextSettings(label), "2 0/n");
}

TEST_F(TextSettings, LineTextKeepsItsBlanks)
{
    const TLineTextSettings inside = ParseLineTextSettings("1 6/nHALL 2");
    EXPECT_EQ(inside.side, 1);
    EXPECT_EQ(inside.text, "HALL 2");

    // Leading and trailing blanks count as characters of the text.
    const TLineTextSettings edges = ParseLineTextSettings("2 5/n AB  ");
    EXPECT_EQ(edges.side, 2);
    EXPECT_EQ(edges.text, " AB  ");

    // Characters after the counted ones are not part of the text.
    EXPECT_EQ(ParseLineTextSettings("1 3/nABCDEF").text, "ABC");
}

TEST_F(TextSettings, ABrokenLineTextPlacesNoOrAShortText)
{
    EXPECT_EQ(ParseLineTextSettings("").text, "");
    EXPECT_EQ(ParseLineTextSettings("1 4 HALL").text, "") << "no /n";
    EXPECT_EQ(ParseLineTextSettings("1 -3/nABC").text, "");
    EXPECT_EQ(ParseLineTextSettings("1 0/nABC").text, "");
    EXPECT_EQ(ParseLineTextSettings("1 9/nHALL").text, "HALL") << "as far as the file goes";
    EXPECT_EQ(ParseLineTextSettings("1 500/n" + std::string(100, 'Z')).text, std::string(80, 'Z'));

    // No file: no text.
    std::filesystem::remove(Cfg("LTEXT.CFG"));
    EXPECT_EQ(ReadLineTextSettings().text, "");
}

TEST_F(TextSettings, FailedWritesAreReportedWithTheReason)
{
    FailNextWrites(1);
    std::string reason;
    TLineTextSettings label;
    label.text = "X";
    EXPECT_FALSE(WriteLineTextSettings(label, &reason));
    EXPECT_FALSE(reason.empty());
    FailNextWrites(1);
    TTextSettings text;
    text.pointSize = 14;
    EXPECT_FALSE(WriteTextSettings(text, &reason));
    FailNextWrites(0);
}

TEST_F(TextSettings, OffsetsRecordNamesTheSevenFields)
{
    state().unitSystem = 1;
    const TOffsetSettings metric = ReadSettings<TOffsetSettings>();
    EXPECT_EQ(metric.overallOffset, 1200);
    EXPECT_EQ(metric.textOrientation, 2700);
    EXPECT_EQ(metric.roomDimensionTextSize, 9);
    EXPECT_EQ(metric.roomNameTextSize, 10);
    const TOffsetSettings imperial = ReadSettings<TOffsetSettings>(0);
    EXPECT_EQ(imperial.internalOffset, 576);
    EXPECT_EQ(FormatSettings(imperial), "576 576 1152 0 9 9 9");
}

}  // namespace
