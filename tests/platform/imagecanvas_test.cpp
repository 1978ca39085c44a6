#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/qt/bandworkers.h"
#include "platform/qt/imagecanvas.h"
#include "tests/platform/pixelhelpers.h"

namespace {

constexpr int W = 400;
constexpr int H = 300;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// 4000 x 3000 logical units in the 400 x 300 client: 0.1 pixel per unit, y upwards.
TMapping TenthMapping()
{
    return ClientMapping(W, H, {0, 0}, {4000, 3000});
}

using Figure = std::function<void(Canvas&)>;

struct NamedFigure {
    std::string name;
    Figure draw;
};

// Every kind of figure, placed in the middle of the 4000 x 3000 logical window.
std::vector<NamedFigure> AllFigures()
{
    return {
        {"line chain", [](Canvas& dc) {
             dc.MoveTo(500, 500);
             dc.LineTo(3500, 500);
             dc.LineTo(3500, 2500);
             dc.LineTo(500, 500);  // back to the start: the first pixel is shared
         }},
        {"polyline crossing itself", [](Canvas& dc) {
             dc.Polyline({{400, 400}, {3600, 2600}, {3600, 400}, {400, 2600}, {2000, 200}, {2000, 2800}});
         }},
        {"polygon", [](Canvas& dc) { dc.Polygon({{600, 600}, {3400, 900}, {2000, 2700}, {1700, 1200}}); }},
        {"rectangle", [](Canvas& dc) { dc.Rectangle(3300, 700, 700, 2300); }},
        {"rounded rectangle", [](Canvas& dc) { dc.RoundRect(700, 700, 3300, 2300, 800, 500); }},
        {"ellipse", [](Canvas& dc) { dc.Ellipse(800, 600, 3200, 2400); }},
        {"circle", [](Canvas& dc) { dc.Ellipse(1000, 500, 3000, 2500); }},
        {"arc", [](Canvas& dc) { dc.Arc(1000, 500, 3000, 1500, 3000, 1000, 1000, 1000); }},
        {"sloped arc", [](Canvas& dc) { dc.Arc(600, 600, 3400, 2600, 3400, 2900, 100, 1500); }},
        {"text", [](Canvas& dc) {
             dc.SelectFont({"DejaVu Sans", 300, 0, 400});
             dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
             dc.TextOut(2000, 1500, "Living 4500");
         }},
        {"vertical text", [](Canvas& dc) {
             dc.SelectFont({"Arial", 250, 2700, 700});
             dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
             dc.TextOut(2000, 500, "Bed 2");
         }},
        {"sloped text", [](Canvas& dc) {
             dc.SelectFont({"DejaVu Sans", 200, 3150, 400});
             dc.SetTextAlign(TA_CENTER | TA_TOP);
             dc.TextOut(2000, 1500, "3000");
         }},
    };
}

struct Zoom {
    std::string name;
    TMapping mapping;
};

std::vector<Zoom> Zooms()
{
    return {
        {"tenth", TenthMapping()},
        {"odd ratio", ClientMapping(W, H, {-150, 120}, {4321, 3000})},
        {"zoomed out", ClientMapping(W, H, {-4000, -3000}, {12000, 9000})},
        {"zoomed in", ClientMapping(W, H, {1500, 1000}, {1000, 750})},
    };
}

std::vector<TBrush> Brushes()
{
    return {TBrush{}, TBrush{BrushKind::Solid, 0x3366CC, 0}, TBrush{BrushKind::Hatched, 0x00AA00, HS_DIAGCROSS}};
}

QImage DrawOnce(QImage image, const TMapping& mapping, RasterOp op, const TPen& pen, const TBrush& brush,
                const Figure& figure)
{
    {
        ImageCanvas dc(image);
        dc.SetMapping(mapping);
        dc.SetROP2(op);
        dc.SelectPen(pen);
        dc.SelectBrush(brush);
        dc.SetTextColor(pen.colour);
        // A background colour that changes nothing under the raster operation, so the gaps of a
        // styled pen leave the image alone and only the figure itself is compared.
        dc.SetBkColor(op == RasterOp::Xor ? 0x000000 : 0xFFFFFF);
        figure(dc);
    }
    return image;
}

}  // namespace

TEST(ImageCanvasXor, DrawingTwiceRestoresEveryPixel)
{
    const QImage background = PatternImage(W, H);
    int checked = 0;
    for (const Zoom& zoom : Zooms())
        for (const NamedFigure& figure : AllFigures())
            for (int style = PS_SOLID; style <= PS_NULL; ++style)
                for (int width : {0, 1, 35})
                    for (RasterOp op : {RasterOp::Xor, RasterOp::NotXor})
                        for (const TBrush& brush : Brushes()) {
                            QImage image = background.copy();
                            {
                                ImageCanvas dc(image);
                                dc.SetMapping(zoom.mapping);
                                dc.SetROP2(op);
                                dc.SelectPen({0x2040F0, width, style});
                                dc.SelectBrush(brush);
                                dc.SetTextColor(0x2040F0);
                                figure.draw(dc);
                                dc.Flush();
                                bool drawsSomething = style != PS_NULL || figure.name.find("text") != std::string::npos;
                                if (drawsSomething && zoom.name != "zoomed in") {
                                    EXPECT_FALSE(SamePixels(image, background))
                                        << figure.name << " drew nothing at " << zoom.name;
                                }
                                figure.draw(dc);
                            }
                            ASSERT_TRUE(SamePixels(image, background))
                                << figure.name << ", zoom " << zoom.name << ", style " << style << ", width "
                                << width << ", rop " << int(op) << ", brush " << int(brush.kind);
                            ++checked;
                        }
    EXPECT_GT(checked, 1000);
}

