// The text tool: a text placed through the "Text" prompt (kind 4) and a text typed character by
// character, line after line (kind 24).
#include "tests/tools/toolfixture.h"

#include "model/lineobj.h"
#include "model/textobj.h"
#include "tools/textobjtool.h"

namespace {

class TextTool : public ToolTest {
protected:
    TextTool()
    {
        state().currentFontFace = "Arial";
        state().textPointSize = 10;
        state().textWeight = 400;
        tool.kind = KIND_TYPED_TEXT;
        tool.alignment() = 2;
        tool.escapement() = 0;
        Attach(tool);
    }

    void Click(TPoint device) { tool.LButtonDown(dc, client, device.x, device.y); }
    void Type(const std::string& characters)
    {
        for (char c : characters)
            tool.Char(dc, client, static_cast<unsigned char>(c));
    }
    void Press(int character) { tool.Char(dc, client, character); }

    const TTextobj& LastText()
    {
        const auto* text = dynamic_cast<const TTextobj*>(objects()[objects().count() - 1]);
        EXPECT_NE(text, nullptr);
        static const TTextobj none;
        return text ? *text : none;
    }

    TTextobjtool tool;
};

TEST_F(TextTool, TypedTextWithABackspaceCommitsWhatIsLeft)
{
    Click(Device(1000, 3000));
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 3000);
    Type("AB");
    Press(CHAR_BACKSPACE);
    Type("C");
    EXPECT_EQ(tool.text, "AC");
    EXPECT_EQ(tool.typedCount, 2);
    Press(CHAR_ENTER);

    ASSERT_EQ(objects().count(), 5);
    const TTextobj& text = LastText();
    EXPECT_EQ(text.typeCode, KIND_TYPED_TEXT);
    EXPECT_EQ(text.text, "AC");
    EXPECT_EQ(text.textLength, 2);
    EXPECT_EQ(text.x1, 1000);
    EXPECT_EQ(text.y1, 3000);
    EXPECT_EQ(text.alignment, 2);
    EXPECT_EQ(text.escapement, 0);
    EXPECT_EQ(text.faceName, "Arial");
    EXPECT_EQ(text.colour, std::int32_t(MakeColour(0, 0, 255)));
    EXPECT_EQ(ReadBack().size(), 5u);
    EXPECT_EQ(tool.typedCount, 0);
    EXPECT_EQ(tool.textLength, 0);
}

TEST_F(TextTool, BackspaceRubsTheLineOutInTheWindowsBackground)
{
    state().currentFillColour = MakeColour(10, 20, 30);
    Click(Device(1000, 3000));
    Type("AB");
    dc.Clear();
    Press(CHAR_BACKSPACE);
    const auto texts = dc.RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "AB");
    EXPECT_EQ(texts[0].textColour, MakeColour(10, 20, 30));
    EXPECT_EQ(texts[1].text, "A");
    EXPECT_EQ(texts[1].textColour, MakeColour(0, 0, 255));
    EXPECT_EQ(texts[1].points[0], (TPoint{200, 600}));
    EXPECT_EQ(tool.colour, MakeColour(0, 0, 255)) << "the pen colour comes back";
}

TEST_F(TextTool, BackspaceAtTheStartOfALineDoesNothing)
{
    Click(Device(1000, 3000));
    Press(CHAR_BACKSPACE);
    EXPECT_EQ(tool.typedCount, 0);
    EXPECT_EQ(dc.Count(TCanvasRecord::TextOut), 0);
    Type("X");
    Press(CHAR_BACKSPACE);
    Press(CHAR_BACKSPACE);
    EXPECT_EQ(tool.typedCount, 0);
    EXPECT_EQ(tool.text, "");
}

TEST_F(TextTool, ALineHoldsAtMostSeventyNineCharacters)
{
    Click(Device(1000, 3000));
    Type(std::string(85, 'W'));
    EXPECT_EQ(tool.typedCount, 79);
    EXPECT_EQ(tool.text.size(), 79u);
    Press(CHAR_BACKSPACE);
    Type("Z");
    Press(CHAR_ENTER);
    EXPECT_EQ(LastText().text, std::string(78, 'W') + "Z");
}

TEST_F(TextTool, ControlCharactersAreNotTyped)
{
    Click(Device(1000, 3000));
    for (int c : {9, 10, 27, 127, 300})
        Press(c);
    EXPECT_EQ(tool.typedCount, 0);
    Press(0xE9);  // one byte a character
    EXPECT_EQ(tool.text, "\xE9");
}

