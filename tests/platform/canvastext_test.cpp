// Texts drawn from the shaped-text cache and from the store of texts laid out for the bands against
// texts laid out afresh by QPainter::drawText (the cache switched off), and what the cache and the
// store keep: a text is shaped once however often it is measured and drawn, and however many
// threads measure and draw it.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/qt/bandworkers.h"
#include "platform/qt/imagecanvas.h"
#include "platform/qt/shapedtextcache.h"
#include "platform/qt/textstore.h"
#include "platform/qt/threadfonts.h"
#include "tests/platform/pixelhelpers.h"

namespace {

constexpr int W = 400;
constexpr int H = 300;

struct TextCase {
    std::string text;
    TFont font;
    unsigned align;
};

std::vector<TextCase> TextCases()
{
    const std::vector<std::string> texts = {"Living 4500", "Bed 2 ", "3000", "W.C.", "\xC4rger \xE9t\xE9 fi ffl",
                                            "x", "(12 x 4)", "  spaced  "};
    const unsigned aligns[] = {TA_CENTER | TA_BOTTOM, TA_LEFT | TA_TOP, TA_RIGHT | TA_BASELINE, TA_CENTER | TA_TOP};
    // 4000 x 3000 logical units in 400 x 300 pixels: a height of 10 units is about a pixel.
    const int heights[] = {30, 90, 250, 700, 1200, -400};
    const int escapements[] = {0, 900, 1800, 2700, 3150, 125, -450};
    std::vector<TextCase> cases;
    int n = 0;
    for (const std::string& face : {std::string("Arial"), std::string("DejaVu Sans")})
        for (int height : heights)
            for (int escapement : escapements)
                for (int weight : {400, 700}) {
                    ++n;
                    cases.push_back({texts[std::size_t(n) % texts.size()], TFont{face, height, escapement, weight},
                                     aligns[std::size_t(n) % 4]});
                }
    return cases;
}

// The pens a canvas may hold while it puts out a text in the pen's colour or another.
std::vector<TPen> Pens()
{
    return {{0x2040F0, 1, PS_SOLID}, {0x2040F0, 1, PS_DASH}, {0x2040F0, 60, PS_SOLID}, {0x2040F0, 30, PS_DOT},
            {0x2040F0, 1, PS_NULL}, {0x00AA00, 1, PS_SOLID}};
}

// Where DrawTexts puts case i: spread over the window, some across its edges.
TPoint CasePlace(std::size_t i)
{
    return {int(i * 397 % 4600) - 300, int(i * 211 % 3400) - 200};
}

void DrawCases(Canvas& dc, const std::vector<TextCase>& cases)
{
    for (std::size_t i = 0; i < cases.size(); ++i) {
        dc.SelectFont(cases[i].font);
        dc.SetTextAlign(cases[i].align);
        // A line between texts makes the painter take the canvas's pen back.
        const TPoint at = CasePlace(i);
        dc.TextOut(at.x, at.y, cases[i].text);
        if (i % 3 == 0) {
            dc.MoveTo(at.x, at.y);
            dc.LineTo(at.x + 150, at.y + 40);
        }
    }
}

// The cases drawn on one canvas or (`inBands`) in bands at once, as a repaint paints: pieces first
// measure each text's reach (and lay out those that reach the window, for every band), then each
// band draws them all.
QImage DrawTexts(const std::vector<TextCase>& cases, const TPen& pen, RasterOp op, const QImage& background,
                 bool inBands = false)
{
    QImage image = background.copy();
    ImageCanvas dc(image);
    dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
    dc.SetROP2(op);
    dc.SelectPen(pen);
    dc.SetTextColor(0x2040F0);
    if (!inBands) {
        DrawCases(dc, cases);
        return image;
    }
    TRowWork work;
    work.measure = [&](Canvas& piece, const TRect&, std::vector<double>& rows, TPiece share) {
        for (std::size_t i = std::size_t(share.index); i < cases.size(); i += std::size_t(share.count))
            piece.TextReachBox(CasePlace(i), cases[i].text, cases[i].font);
        std::fill(rows.begin(), rows.end(), 1.0);
    };
    dc.PaintInBands([&](Canvas& band) { DrawCases(band, cases); }, work);
    return image;
}

class CanvasText : public ::testing::Test {
protected:
    void TearDown() override
    {
        ShapedTextCache::SetEnabled(true);
        TextStore::SetEnabled(true);
    }
};

}  // namespace