// On black, exclusive-or with a colour gives that colour; on white, not-exclusive-or does. So a
// figure whose pixels are each hit once looks exactly as when drawn with copy: no holes at
// corners or crossings, no outline pixels mixed with the fill. (Large turned letters are drawn
// by Qt with edge pixels a shade off the text colour even without antialiasing; a pixel hit twice
// would differ by far more than that shade.)
TEST(ImageCanvasXor, EachPixelIsHitOnceSoXorLooksLikeCopy)
{
    for (const Zoom& zoom : Zooms())
        for (const NamedFigure& figure : AllFigures())
            for (int style : {PS_SOLID, PS_DOT, PS_DASHDOTDOT})
                for (int width : {0, 35})
                    for (const TBrush& brush : Brushes()) {
                        TPen pen{0x2040F0, width, style};
                        int shade = figure.name.find("text") != std::string::npos ? 8 : 0;
                        QImage copyOnBlack = DrawOnce(PlainImage(W, H, kBlack), zoom.mapping, RasterOp::Copy, pen,
                                                      brush, figure.draw);
                        QImage xorOnBlack = DrawOnce(PlainImage(W, H, kBlack), zoom.mapping, RasterOp::Xor, pen,
                                                     brush, figure.draw);
                        ASSERT_LE(MaxChannelDifference(copyOnBlack, xorOnBlack), shade)
                            << figure.name << ", zoom " << zoom.name << ", style " << style << ", width " << width
                            << ", brush " << int(brush.kind) << ": "
                            << CountDifferent(copyOnBlack, xorOnBlack) << " pixels differ";
                        QImage copyOnWhite = DrawOnce(PlainImage(W, H, kWhite), zoom.mapping, RasterOp::Copy, pen,
                                                      brush, figure.draw);
                        QImage notXorOnWhite = DrawOnce(PlainImage(W, H, kWhite), zoom.mapping, RasterOp::NotXor,
                                                        pen, brush, figure.draw);
                        ASSERT_LE(MaxChannelDifference(copyOnWhite, notXorOnWhite), shade)
                            << figure.name << ", zoom " << zoom.name << ", style " << style << ", width " << width
                            << ", brush " << int(brush.kind) << ": " << CountDifferent(copyOnWhite, notXorOnWhite)
                            << " pixels differ";
                    }
}

TEST(ImageCanvasXor, XorAndNotXorCombineWithTheBackground)
{
    QImage image = PlainImage(W, H, 0x808080);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SetROP2(RasterOp::Xor);
        dc.SelectPen({MakeColour(0xFF, 0x0F, 0x00), 0, PS_SOLID});  // 0x00BBGGRR
        dc.MoveTo(100, 1000);
        dc.LineTo(3900, 1000);
        dc.SetROP2(RasterOp::NotXor);
        dc.MoveTo(100, 2000);
        dc.LineTo(3900, 2000);
    }
    EXPECT_EQ(image.pixel(200, 200) & 0xFFFFFF, 0x808080u ^ 0xFF0F00u);   // y 1000 -> row 200
    EXPECT_EQ(image.pixel(200, 100) & 0xFFFFFF, ~(0x808080u ^ 0xFF0F00u) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(200, 150) & 0xFFFFFF, 0x808080u);
}

// A dotted black band on white: the dots change nothing under exclusive-or, the gaps take the
// white background colour and so turn black. The band shows, and a second drawing erases it.
TEST(ImageCanvasXor, DottedBandShowsInItsGapsAndErases)
{
    const QImage white = PlainImage(W, H, kWhite);
    QImage image = white;
    auto band = [&] {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SetROP2(RasterOp::Xor);
        dc.SelectPen({0x000000, 0, PS_DOT});
        dc.MoveTo(100, 1000);
        dc.LineTo(3900, 1000);
    };
    band();
    const int changed = CountDifferent(white, image);
    EXPECT_GT(changed, 100);
    EXPECT_LT(changed, 380);  // gaps only, not the whole line
    band();
    EXPECT_TRUE(SamePixels(white, image));
}

TEST(ImageCanvas, PendingChainIsDrawnWhenTheCanvasGoes)
{
    QImage image = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.MoveTo(500, 500);
        dc.LineTo(3500, 500);
    }
    EXPECT_TRUE(IsInk(image, 200, 250, kWhite));
}

