#include <gtest/gtest.h>

#include <climits>

#include "platform/recordingcanvas.h"

using Kind = TCanvasRecord::Kind;

TEST(CanvasState, LineToChainIsOnePolylineUntilSomethingElseHappens)
{
    RecordingCanvas dc;
    dc.MoveTo(10, 10);
    dc.LineTo(50, 10);
    dc.LineTo(50, 40);
    dc.LineTo(10, 10);
    EXPECT_EQ(dc.CurrentPosition(), (TPoint{10, 10}));
    const auto& records = dc.Records();  // flushes the open chain
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].kind, Kind::Polyline);
    EXPECT_EQ(records[0].points, (std::vector<TPoint>{{10, 10}, {50, 10}, {50, 40}, {10, 10}}));
}

TEST(CanvasState, EachKindOfInterruptionEndsTheChain)
{
    RecordingCanvas dc;
    dc.SelectPen({0x0000FF, 1, PS_DOT});
    dc.SetROP2(RasterOp::Xor);
    dc.MoveTo(0, 0);
    dc.LineTo(5, 0);
    dc.LineTo(5, 5);
    dc.SetROP2(RasterOp::NotXor);  // a state change: the chain so far keeps the old state
    dc.LineTo(0, 5);               // continues from the current position
    dc.Rectangle(1, 2, 3, 4);      // another figure
    dc.LineTo(9, 9);
    dc.MoveTo(20, 20);             // a new start
    dc.LineTo(30, 20);
    dc.Flush();
    dc.LineTo(30, 30);

    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0].points, (std::vector<TPoint>{{0, 0}, {5, 0}, {5, 5}}));
    EXPECT_EQ(r[0].rop, RasterOp::Xor);
    EXPECT_EQ(r[1].points, (std::vector<TPoint>{{5, 5}, {0, 5}}));
    EXPECT_EQ(r[1].rop, RasterOp::NotXor);
    EXPECT_EQ(r[2].kind, Kind::Rectangle);
    EXPECT_EQ(r[3].points, (std::vector<TPoint>{{0, 5}, {9, 9}}));
    EXPECT_EQ(r[4].points, (std::vector<TPoint>{{20, 20}, {30, 20}}));
    EXPECT_EQ(r[5].points, (std::vector<TPoint>{{30, 20}, {30, 30}}));
}

TEST(CanvasState, SelectingTheSameStateAgainKeepsTheChain)
{
    RecordingCanvas dc;
    TPen pen{0x00FF00, 2, PS_SOLID};
    dc.SelectPen(pen);
    dc.MoveTo(0, 0);
    dc.LineTo(1, 0);
    dc.SelectPen(pen);
    dc.SetROP2(RasterOp::Copy);
    dc.SetMapping(TMapping{});
    dc.LineTo(1, 1);
    EXPECT_EQ(dc.Count(Kind::Polyline), 1);
    EXPECT_EQ(dc.Records()[0].points.size(), 3u);
}

TEST(CanvasState, SettersReturnThePreviousValue)
{
    RecordingCanvas dc;
    EXPECT_EQ(dc.SetROP2(RasterOp::Xor), RasterOp::Copy);
    EXPECT_EQ(dc.SetROP2(RasterOp::Copy), RasterOp::Xor);
    TPen pen{0x123456, 3, PS_DASH};
    EXPECT_EQ(dc.SelectPen(pen), TPen{});
    EXPECT_EQ(dc.SelectPen(TPen{}), pen);
    TBrush brush{BrushKind::Hatched, 0xFF, HS_CROSS};
    EXPECT_EQ(dc.SelectBrush(brush), TBrush{});
    EXPECT_EQ(dc.Brush(), brush);
    TFont font{"DejaVu Sans", 40, 2700, 700};
    EXPECT_EQ(dc.SelectFont(font), TFont{});
    EXPECT_EQ(dc.SelectFont(TFont{}), font);
    EXPECT_EQ(dc.SetTextAlign(TA_CENTER | TA_BOTTOM), unsigned(TA_LEFT | TA_TOP));
    EXPECT_EQ(dc.SetTextAlign(TA_LEFT), unsigned(TA_CENTER | TA_BOTTOM));
    EXPECT_EQ(dc.SetTextColor(0xABCDEF), 0u);
    EXPECT_EQ(dc.TextColor(), 0xABCDEFu);
}