TEST_F(CanvasText, KeptLayoutsDrawAsDrawTextUnderEveryPen)
{
    const std::vector<TextCase> cases = TextCases();
    const QImage background = PlainImage(W, H, 0xFFFFFF);
    for (const TPen& pen : Pens()) {
        ShapedTextCache::SetEnabled(false);
        const QImage laidOutAfresh = DrawTexts(cases, pen, RasterOp::Copy, background);
        ShapedTextCache::SetEnabled(true);
        const QImage fromCache = DrawTexts(cases, pen, RasterOp::Copy, background);
        ASSERT_FALSE(SamePixels(fromCache, background));
        EXPECT_TRUE(SamePixels(fromCache, laidOutAfresh))
            << CountDifferent(fromCache, laidOutAfresh) << " pixels differ, pen " << pen.colour << "/" << pen.width
            << "/" << pen.style;
        // Drawn again from what the cache kept.
        EXPECT_TRUE(SamePixels(DrawTexts(cases, pen, RasterOp::Copy, background), laidOutAfresh));
    }
}

TEST_F(CanvasText, KeptLayoutsDrawAsDrawTextUnderExclusiveOr)
{
    const std::vector<TextCase> cases = TextCases();
    const QImage background = PatternImage(W, H);
    for (RasterOp op : {RasterOp::Xor, RasterOp::NotXor}) {
        ShapedTextCache::SetEnabled(false);
        const QImage laidOutAfresh = DrawTexts(cases, Pens()[0], op, background);
        ShapedTextCache::SetEnabled(true);
        const QImage fromCache = DrawTexts(cases, Pens()[0], op, background);
        EXPECT_TRUE(SamePixels(fromCache, laidOutAfresh)) << CountDifferent(fromCache, laidOutAfresh) << " differ";
    }
}

// Texts laid out by the pieces measuring a paint in bands, drawn by the bands with fonts of their
// own threads, and then on one canvas from the store (under every raster operation), give the
// pixels drawText gives; so do those it does not take (turned large texts, drawn from a layout of
// the drawing thread's own).
TEST_F(CanvasText, StoredLayoutsDrawAsDrawTextInBandsAndOnOneCanvas)
{
    const BandWorkers::ScopedLimit limit(3);
    const std::vector<TextCase> cases = TextCases();
    const QImage background = PatternImage(W, H);
    const std::size_t stored = TextStore::OfThisThread().Size();
    for (const TPen& pen : Pens()) {
        ShapedTextCache::SetEnabled(false);
        const QImage laidOutAfresh = DrawTexts(cases, pen, RasterOp::Copy, background);
        ShapedTextCache::SetEnabled(true);
        const QImage inBands = DrawTexts(cases, pen, RasterOp::Copy, background, true);
        EXPECT_TRUE(SamePixels(inBands, laidOutAfresh))
            << CountDifferent(inBands, laidOutAfresh) << " pixels differ, pen " << pen.colour << "/" << pen.width
            << "/" << pen.style;
        EXPECT_TRUE(SamePixels(DrawTexts(cases, pen, RasterOp::Copy, background), laidOutAfresh));
    }
    EXPECT_GT(TextStore::OfThisThread().Size(), stored);
    for (RasterOp op : {RasterOp::Xor, RasterOp::NotXor}) {
        ShapedTextCache::SetEnabled(false);
        const QImage laidOutAfresh = DrawTexts(cases, Pens()[0], op, background);
        ShapedTextCache::SetEnabled(true);
        const QImage fromStore = DrawTexts(cases, Pens()[0], op, background);
        EXPECT_TRUE(SamePixels(fromStore, laidOutAfresh)) << CountDifferent(fromStore, laidOutAfresh) << " differ";
    }
}

// However many threads paint in bands, and wherever the bands are cut from one paint to the next,
// each text is laid out once: by the piece that measures it first, for every band that draws it.
// The bands' pixels are those of one paint without the store.
TEST_F(CanvasText, EachTextIsLaidOutOnceWhicheverThreadsMeasureAndDrawIt)
{
    std::vector<TextCase> cases;
    for (int i = 0; i < 300; ++i)
        cases.push_back({"N" + std::to_string(i) + "q", TFont{"Arial", 143, 0, 400}, TA_CENTER | TA_BOTTOM});
    const QImage background = PlainImage(W, H, 0xFFFFFF);
    TextStore::SetEnabled(false);
    const QImage once = DrawTexts(cases, Pens()[0], RasterOp::Copy, background);
    TextStore::SetEnabled(true);
    const std::size_t before = ShapedText::Made();
    for (int threads : {2, 4, 3}) {
        const BandWorkers::ScopedLimit limit(threads);
        for (int repaint = 0; repaint < 2; ++repaint) {
            const QImage inBands = DrawTexts(cases, Pens()[0], RasterOp::Copy, background, true);
            EXPECT_TRUE(SamePixels(inBands, once)) << threads << " threads: " << CountDifferent(inBands, once);
        }
    }
    EXPECT_EQ(ShapedText::Made() - before, cases.size());
}