TEST(ImageCanvas, ArcOfPositiveHeightLiesAboveItsChord)
{
    // A chord from (1000, 1000) to (3000, 1000) with height 500 gives the box (1000, 500, 3000,
    // 1500), start (3000, 1000) and end (1000, 1000): the arc must bulge upwards.
    QImage image = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.Arc(1000, 500, 3000, 1500, 3000, 1000, 1000, 1000);
    }
    // Device: x 100..300, chord on row 200, top of the box on row 150.
    EXPECT_GT(CountInk(image, {100, 148, 300, 198}, kWhite), 150);
    EXPECT_EQ(CountInk(image, {100, 202, 300, 260}, kWhite), 0);
    EXPECT_TRUE(IsInk(image, 200, 150, kWhite) || IsInk(image, 200, 151, kWhite));
    TRect ink = InkBox(image, kWhite);
    EXPECT_NEAR(ink.left, 100, 1);
    EXPECT_NEAR(ink.right, 300, 1);

    // The same chord with height -500: box (3000, 1500, 1000, 500), start (1000, 1000), end
    // (3000, 1000): below the chord.
    QImage below = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(below);
        dc.SetMapping(TenthMapping());
        dc.Arc(3000, 1500, 1000, 500, 1000, 1000, 3000, 1000);
    }
    EXPECT_EQ(CountInk(below, {100, 140, 300, 198}, kWhite), 0);
    EXPECT_GT(CountInk(below, {100, 202, 300, 252}, kWhite), 150);

    // A vertical chord from (2000, 1000) up to (2000, 2000) with height 400: box (1600, 1000,
    // 2400, 2000), start at the upper end, end at the lower: left of the chord.
    QImage left = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(left);
        dc.SetMapping(TenthMapping());
        dc.Arc(1600, 1000, 2400, 2000, 2000, 2000, 2000, 1000);
    }
    EXPECT_GT(CountInk(left, {155, 100, 198, 200}, kWhite), 60);
    EXPECT_EQ(CountInk(left, {202, 90, 260, 210}, kWhite), 0);
}

TEST(ImageCanvas, ArcsInARowDrawEachAsOnAFreshCanvas)
{
    // One canvas draws arcs one after another (a large one, a small one, one with a box of one
    // point, a whole ellipse); each must leave what it leaves when drawn by a canvas of its own,
    // under copy and under exclusive-or, where anything of an earlier arc drawn again shows.
    struct ArcCall {
        int left, top, right, bottom, startX, startY, endX, endY;
    };
    const std::vector<ArcCall> arcs = {
        {600, 600, 3400, 2600, 3400, 2900, 100, 1500},
        {1800, 1200, 2200, 1500, 2200, 1350, 1800, 1350},
        {2000, 1000, 2000, 1000, 2500, 1000, 2000, 1500},
        {1000, 500, 3000, 2500, 2000, 2900, 2000, 2900},
        {3000, 1500, 1000, 500, 1000, 1000, 3000, 1000},
    };
    TPen pen;
    pen.colour = 0x3366CC;
    for (RasterOp op : {RasterOp::Copy, RasterOp::Xor}) {
        const QImage background = PatternImage(W, H);
        QImage inARow = background, apart = background;
        {
            ImageCanvas dc(inARow);
            dc.SetMapping(TenthMapping());
            dc.SetROP2(op);
            dc.SelectPen(pen);
            for (const ArcCall& a : arcs)
                dc.Arc(a.left, a.top, a.right, a.bottom, a.startX, a.startY, a.endX, a.endY);
        }
        for (const ArcCall& a : arcs) {
            ImageCanvas dc(apart);
            dc.SetMapping(TenthMapping());
            dc.SetROP2(op);
            dc.SelectPen(pen);
            dc.Arc(a.left, a.top, a.right, a.bottom, a.startX, a.startY, a.endX, a.endY);
        }
        EXPECT_FALSE(SamePixels(inARow, background));
        EXPECT_TRUE(SamePixels(inARow, apart)) << CountDifferent(inARow, apart) << " pixels differ";
    }
}

TEST(ImageCanvas, ArcRunsBetweenTheRaysThroughItsEndPoints)
{
    // Quarter of a circle of radius 100 pixels: from the ray to the right to the ray upwards
    // (anticlockwise); the end points lie far outside the circle on those rays.
    QImage image = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.Arc(1000, 500, 3000, 2500, 3900, 1500, 2000, 2900);
    }
    TRect ink = InkBox(image, kWhite);
    EXPECT_NEAR(ink.left, 200, 1);
    EXPECT_NEAR(ink.right, 300, 1);
    EXPECT_NEAR(ink.top, 50, 1);
    EXPECT_NEAR(ink.bottom, 150, 1);
}

TEST(ImageCanvas, ArcWithEqualRaysIsTheWholeEllipse)
{
    QImage arc = PlainImage(W, H, kWhite), ellipse = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(arc);
        dc.SetMapping(TenthMapping());
        dc.Arc(1000, 500, 3000, 2500, 2000, 2900, 2000, 2900);
    }
    {
        ImageCanvas dc(ellipse);
        dc.SetMapping(TenthMapping());
        dc.Ellipse(1000, 500, 3000, 2500);
    }
    TRect a = InkBox(arc, kWhite), e = InkBox(ellipse, kWhite);
    EXPECT_NEAR(a.left, e.left, 1);
    EXPECT_NEAR(a.top, e.top, 1);
    EXPECT_NEAR(a.right, e.right, 1);
    EXPECT_NEAR(a.bottom, e.bottom, 1);
    EXPECT_GT(CountInk(arc, {0, 0, W - 1, H - 1}, kWhite), 500);  // about 2 pi 100 pixels
}