TEST(CanvasState, RecordsCarryTheStateInForce)
{
    RecordingCanvas dc;
    TMapping m = TMapping::Isotropic({100, 200}, {8000, 5000}, {0, 700}, {1000, -700});
    dc.SetMapping(m);
    dc.SelectPen({0x0000FF, 2, PS_DASHDOT});
    dc.SelectBrush({BrushKind::Solid, 0x00FF00, HS_DIAGCROSS});
    dc.SelectFont({"Arial", 50, 900, 400});
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc.SetTextColor(0x112233);
    dc.SetROP2(RasterOp::NotXor);
    dc.SetDeviceClip({10, 20, 5, 2});
    dc.Ellipse(3000, 1000, 1000, 2000);
    dc.Arc(1000, 500, 3000, 1500, 3000, 1000, 1000, 1000);
    dc.RoundRect(0, 0, 100, 50, 40, 20);
    dc.TextOut(700, 800, "Hall");
    dc.ResetDeviceClip();
    dc.FillDeviceRect({50, 60, 10, 20}, 0xFFFFFF);

    const auto& r = dc.Records();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].kind, Kind::Ellipse);
    EXPECT_EQ(r[0].box, (TRect{3000, 1000, 1000, 2000}));  // kept in the order given
    EXPECT_EQ(r[0].mapping, m);
    EXPECT_EQ(r[0].pen, (TPen{0x0000FF, 2, PS_DASHDOT}));
    EXPECT_EQ(r[0].brush.kind, BrushKind::Solid);
    EXPECT_EQ(r[0].rop, RasterOp::NotXor);
    EXPECT_TRUE(r[0].clipped);
    EXPECT_EQ(r[0].clip, (TRect{5, 2, 10, 20}));
    EXPECT_EQ(r[1].kind, Kind::Arc);
    EXPECT_EQ(r[1].start, (TPoint{3000, 1000}));
    EXPECT_EQ(r[1].end, (TPoint{1000, 1000}));
    EXPECT_EQ(r[1].points.size(), 4u);
    EXPECT_EQ(r[2].corner, (TPoint{40, 20}));
    EXPECT_EQ(r[3].kind, Kind::TextOut);
    EXPECT_EQ(r[3].text, "Hall");
    EXPECT_EQ(r[3].points, (std::vector<TPoint>{{700, 800}}));
    EXPECT_EQ(r[3].font.escapement, 900);
    EXPECT_EQ(r[3].align, unsigned(TA_CENTER | TA_BOTTOM));
    EXPECT_EQ(r[3].textColour, 0x112233u);
    EXPECT_EQ(r[4].kind, Kind::FillDeviceRect);
    EXPECT_EQ(r[4].box, (TRect{10, 20, 50, 60}));  // device fills are put in order
    EXPECT_FALSE(r[4].clipped);
    EXPECT_EQ(dc.RecordsOf(Kind::Arc).size(), 1u);
}

TEST(CanvasState, TextFormIsReadable)
{
    RecordingCanvas dc;
    dc.SetROP2(RasterOp::Xor);
    dc.SelectPen({0x0000FF, 1, PS_DOT});
    dc.MoveTo(10, 20);
    dc.LineTo(30, 40);
    dc.SetROP2(RasterOp::Copy);
    dc.SelectBrush({BrushKind::Hatched, 0x00FF00, HS_CROSS});
    dc.Rectangle(1, 2, 3, 4);
    dc.SelectFont({"Arial", 30, 2700, 700});
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc.TextOut(5, 6, "A b");
    EXPECT_EQ(dc.Text(),
              "Polyline (10,20) (30,40) rop=Xor pen=0x0000FF/1/2\n"
              "Rectangle (1,2) (3,4) rop=Copy pen=0x0000FF/1/2 brush=hatched/0x00FF00/4\n"
              "TextOut (5,6) \"A b\" font=Arial/30/2700/700 align=8 colour=0x000000 rop=Copy\n");
    dc.Clear();
    EXPECT_TRUE(dc.Records().empty());
}

TEST(CanvasState, RecordingMetricsAreFixedByTheFontHeight)
{
    RecordingCanvas dc;
    dc.SelectFont({"Arial", 50, 0, 400});
    TTextMetrics m = dc.GetTextMetrics();
    EXPECT_EQ(m.height, 50);
    EXPECT_EQ(m.ascent + m.descent, 50);
    EXPECT_EQ(m.aveCharWidth, 25);
    EXPECT_EQ(dc.GetTextExtent("Kitchen"), (TPoint{175, 50}));
    dc.SelectFont({"Arial", -40, 0, 400});
    EXPECT_EQ(dc.GetTextExtent("ab"), (TPoint{40, 40}));
    dc.SelectFont({"Arial", 0, 0, 400});
    EXPECT_EQ(dc.GetTextMetrics().height, 16);
}

TEST(CanvasState, RecordingMetricsOfExtremeHeightsSaturate)
{
    // A height read from a damaged file: the most negative int has no positive twin.
    RecordingCanvas dc;
    dc.SelectFont({"Arial", INT_MIN, 0, 400});
    TTextMetrics m = dc.GetTextMetrics();
    EXPECT_EQ(m.height, INT_MAX);
    EXPECT_EQ(m.ascent + m.descent, INT_MAX);
    EXPECT_GT(m.descent, 0);
    EXPECT_EQ(dc.GetTextExtent("abc"), (TPoint{INT_MAX, INT_MAX}));
    dc.SelectFont({"Arial", 1000000000, 0, 400});
    EXPECT_EQ(dc.GetTextExtent("abcde").x, INT_MAX);
}

TEST(CanvasState, PrinterFlagAndDeviceSize)
{
    RecordingCanvas screen;
    EXPECT_FALSE(screen.IsPrinter());
    EXPECT_EQ(screen.DeviceSize(), (TPoint{1000, 700}));
    RecordingCanvas paper({4800, 6600}, true);
    EXPECT_TRUE(paper.IsPrinter());
    EXPECT_EQ(paper.DeviceSize(), (TPoint{4800, 6600}));
}

TEST(CanvasState, LpToDpFollowsTheMapping)
{
    RecordingCanvas dc;
    dc.SetMapping(TMapping::Isotropic({100, 200}, {8000, 5000}, {0, 700}, {1000, -700}));
    EXPECT_EQ(dc.LPtoDP({8100, 200}), (TPoint{1000, 700}));
    EXPECT_EQ(dc.DPtoLP({1000, 700}), (TPoint{8100, 200}));
    dc.ResetMapping();
    EXPECT_EQ(dc.LPtoDP({8100, 200}), (TPoint{8100, 200}));
}