// Each thread lays out texts and makes fonts of its own, whatever thread it is: a thread that is
// not a painting thread of the bands neither finds nor changes the application thread's.
TEST_F(CanvasText, EveryThreadLaysOutTextsAndMakesFontsOfItsOwn)
{
    ShapedTextCache& cache = ShapedTextCache::Instance();
    const std::size_t shaped = cache.Shaped();
    const ThreadFonts* fonts = &ThreadFonts::Mine();
    const TextStore* store = &TextStore::OfThisThread();
    const ShapedTextCache* otherCache = nullptr;
    const ThreadFonts* otherFonts = nullptr;
    const TextStore* otherStore = nullptr;
    std::size_t otherShaped = 0;
    std::thread([&] {
        QImage image = PlainImage(W, H, 0xFFFFFF);
        {
            ImageCanvas dc(image);
            dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
            dc.SelectFont({"Arial", 131, 0, 400});
            dc.TextOut(2000, 1500, "a text of another thread");
        }
        otherCache = &ShapedTextCache::Instance();
        otherShaped = otherCache->Shaped();
        otherFonts = &ThreadFonts::Mine();
        otherStore = &TextStore::OfThisThread();
    }).join();
    EXPECT_NE(otherCache, &cache);
    EXPECT_NE(otherFonts, fonts);
    EXPECT_NE(otherStore, store);
    EXPECT_EQ(otherShaped, 1u);
    EXPECT_EQ(cache.Shaped(), shaped);
}

// The store takes in what the pieces laid out, a text once however many pieces laid it out, and
// holds at most its most: a batch that would take it past that empties it first, so that it holds
// the texts of the paint that is going on.
TEST_F(CanvasText, TheStoreTakesEachTextOnceAndHoldsAtMostItsMost)
{
    TextStore store;
    auto batch = [](int from, int to) {
        TextTable table;
        for (int i = from; i < to; ++i) {
            StoredText text;
            text.advance = i;
            table.Add({"Arial", 12, 400, {96, 96}, std::to_string(i)}, std::move(text));
        }
        return table;
    };
    auto find = [&](int i, int pixelSize = 12) {
        const std::string text = std::to_string(i);
        const StoredText* found = store.Find({"Arial", pixelSize, 400, {96, 96}, text});
        return found ? found->advance : -1.0;
    };
    const int most = int(TextStore::kMost);
    store.Take(batch(0, 100));
    store.Take(batch(50, 150));  // another piece met fifty of the same texts
    EXPECT_EQ(store.Size(), 150u);
    EXPECT_EQ(find(120), 120.0);
    EXPECT_EQ(find(120, 13), -1.0);  // another size is another layout
    EXPECT_TRUE(store.MayHold({"Arial", 12, 400, {96, 96}, "7"}));
    EXPECT_FALSE(store.MayHold({"Arial", 12, 700, {96, 96}, "7"}));
    store.Take(batch(150, most));
    EXPECT_EQ(store.Size(), std::size_t(most));
    EXPECT_EQ(find(0), 0.0);
    store.Take(batch(most, most + 10));
    EXPECT_EQ(store.Size(), 10u);
    EXPECT_EQ(find(0), -1.0);
    EXPECT_EQ(find(most + 9), double(most + 9));
    store.Take(batch(0, most + 10));
    EXPECT_EQ(store.Size(), std::size_t(most));
}

TEST_F(CanvasText, TheBoxOfATextHoldsEveryPixelItDraws)
{
    const QImage background = PlainImage(W, H, 0xFFFFFF);
    for (const TextCase& text : TextCases()) {
        QImage image = background.copy();
        std::optional<TRect> box;
        {
            ImageCanvas dc(image);
            dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
            dc.SelectFont(text.font);
            dc.SetTextAlign(text.align);
            box = dc.TextDeviceBox({2000, 1500}, text.text, text.font, text.align);
            // Measuring leaves the canvas's font and alignment as they were.
            EXPECT_EQ(dc.Font(), text.font);
            dc.TextOut(2000, 1500, text.text);
        }
        ASSERT_TRUE(box.has_value());
        TRect ink = InkBox(image, 0xFFFFFF);  // its right and bottom pixels included
        if (ink == TRect{})
            continue;
        ink = {ink.left, ink.top, ink.right + 1, ink.bottom + 1};
        EXPECT_EQ(ink.Intersect(*box), ink) << text.text << " " << text.font.height << "/" << text.font.escapement;
    }
}