TEST(ImageCanvas, BoxesInAnyCornerOrderDrawTheSame)
{
    auto draw = [](std::function<void(Canvas&, int, int, int, int)> figure, int l, int t, int r, int b) {
        QImage image = PlainImage(W, H, kWhite);
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SelectBrush({BrushKind::Solid, 0x00FF00, 0});
        figure(dc, l, t, r, b);
        dc.Flush();
        return image.copy();
    };
    std::vector<std::function<void(Canvas&, int, int, int, int)>> figures = {
        [](Canvas& dc, int l, int t, int r, int b) { dc.Rectangle(l, t, r, b); },
        [](Canvas& dc, int l, int t, int r, int b) { dc.Ellipse(l, t, r, b); },
        [](Canvas& dc, int l, int t, int r, int b) { dc.RoundRect(l, t, r, b, 600, 300); },
    };
    for (auto& figure : figures) {
        QImage a = draw(figure, 1000, 500, 3000, 2000);
        EXPECT_TRUE(SamePixels(a, draw(figure, 3000, 2000, 1000, 500)));
        EXPECT_TRUE(SamePixels(a, draw(figure, 1000, 2000, 3000, 500)));
        EXPECT_TRUE(SamePixels(a, draw(figure, 3000, 500, 1000, 2000)));
    }
}

TEST(ImageCanvas, RoundedRectangleHasRoundCornersOfTheGivenSize)
{
    // Box (1000, 1000)-(3000, 2500) is device (100, 50)-(300, 200); corner ellipse 800 x 800
    // logical units is 80 x 80 pixels, so each corner is a quarter circle of radius 40.
    QImage image = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.RoundRect(1000, 1000, 3000, 2500, 800, 800);
    }
    TRect ink = InkBox(image, kWhite);
    EXPECT_NEAR(ink.left, 100, 1);
    EXPECT_NEAR(ink.top, 50, 1);
    EXPECT_NEAR(ink.right, 300, 1);
    EXPECT_NEAR(ink.bottom, 200, 1);
    // The straight sides start 40 pixels from each corner; the corners themselves stay clear.
    EXPECT_TRUE(IsInk(image, 100, 125, kWhite));
    EXPECT_TRUE(IsInk(image, 200, 50, kWhite));
    EXPECT_TRUE(IsInk(image, 100, 92, kWhite));
    EXPECT_EQ(CountInk(image, {100, 50, 108, 58}, kWhite), 0);
    EXPECT_EQ(CountInk(image, {292, 192, 300, 200}, kWhite), 0);
    EXPECT_EQ(CountInk(image, {100, 50, 100, 80}, kWhite), 0);  // left side begins near row 90
    // On the quarter circle at 45 degrees: 40 * (1 - 0.707) = 11.7 pixels in from both sides.
    EXPECT_GT(CountInk(image, {109, 59, 115, 65}, kWhite), 0);
}

TEST(ImageCanvas, PensAreAtLeastOnePixelAndScaleWithTheMapping)
{
    // A horizontal line across the middle of the window; its thickness in pixels.
    auto thickness = [](int width, const TMapping& mapping) {
        QImage image = PlainImage(W, H, kWhite);
        {
            ImageCanvas dc(image);
            dc.SetMapping(mapping);
            dc.SelectPen({0, width, PS_SOLID});
            TPoint left = dc.DPtoLP({0, H / 2}), right = dc.DPtoLP({W, H / 2});
            dc.MoveTo(left.x, left.y);
            dc.LineTo(right.x, right.y);
        }
        return CountInk(image, {200, 0, 200, H - 1}, kWhite);
    };
    EXPECT_EQ(thickness(0, TenthMapping()), 1);
    EXPECT_EQ(thickness(1, TenthMapping()), 1);
    EXPECT_EQ(thickness(5, TenthMapping()), 1);  // half a pixel
    EXPECT_EQ(thickness(50, TenthMapping()), 5);
    EXPECT_EQ(thickness(90, TenthMapping()), 9);
    EXPECT_EQ(thickness(2, ClientMapping(W, H, {1000, 1000}, {100, 75})), 8);  // 4 pixels per unit
}

TEST(ImageCanvas, PenStylesLeaveGapsAndTheNullPenDrawsNoOutline)
{
    auto inkOnLine = [](int style) {
        QImage image = PlainImage(W, H, kWhite);
        {
            ImageCanvas dc(image);
            dc.SetMapping(TenthMapping());
            dc.SelectPen({0, 1, style});
            dc.MoveTo(0, 1500);
            dc.LineTo(4000, 1500);
        }
        return CountInk(image, {0, 0, W - 1, H - 1}, kWhite);
    };
    int solid = inkOnLine(PS_SOLID);
    EXPECT_EQ(solid, 400);
    for (int style : {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT}) {
        int n = inkOnLine(style);
        EXPECT_GT(n, 100) << style;
        EXPECT_LT(n, solid) << style;
    }
    EXPECT_LT(inkOnLine(PS_DOT), inkOnLine(PS_DASH));
    EXPECT_EQ(inkOnLine(PS_NULL), 0);

    // A null pen with a solid brush fills without an outline.
    QImage image = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SelectPen({0xFF0000, 1, PS_NULL});
        dc.SelectBrush({BrushKind::Solid, 0x00FF00, 0});
        dc.Rectangle(1000, 1000, 2000, 2000);
    }
    TRect ink = InkBox(image, kWhite);
    EXPECT_EQ(image.pixel(150, 150) & 0xFFFFFF, 0x00FF00u);  // 0x00BBGGRR green is RGB green too
    EXPECT_EQ(image.pixel(ink.left, 150) & 0xFFFFFF, 0x00FF00u);
}