TEST_F(TextTool, FeedbackFontTakesTheScaleAndMeasuresTheLineHeight)
{
    state().textWeight = 500;
    Click(Device(1000, 3000));
    Type("H");
    const auto texts = dc.RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.height, 50);
    EXPECT_EQ(texts[0].font.weight, 700);
    EXPECT_EQ(texts[0].font.face, "Arial");
    EXPECT_EQ(texts[0].align, unsigned(TA_BOTTOM | TA_LEFT));
    // The recording canvas's cell is the font height, with no external leading: 50 logical units.
    EXPECT_EQ(tool.libraryFlag, 250);
    Press(CHAR_ENTER);
    EXPECT_EQ(LastText().fontWeight, 500) << "stored with the weight as set";
    EXPECT_EQ(LastText().fontHeight, 10);
}

TEST_F(TextTool, NextLineStartsOneLineBelowTheLineJustEnded)
{
    Click(Device(1000, 3000));
    Type("ONE");
    Press(CHAR_ENTER);
    tool.StartNextLine(dc, client);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 2750);
    EXPECT_EQ(window.cursor, Device(1000, 2750));
    Type("TWO");
    Press(CHAR_ENTER);
    EXPECT_EQ(LastText().text, "TWO");
    EXPECT_EQ(LastText().y1, 2750);
}

TEST_F(TextTool, AnEmptyLineCommitsNothingAndTheNextStartsBelowIt)
{
    Click(Device(1000, 3000));
    Type("ONE");
    Press(CHAR_ENTER);
    tool.StartNextLine(dc, client);

    // Something else is now last in the drawing; the empty line still steps down from itself.
    auto line = std::make_unique<TLineobj>();
    line->floor = 50;
    line->x1 = 4000;
    line->y1 = 100;
    line->x2 = 4500;
    line->y2 = 100;
    objects().Add(std::move(line));

    Press(CHAR_ENTER);
    EXPECT_EQ(objects().count(), 6);
    tool.StartNextLine(dc, client);
    EXPECT_EQ(tool.x1, 1000);
    EXPECT_EQ(tool.y1, 2500);
}

TEST_F(TextTool, AnEmptyFirstLineStillStepsDownByTheFontsHeight)
{
    Click(Device(1000, 3000));
    Press(CHAR_ENTER);
    EXPECT_EQ(objects().count(), 4);
    tool.StartNextLine(dc, client);
    EXPECT_EQ(tool.y1, 2750);
}

TEST_F(TextTool, VerticalTextStepsRight)
{
    tool.escapement() = 2700;
    Click(Device(1000, 3000));
    Type("UP");
    Press(CHAR_ENTER);
    tool.StartNextLine(dc, client);
    EXPECT_EQ(tool.x1, 1250);
    EXPECT_EQ(tool.y1, 3000);
    EXPECT_EQ(LastText().escapement, 2700);
}

TEST_F(TextTool, AClickMovesTheLineBegun)
{
    Click(Device(1000, 3000));
    Type("AB");
    dc.Clear();
    Click(Device(2000, 1000));
    const auto texts = dc.RecordsOf(TCanvasRecord::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], (TPoint{200, 600}));
    EXPECT_EQ(texts[0].textColour, state().currentFillColour);
    EXPECT_EQ(texts[1].points[0], (TPoint{400, 200}));
    Press(CHAR_ENTER);
    EXPECT_EQ(LastText().text, "AB");
    EXPECT_EQ(LastText().x1, 2000);
}

TEST_F(TextTool, PlacedTextTakesAnActionIdAndTheClickPoint)
{
    tool.kind = KIND_TEXT;
    tool.alignment() = 1;
    state().groupIdCounter = 41;
    TPoint at = Device(2000, 2500);
    tool.PlaceText(dc, client, at, "KITCHEN");
    ASSERT_EQ(objects().count(), 5);
    const TTextobj& text = LastText();
    EXPECT_EQ(text.typeCode, KIND_TEXT);
    EXPECT_EQ(text.text, "KITCHEN");
    EXPECT_EQ(text.groupId, 42);
    EXPECT_EQ(state().groupIdCounter, 42);
    EXPECT_EQ(text.x1, 2000);
    EXPECT_EQ(text.y1, 2500);
    EXPECT_EQ(text.alignment, 1);

    tool.PlaceText(dc, client, at, std::string(100, 'L'));
    EXPECT_EQ(LastText().text.size(), 79u);
}

TEST_F(TextTool, PlacedTextClicksOnlyServeTheCentreSteps)
{
    tool.kind = KIND_TEXT;
    const TPoint click = Device(2000, 2500);
    tool.LButtonDown(dc, client, click.x, click.y);
    EXPECT_EQ(tool.x1, 0);

    tool.savedStep = 0;
    tool.step = STEP_CENTRE_FIRST;
    tool.LButtonDown(dc, client, click.x, click.y);
    EXPECT_EQ(tool.step, STEP_CENTRE_SECOND);
}

}  // namespace
