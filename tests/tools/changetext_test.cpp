// Edit/Change text/number: new words for a text, everything else kept.
#include "tests/tools/toolfixture.h"

#include "model/drawingedit.h"
#include "model/lineobj.h"
#include "model/textobj.h"
#include "tools/changetext.h"

namespace {

class ChangeTextTest : public ToolTest {
protected:
    int AddText(int typeCode, const std::string& words)
    {
        auto text = std::make_unique<TTextobj>(typeCode);
        text->floor = 50;
        text->x1 = 2000;
        text->y1 = 1500;
        text->x2 = 900;
        text->escapement = 2700;
        text->alignment = 6;
        text->fontHeight = 9;
        text->fontWeight = 700;
        text->SetFaceName("Times New Roman");
        text->SetText(words);
        objects().Add(std::move(text));
        return objects().count() - 1;
    }
    const TTextobj& At(int index) { return static_cast<const TTextobj&>(*objects()[index]); }
};

TEST_F(ChangeTextTest, NewWordsKeepTheFontAnchorAndDirection)
{
    const int index = AddText(34, "3600");
    TDrawingEdit edit;
    ASSERT_TRUE(ChangeText(edit, index, "3650"));
    ASSERT_TRUE(edit.Commit());
    const TTextobj& text = At(index);
    EXPECT_EQ(text.text, "3650");
    EXPECT_EQ(text.textLength, 4);
    EXPECT_EQ(text.typeCode, 34);
    EXPECT_EQ(text.x1, 2000);
    EXPECT_EQ(text.y1, 1500);
    EXPECT_EQ(text.x2, 900);
    EXPECT_EQ(text.escapement, 2700);
    EXPECT_EQ(text.alignment, 6);
    EXPECT_EQ(text.faceName, "Times New Roman");
    EXPECT_EQ(text.fontHeight, 9);
    EXPECT_EQ(text.fontWeight, 700);

    const auto back = ReadBack();
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(static_cast<const TTextobj&>(*back[4]).text, "3650");
}

TEST_F(ChangeTextTest, AnEmptyAnswerOrAnObjectThatIsNoTextChangesNothing)
{
    const int index = AddText(4, "LOUNGE");
    TDrawingEdit edit;
    EXPECT_FALSE(ChangeText(edit, index, ""));
    EXPECT_EQ(At(index).text, "LOUNGE");

    auto line = std::make_unique<TLineobj>();
    line->floor = 50;
    objects().Add(std::move(line));
    EXPECT_FALSE(ChangeText(edit, objects().count() - 1, "X"));
    EXPECT_FALSE(ChangeText(edit, NO_INDEX, "X"));
    EXPECT_FALSE(ChangeText(edit, -1, "X"));
    EXPECT_FALSE(edit.Changed());
}

TEST_F(ChangeTextTest, ALongAnswerIsCutToTheTextsCapacity)
{
    const int index = AddText(24, "A");
    TDrawingEdit edit;
    ASSERT_TRUE(ChangeText(edit, index, std::string(120, 'Q')));
    EXPECT_EQ(At(index).text, std::string(79, 'Q'));
    EXPECT_EQ(At(index).textLength, 79);
}

}  // namespace