TEST(ImageCanvas, BrushesFillTheInteriorAndThePenOutlinesIt)
{
    QImage image = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SelectPen({MakeColour(255, 0, 0), 1, PS_SOLID});
        dc.SelectBrush({BrushKind::Solid, MakeColour(0, 0, 255), 0});
        dc.Polygon({{1000, 1000}, {2000, 1000}, {2000, 2000}, {1000, 2000}});
        dc.SelectBrush({BrushKind::Hatched, MakeColour(0, 128, 0), HS_HORIZONTAL});
        dc.Ellipse(2500, 500, 3500, 1500);
    }
    EXPECT_EQ(image.pixel(150, 150) & 0xFFFFFF, 0x0000FFu);   // QRgb is 0xRRGGBB: blue inside
    EXPECT_EQ(image.pixel(100, 150) & 0xFFFFFF, 0xFF0000u);   // red outline
    // Hatched: some rows inside the ellipse are filled, others are not.
    int hatched = CountInk(image, {280, 180, 320, 220}, kWhite);
    EXPECT_GT(hatched, 20);
    EXPECT_LT(hatched, 41 * 41 / 2);
}

TEST(ImageCanvas, HatchesRunTheirWay)
{
    // Forward diagonal hatching runs down to the right on the screen, backward up to the right;
    // horizontal and vertical as named.
    auto hatchStep = [](int hatch) {
        QImage image = PlainImage(W, H, kWhite);
        {
            ImageCanvas dc(image);
            dc.SelectPen({0, 0, PS_NULL});
            dc.SelectBrush({BrushKind::Hatched, 0, hatch});
            dc.Rectangle(0, 0, 100, 100);
        }
        for (int y = 40; y < 60; ++y)
            for (int x = 40; x < 60; ++x)
                if (IsInk(image, x, y, kWhite)) {
                    if (IsInk(image, x + 1, y + 1, kWhite) && !IsInk(image, x + 1, y - 1, kWhite))
                        return std::string("down-right");
                    if (IsInk(image, x + 1, y - 1, kWhite) && !IsInk(image, x + 1, y + 1, kWhite))
                        return std::string("up-right");
                    if (IsInk(image, x + 1, y, kWhite) && !IsInk(image, x, y + 1, kWhite))
                        return std::string("across");
                    if (IsInk(image, x, y + 1, kWhite) && !IsInk(image, x + 1, y, kWhite))
                        return std::string("down");
                }
        return std::string("none");
    };
    EXPECT_EQ(hatchStep(HS_FDIAGONAL), "down-right");
    EXPECT_EQ(hatchStep(HS_BDIAGONAL), "up-right");
    EXPECT_EQ(hatchStep(HS_HORIZONTAL), "across");
    EXPECT_EQ(hatchStep(HS_VERTICAL), "down");
}

TEST(ImageCanvas, FillDeviceRectIgnoresMappingAndRasterOp)
{
    QImage image = PlainImage(W, H, 0x123456);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SetROP2(RasterOp::Xor);
        dc.FillDeviceRect({10, 20, 30, 40}, MakeColour(0xAA, 0xBB, 0xCC));
    }
    EXPECT_EQ(image.pixel(10, 20) & 0xFFFFFF, 0xAABBCCu);
    EXPECT_EQ(image.pixel(29, 39) & 0xFFFFFF, 0xAABBCCu);
    EXPECT_EQ(image.pixel(30, 39) & 0xFFFFFF, 0x123456u);  // right and bottom edges excluded
    EXPECT_EQ(image.pixel(29, 40) & 0xFFFFFF, 0x123456u);
}

TEST(ImageCanvas, DeviceClipLimitsDrawing)
{
    QImage image = PlainImage(W, H, kWhite);
    {
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SetDeviceClip({100, 100, 200, 200});
        dc.SelectBrush({BrushKind::Solid, 0, 0});
        dc.Rectangle(0, 0, 4000, 3000);
        dc.SetROP2(RasterOp::Xor);
        dc.SelectBrush({BrushKind::Solid, 0x00FF00, 0});
        dc.Ellipse(0, 0, 4000, 3000);  // fill and outline through the layer
        dc.ResetDeviceClip();
        dc.SetROP2(RasterOp::Copy);
        dc.FillDeviceRect({0, 0, 10, 10}, 0);
    }
    TRect ink = InkBox(image, kWhite);
    EXPECT_EQ(ink, (TRect{0, 0, 199, 199}));
    EXPECT_EQ(CountInk(image, {11, 11, 99, 99}, kWhite), 0);
    EXPECT_EQ(CountInk(image, {100, 100, 199, 199}, kWhite), 100 * 100);
}