TEST_F(CanvasText, ATextFarOutsideTheSurfaceHasABoxOutsideItAndIsNotLaidOut)
{
    QImage image = PlainImage(W, H, 0xFFFFFF);
    ImageCanvas dc(image);
    dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
    const TFont font{"Arial", 100, 0, 400};
    const std::size_t shaped = ShapedTextCache::Instance().Shaped();
    const std::optional<TRect> box = dc.TextDeviceBox({90000, 1500}, "far away", font, TA_CENTER | TA_BOTTOM);
    ASSERT_TRUE(box.has_value());
    EXPECT_TRUE(box->Intersect({0, 0, W, H}).IsEmpty());
    EXPECT_EQ(ShapedTextCache::Instance().Shaped(), shaped);
    // Within reach of the surface, it is measured: its box then lies about it.
    const std::optional<TRect> near = dc.TextDeviceBox({4100, 1500}, "near by", font, TA_CENTER | TA_BOTTOM);
    ASSERT_TRUE(near.has_value());
    EXPECT_LT(near->left, 410);
    EXPECT_GT(near->right, 410);
}

// A band of a paint leaves a text out by a rough reach before measuring it: along the baseline
// its length, across it a few cells. Every text whose letters reach into a thin band, in a row
// band or a column band, at every turn, has a box meeting the band; a level text a few cells
// beside a row band is left out unmeasured, however long.
TEST_F(CanvasText, ATextBesideABandIsLeftOutOnlyWhenNoLetterReachesIt)
{
    QImage image = PlainImage(W, H, 0xFFFFFF);
    const TRect bands[] = {{0, 140, W, 160}, {190, 0, 210, H}};
    for (const TRect& band : bands) {
        const bool rows = band.Width() == W;
        for (const TextCase& text : TextCases()) {
            for (int step = 0; step <= 20; ++step) {
                const TPoint at = rows ? TPoint{2000, step * 150} : TPoint{step * 200, 1500};
                image.fill(0xFFFFFFFF);
                std::optional<TRect> box;
                {
                    ImageCanvas dc(image);
                    dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
                    dc.SelectFont(text.font);
                    dc.SetTextAlign(text.align);
                    dc.TextOut(at.x, at.y, text.text);
                    dc.SetDeviceClip(band);
                    box = dc.TextDeviceBox(at, text.text, text.font, text.align);
                }
                ASSERT_TRUE(box.has_value());
                if (image.copy(band.left, band.top, band.Width(), band.Height()) ==
                    PlainImage(band.Width(), band.Height(), 0xFFFFFF))
                    continue;
                EXPECT_FALSE(box->Intersect(band).IsEmpty())
                    << text.text << " " << text.font.height << "/" << text.font.escapement << " at " << at.x << ","
                    << at.y;
            }
        }
    }
    ImageCanvas dc(image);
    dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
    dc.SetDeviceClip(bands[0]);
    const std::size_t shaped = ShapedTextCache::Instance().Shaped();
    const TFont level{"Arial", 100, 0, 400};
    const std::optional<TRect> below =
        dc.TextDeviceBox({2000, 800}, "a long room name written along the band", level, TA_CENTER | TA_BOTTOM);
    ASSERT_TRUE(below.has_value());
    EXPECT_TRUE(below->Intersect(bands[0]).IsEmpty());
    EXPECT_EQ(ShapedTextCache::Instance().Shaped(), shaped);
}

TEST_F(CanvasText, ATextIsShapedOnceThoughMeasuredAndDrawnInManyRepaints)
{
    QImage image = PlainImage(W, H, 0xFFFFFF);
    ShapedTextCache& cache = ShapedTextCache::Instance();
    const TFont font{"Arial", 137, 0, 400};  // a size no other test uses
    const std::size_t before = cache.Shaped();
    for (int repaint = 0; repaint < 3; ++repaint) {
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
        dc.SelectFont(font);
        dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
        for (const char* text : {"Kitchen", "Hall", "Kitchen"}) {
            ASSERT_TRUE(dc.TextDeviceBox({2000, 1000}, text, font, TA_CENTER | TA_BOTTOM).has_value());
            dc.TextOut(2000, 1000, text);
        }
    }
    EXPECT_EQ(cache.Shaped() - before, 2u);
    // Another height, weight or turn is another layout.
    {
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
        dc.SelectFont({"Arial", 137, 900, 400});
        dc.TextOut(2000, 1000, "Kitchen");
        dc.SelectFont({"Arial", 137, 0, 700});
        dc.TextOut(2000, 1000, "Kitchen");
        dc.SelectFont({"Arial", 150, 0, 400});
        dc.TextOut(2000, 1000, "Kitchen");
    }
    EXPECT_EQ(cache.Shaped() - before, 5u);
}