TEST(ImageCanvas, FarOffFiguresAndDeepZoomsAreSafe)
{
    // 700 pixels per logical unit: most points land far outside the image.
    QImage image = PlainImage(W, H, kWhite);
    QImage before = image.copy();
    {
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping(W, H, {0, 0}, {1, 1}));
        dc.SetROP2(RasterOp::Xor);
        dc.SelectPen({0, 3, PS_DASH});
        dc.SelectBrush({BrushKind::Solid, 0x00FF00, 0});
        for (int pass = 0; pass < 2; ++pass) {
            dc.MoveTo(-2000000000, -2000000000);
            dc.LineTo(2000000000, 2000000000);
            dc.Ellipse(-2000000000, -5, 2000000000, 5);
            dc.Polygon({{-3000000, 0}, {3000000, 0}, {0, 3000000}});
            dc.Arc(-1000000, -1000000, 1000000, 1000000, 1, 0, 0, 1);
        }
    }
    EXPECT_TRUE(SamePixels(image, before));
}

TEST(ImageCanvas, NullImageDrawsNothingButStillMeasures)
{
    QImage none;
    ImageCanvas dc(none);
    EXPECT_FALSE(dc.IsActive());
    dc.MoveTo(0, 0);
    dc.LineTo(10, 10);
    dc.SetROP2(RasterOp::Xor);
    dc.Rectangle(0, 0, 10, 10);
    dc.TextOut(0, 0, "x");
    dc.SelectFont({"DejaVu Sans", 40, 0, 400});
    EXPECT_EQ(dc.GetTextMetrics().height, 40);
    EXPECT_GT(dc.GetTextExtent("abc").x, 0);
}

// Text: the font height is the cell height, the alignment places the cell, and the escapement
// turns the baseline clockwise on the screen.
class ImageCanvasText : public ::testing::Test {
protected:
    QImage Draw(int escapement, unsigned align, const std::string& text, TPoint at = {2000, 1500},
                const std::string& face = "DejaVu Sans")
    {
        QImage image = PlainImage(W, H, kWhite);
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SelectFont({face, 200, escapement, 400});  // 20 pixels
        dc.SetTextAlign(align);
        dc.TextOut(at.x, at.y, text);
        dc.Flush();
        return image.copy();
    }
};

TEST_F(ImageCanvasText, HorizontalTextStandsOnItsBottomAnchor)
{
    // Anchor (2000, 1500) is pixel (200, 150).
    TRect ink = InkBox(Draw(0, TA_LEFT | TA_BOTTOM, "Hall 4x5"), kWhite);
    EXPECT_GE(ink.left, 199);
    EXPECT_LE(ink.left, 204);
    EXPECT_LE(ink.bottom, 149);
    EXPECT_GE(ink.top, 130);                // within the 20-pixel cell
    EXPECT_GT(ink.right - ink.left, 40);    // runs to the right
    EXPECT_LT(ink.bottom - ink.top, 20);

    TRect top = InkBox(Draw(0, TA_LEFT | TA_TOP, "Hall 4x5"), kWhite);
    EXPECT_GE(top.top, 150);
    EXPECT_LE(top.bottom, 170);

    TRect centred = InkBox(Draw(0, TA_CENTER | TA_BOTTOM, "Hall 4x5"), kWhite);
    EXPECT_NEAR((centred.left + centred.right) / 2.0, 200, 3);
    EXPECT_LE(centred.bottom, 149);
}

TEST_F(ImageCanvasText, Escapement900ReadsDownwards)
{
    TRect ink = InkBox(Draw(900, TA_LEFT | TA_BOTTOM, "Hall 4x5"), kWhite);
    EXPECT_GE(ink.top, 149);               // starts at the anchor and runs down the screen
    EXPECT_GT(ink.bottom - ink.top, 40);
    EXPECT_GE(ink.left, 200);              // letters stand on the anchor, tops to the right
    EXPECT_LE(ink.right, 221);
    EXPECT_LT(ink.right - ink.left, 20);
}

TEST_F(ImageCanvasText, Escapement2700ReadsUpwards)
{
    TRect ink = InkBox(Draw(2700, TA_LEFT | TA_BOTTOM, "Hall 4x5"), kWhite);
    EXPECT_LE(ink.bottom, 151);            // starts at the anchor and runs up the screen
    EXPECT_GT(ink.bottom - ink.top, 40);
    EXPECT_LE(ink.right, 200);             // tops of the letters to the left
    EXPECT_GE(ink.left, 179);
    EXPECT_LT(ink.right - ink.left, 20);

    // Centred, the ink straddles the anchor's row; the first letter is at the bottom.
    QImage centred = Draw(2700, TA_CENTER | TA_BOTTOM, "M        ");
    TRect m = InkBox(centred, kWhite);
    EXPECT_GT(m.top, 150);
    QImage down = Draw(900, TA_CENTER | TA_BOTTOM, "M        ");
    EXPECT_LT(InkBox(down, kWhite).bottom, 150);
}

TEST_F(ImageCanvasText, SlopedEscapementFollowsALineUpAndToTheRight)
{
    // A label on a line rising at 45 degrees carries escapement 3150.
    TRect ink = InkBox(Draw(3150, TA_LEFT | TA_BOTTOM, "Wall wall wall"), kWhite);
    EXPECT_GE(ink.left, 180);
    EXPECT_LE(ink.bottom, 155);
    EXPECT_GT(ink.right, 250);
    EXPECT_LT(ink.top, 100);
}

TEST_F(ImageCanvasText, TextIsNotMirroredByTheYUpMapping)
{
    // "L" has its foot at the bottom left: upright text puts ink in the bottom left of the box.
    QImage image = Draw(0, TA_LEFT | TA_BOTTOM, "L");
    TRect ink = InkBox(image, kWhite);
    int bottomRow = 0, topRow = 0;
    for (int x = ink.left; x <= ink.right; ++x) {
        bottomRow += IsInk(image, x, ink.bottom, kWhite);
        topRow += IsInk(image, x, ink.top, kWhite);
    }
    EXPECT_GT(bottomRow, topRow);
    EXPECT_TRUE(IsInk(image, ink.left, ink.top, kWhite));
    EXPECT_FALSE(IsInk(image, ink.right, ink.top, kWhite));
}

// A height read from a file can be any int: a font whose drawn size is past what the int range
// holds draws at the largest pixel size, as any other oversized font does.
TEST_F(ImageCanvasText, FontsBeyondTheLargestPixelSizeDrawAtIt)
{
    auto draw = [](int height) {
        QImage image = PlainImage(W, H, kWhite);
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping(W, H, {0, 0}, {1, 1}));  // 300 pixels per unit
        dc.SelectFont({"DejaVu Sans", height, 0, 400});
        dc.SetTextAlign(TA_CENTER | TA_BASELINE);
        dc.TextOut(1, 0, "I");  // the stem rises from the bottom edge of the image at x = 300
        dc.Flush();
        return image.copy();
    };
    QImage largest = draw(100);  // 100 units make 30000 pixels: drawn at the largest size
    EXPECT_GT(CountInk(largest, {0, 0, W - 1, H - 1}, kWhite), W * H / 2);
    EXPECT_TRUE(SamePixels(draw(1000000000), largest));
    EXPECT_TRUE(SamePixels(draw(INT_MIN), largest));
}

TEST_F(ImageCanvasText, MetricsOfTheMostNegativeHeightStayPositive)
{
    QImage image = PlainImage(W, H, kWhite);
    ImageCanvas dc(image);
    dc.SetMapping(TenthMapping());
    dc.SelectFont({"DejaVu Sans", INT_MIN, 0, 400});
    TTextMetrics m = dc.GetTextMetrics();
    EXPECT_EQ(m.height, INT_MAX);
    EXPECT_GT(m.ascent, m.descent);
    EXPECT_GT(m.descent, 0);
    EXPECT_EQ(m.ascent + m.descent, m.height);
    EXPECT_GE(m.internalLeading, 0);
}

TEST_F(ImageCanvasText, MetricsAreInLogicalUnitsAndTheCellIsTheFontHeight)
{
    for (const char* face : {"DejaVu Sans", "Arial"}) {
        QImage image = PlainImage(W, H, kWhite);
        ImageCanvas dc(image);
        dc.SetMapping(TenthMapping());
        dc.SelectFont({face, 200, 0, 400});
        TTextMetrics m = dc.GetTextMetrics();
        EXPECT_EQ(m.height, 200) << face;
        EXPECT_EQ(m.ascent + m.descent, 200);
        EXPECT_GT(m.ascent, 3 * m.descent);
        EXPECT_GT(m.internalLeading, 0);
        EXPECT_GT(m.aveCharWidth, 50);
        EXPECT_LT(m.aveCharWidth, 150);
        TPoint extent = dc.GetTextExtent("Hall 4x5");
        EXPECT_EQ(extent.y, 200);
        EXPECT_GT(extent.x, 500);
        EXPECT_LT(extent.x, 1200);
        // The measured extent matches the drawn ink
        dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
        dc.TextOut(1000, 1500, "Hall 4x5");
        dc.Flush();
        TRect ink = InkBox(image, kWhite);
        // (the ink leaves out the side bearings of the first and last letters, and the drawn
        // font has a whole number of pixels).
        EXPECT_LE(ink.right - ink.left + 1, extent.x / 10.0 + 1) << face;
        EXPECT_GE(ink.right - ink.left + 1, extent.x / 10.0 * 0.85) << face;

        // The same font is the same size in logical units at another zoom.
        dc.SetMapping(ClientMapping(W, H, {0, 0}, {12345, 9000}));
        EXPECT_EQ(dc.GetTextExtent("Hall 4x5"), extent);

        // A negative height is the em height: the cell is taller.
        dc.SelectFont({face, -200, 0, 400});
        TTextMetrics em = dc.GetTextMetrics();
        EXPECT_GT(em.height, 200);
        EXPECT_EQ(em.height - em.internalLeading, 200);

        // Bold is wider.
        dc.SelectFont({face, 200, 0, 700});
        EXPECT_GT(dc.GetTextExtent("Hall 4x5").x, extent.x);
    }
}