TEST_F(CanvasText, TextsWithControlCharactersAreDrawnAsDrawTextDrawsThemAndNeverLeftOut)
{
    QImage image = PlainImage(W, H, 0xFFFFFF);
    ImageCanvas dc(image);
    dc.SetMapping(ClientMapping(W, H, {0, 0}, {4000, 3000}));
    const TFont font{"Arial", 200, 0, 400};
    EXPECT_FALSE(dc.TextDeviceBox({2000, 1500}, "tab\there", font, TA_LEFT | TA_TOP).has_value());
    EXPECT_FALSE(dc.TextDeviceBox({2000, 1500}, std::string("end\x9C"), font, TA_LEFT | TA_TOP).has_value());
    EXPECT_TRUE(dc.TextDeviceBox({2000, 1500}, "plain", font, TA_LEFT | TA_TOP).has_value());
}

// A repaint of more different texts than the cache may hold: the texts it keeps and those laid out
// afresh past them give the pixels drawText gives, in the first repaint and in the next.
TEST_F(CanvasText, MoreTextsThanTheCacheMayHoldDrawAsDrawTextInEveryRepaint)
{
    const std::size_t count = ShapedTextCache::kMost + 300;
    const TFont font{"Arial", 60, 0, 400};
    auto repaint = [&] {
        QImage image = PlainImage(1000, 700, 0xFFFFFF);
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping(1000, 700, {0, 0}, {10000, 7000}));
        dc.SelectFont(font);
        dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
        for (std::size_t i = 0; i < count; ++i)
            dc.TextOut(int(i * 397 % 10000), int(i * 211 % 7000), std::string("R").append(std::to_string(i)));
        return image;
    };
    ShapedTextCache::SetEnabled(false);
    const QImage laidOutAfresh = repaint();
    ShapedTextCache::SetEnabled(true);
    const QImage first = repaint();
    const QImage second = repaint();
    EXPECT_TRUE(SamePixels(first, laidOutAfresh)) << CountDifferent(first, laidOutAfresh) << " pixels differ";
    EXPECT_TRUE(SamePixels(second, laidOutAfresh)) << CountDifferent(second, laidOutAfresh) << " pixels differ";
}

// A repaint of more texts than the cache holds makes it hold them all, up to its most, so that the
// next repaint of the same texts lays out none; past its most, each text is still shaped once in a
// repaint, and the next finds those the cache kept.
TEST_F(CanvasText, ARepaintOfMoreTextsThanTheCacheHoldsMakesItHoldThemUpToItsMost)
{
    ShapedTextCache cache;
    QImage image = PlainImage(8, 8, 0xFFFFFF);
    QFont font("Arial");
    font.setPixelSize(10);
    auto repaint = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const std::string text = std::to_string(i);
            ShapedText& first = cache.Get("Arial", 10, 400, 0, text, {96, 96}, font, &image);
            ShapedText& again = cache.Get("Arial", 10, 400, 0, text, {96, 96}, font, &image);
            ASSERT_EQ(&first, &again);
            ASSERT_GT(first.advance, 0.0);
        }
    };
    const std::size_t more = ShapedTextCache::kCapacity + 50;
    cache.NewRepaint();
    repaint(0, more);
    EXPECT_EQ(cache.Shaped(), more);
    cache.NewRepaint();
    repaint(0, more);
    EXPECT_EQ(cache.Shaped(), more);
    EXPECT_EQ(cache.Size(), more);

    const std::size_t most = ShapedTextCache::kMost;
    cache.NewRepaint();
    repaint(0, most + 50);
    EXPECT_EQ(cache.Shaped(), most + 50);
    EXPECT_EQ(cache.Size(), most);
    EXPECT_EQ(cache.Capacity(), most);
    // The next repaint finds the texts kept and lays out the fifty past them again.
    cache.NewRepaint();
    repaint(0, most + 50);
    EXPECT_EQ(cache.Shaped(), most + 100);
    // A repaint of fewer texts puts out others for its new ones.
    cache.NewRepaint();
    repaint(0, 100);
    repaint(most + 50, most + 60);
    EXPECT_EQ(cache.Shaped(), most + 110);
    repaint(0, 100);
    EXPECT_EQ(cache.Shaped(), most + 110);
}