namespace {

// What the bands of one PaintInBands were: their clips and the threads that painted them.
struct BandsSeen {
    std::mutex lock;
    std::vector<TRect> clips;
    std::set<std::thread::id> threads;
};

// As DrawOnce, but the figure painted in bands on a canvas given the state beforehand (and a
// partial repaint's clip, when one is given).
QImage DrawInBands(QImage image, const TMapping& mapping, const TPen& pen, const TBrush& brush, const Figure& figure,
                   const std::optional<TRect>& clip, BandsSeen& seen)
{
    {
        ImageCanvas dc(image);
        if (clip)
            dc.SetDeviceClip(*clip);
        dc.SetMapping(mapping);
        dc.SelectPen(pen);
        dc.SelectBrush(brush);
        dc.SetTextColor(pen.colour);
        dc.SetBkColor(0xFFFFFF);
        dc.PaintInBands([&](Canvas& band) {
            {
                const std::lock_guard<std::mutex> hold(seen.lock);
                seen.clips.push_back(band.DeviceClip());
                seen.threads.insert(std::this_thread::get_id());
            }
            figure(band);
        });
    }
    return image;
}

}  // namespace

// Painting in bands at once gives the pixels of one paint: every figure, cut by the bands' edges,
// at every zoom, with thin, thick and dashed pens and every brush, in the whole image and in a
// partial repaint; the bands start with the canvas's state, tile the area and run on several threads.
TEST(ImageCanvasBands, EveryFigureCutByTheBandsPaintsAsOnOneCanvas)
{
    const BandWorkers::ScopedLimit limit(4);
    const std::optional<TRect> clips[] = {std::nullopt, TRect{37, 21, 389, 283}};
    const TPen pens[] = {TPen{0x0000FF, 1, PS_SOLID}, TPen{0xCC0000, 45, PS_SOLID}, TPen{0x008800, 1, PS_DASHDOT}};
    int cases = 0;
    int drawn = 0;  // cases where the figure shows (a hollow one zoomed in may lie outside)
    // Cases painted on more than one thread (the calling thread takes every band of a figure it
    // finishes before the kept threads wake).
    int severalThreads = 0;
    for (const NamedFigure& figure : AllFigures()) {
        for (const Zoom& zoom : Zooms()) {
            for (const TBrush& brush : Brushes()) {
                for (const TPen& pen : pens) {
                    for (const std::optional<TRect>& clip : clips) {
                        SCOPED_TRACE(figure.name + " " + zoom.name + " pen " + std::to_string(pen.width) +
                                     " style " + std::to_string(pen.style) + (clip ? " clipped" : ""));
                        QImage whole = PatternImage(W, H);
                        {
                            ImageCanvas dc(whole);
                            if (clip)
                                dc.SetDeviceClip(*clip);
                            dc.SetMapping(zoom.mapping);
                            dc.SelectPen(pen);
                            dc.SelectBrush(brush);
                            dc.SetTextColor(pen.colour);
                            dc.SetBkColor(0xFFFFFF);
                            figure.draw(dc);
                        }
                        BandsSeen seen;
                        const QImage banded =
                            DrawInBands(PatternImage(W, H), zoom.mapping, pen, brush, figure.draw, clip, seen);
                        EXPECT_TRUE(SamePixels(whole, banded));
                        ++cases;
                        drawn += SamePixels(whole, PatternImage(W, H)) ? 0 : 1;

                        const TRect area = clip ? *clip : TRect{0, 0, W, H};
                        ASSERT_EQ(seen.clips.size(), 4u);
                        std::sort(seen.clips.begin(), seen.clips.end(),
                                  [](const TRect& a, const TRect& b) { return a.top < b.top; });
                        int top = area.top;
                        for (const TRect& band : seen.clips) {
                            EXPECT_EQ(band.left, area.left);
                            EXPECT_EQ(band.right, area.right);
                            EXPECT_EQ(band.top, top);
                            top = band.bottom;
                        }
                        EXPECT_EQ(top, area.bottom);
                        severalThreads += seen.threads.size() >= 2 ? 1 : 0;
                    }
                }
            }
        }
    }
    EXPECT_GT(drawn, cases * 9 / 10);
    EXPECT_GT(severalThreads, 0);
}

// Too few rows for two bands, or exclusive-or drawing: the figure is painted once, on the canvas
// itself.
TEST(ImageCanvasBands, AThinStripOrExclusiveOrIsPaintedOnTheCanvasItself)
{
    const BandWorkers::ScopedLimit limit(4);
    QImage image = PlainImage(W, H, kWhite);
    ImageCanvas dc(image);
    std::vector<Canvas*> painted;
    std::mutex lock;
    auto note = [&](Canvas& band) {
        const std::lock_guard<std::mutex> hold(lock);
        painted.push_back(&band);
    };
    dc.SetDeviceClip({0, 100, W, 100 + 2 * ImageCanvas::kMinBandRows - 1});
    dc.PaintInBands(note);
    EXPECT_EQ(painted, std::vector<Canvas*>{&dc});

    painted.clear();
    dc.SetDeviceClip({0, 100, W, 100 + 2 * ImageCanvas::kMinBandRows});
    dc.PaintInBands(note);
    EXPECT_EQ(painted.size(), 2u);

    painted.clear();
    dc.SetROP2(RasterOp::Xor);
    dc.PaintInBands(note);
    EXPECT_EQ(painted, std::vector<Canvas*>{&dc});
}
