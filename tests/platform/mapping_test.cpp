#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/canvas.h"
#include "tests/platform/pixelhelpers.h"

TEST(Mapping, IdentityLeavesPointsAlone)
{
    TMapping m;
    EXPECT_EQ(m.ToDevice({12, -7}), (TPoint{12, -7}));
    EXPECT_EQ(m.ToLogical({12, -7}), (TPoint{12, -7}));
    EXPECT_EQ(m.ScaleX(), 1.0);
    EXPECT_EQ(m.ScaleY(), 1.0);
}

TEST(Mapping, YUpWindowFillsTheClientAreaWithTheSmallerScale)
{
    // 8000 x 5000 logical units in a 1000 x 700 client: x allows 1/8, y 7/50; the smaller wins.
    TMapping m = ClientMapping(1000, 700, {100, 200}, {8000, 5000});
    EXPECT_DOUBLE_EQ(m.ScaleX(), 0.125);
    EXPECT_DOUBLE_EQ(m.ScaleY(), -0.125);
    EXPECT_EQ(m.ToDevice({100, 200}), (TPoint{0, 700}));        // window origin: bottom left
    EXPECT_EQ(m.ToDevice({8100, 200}), (TPoint{1000, 700}));    // right edge
    EXPECT_EQ(m.ToDevice({100, 5200}), (TPoint{0, 75}));        // y shrunk to the same scale
    EXPECT_EQ(m.ToLogical({0, 700}), (TPoint{100, 200}));

    // A square window in the same client: y is the tighter axis this time.
    TMapping n = ClientMapping(1000, 700, {0, 0}, {8000, 8000});
    EXPECT_DOUBLE_EQ(n.ScaleX(), 0.0875);
    EXPECT_DOUBLE_EQ(n.ScaleY(), -0.0875);
    EXPECT_EQ(n.ToDevice({8000, 8000}), (TPoint{700, 0}));
}

TEST(Mapping, RoundsToTheNearestPixel)
{
    TMapping m = ClientMapping(1000, 700, {100, 200}, {8000, 5000});  // 1/8 pixel per unit
    EXPECT_EQ(m.ToDevice({103, 200}).x, 0);   // 0.375
    EXPECT_EQ(m.ToDevice({104, 200}).x, 1);   // 0.5 goes up
    EXPECT_EQ(m.ToDevice({105, 200}).x, 1);   // 0.625
    EXPECT_EQ(m.ToDevice({96, 200}).x, 0);    // -0.5 goes up too
    EXPECT_EQ(m.ToDevice({95, 200}).x, -1);   // -0.625
    EXPECT_EQ(m.ToDevice({100, 203}).y, 700);  // 699.625
    EXPECT_EQ(m.ToDevice({100, 205}).y, 699);  // 699.375
    for (int x = -3000; x < 3000; x += 7) {
        TPoint d = m.ToDevice({x, -x});
        EXPECT_LE(std::fabs(d.x - m.DeviceX(x)), 0.5);
        EXPECT_LE(std::fabs(d.y - m.DeviceY(-x)), 0.5);
    }
}

TEST(Mapping, DeviceToLogicalToDeviceReturnsTheSamePixel)
{
    // Zoomed out (several units per pixel, awkward ratios included) and one to one.
    const TPoint extents[] = {{8000, 5000}, {30000, 21000}, {7777, 3001}, {1000, 700}, {999, 701}, {123457, 98765}};
    for (TPoint ext : extents) {
        for (TPoint org : {TPoint{0, 0}, TPoint{-1234, 5678}}) {
            TMapping m = ClientMapping(1000, 700, org, ext);
            ASSERT_LE(std::fabs(m.ScaleX()), 1.0);
            for (int y = -20; y < 720; ++y)
                for (int x = -20; x < 1020; ++x) {
                    TPoint d{x, y};
                    ASSERT_EQ(m.ToDevice(m.ToLogical(d)), d)
                        << "ext " << ext.x << "x" << ext.y << " at " << x << "," << y;
                }
        }
    }
}

TEST(Mapping, LogicalToDeviceToLogicalWhenZoomedIn)
{
    TMapping m = ClientMapping(1000, 700, {50, 60}, {300, 210});  // 10/3 pixels per unit
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_EQ(m.ToLogical(m.ToDevice({x, y})), (TPoint{x, y}));
}

TEST(Mapping, DegenerateAndExtremeValuesAreSafe)
{
    // A minimised window has no client area; nothing may divide by zero.
    TMapping empty = TMapping::Isotropic({0, 0}, {8000, 5000}, {0, 0}, {0, 0});
    TPoint d = empty.ToDevice({4000, 2500});
    TPoint l = empty.ToLogical({10, 10});
    EXPECT_EQ(empty.ToDevice(l), (TPoint{10, 10}));
    (void)d;
    TMapping noWindow = TMapping::Isotropic({0, 0}, {0, 0}, {0, 700}, {1000, -700});
    EXPECT_EQ(noWindow.ToLogical(noWindow.ToDevice({3, 4})), (TPoint{3, 4}));

    // Far-off points saturate instead of wrapping round.
    TMapping deep = ClientMapping(1000, 700, {0, 0}, {1, 1});  // 700 pixels per unit
    EXPECT_EQ(deep.ToDevice({INT_MAX, INT_MIN}), (TPoint{INT_MAX, INT_MAX}));
    EXPECT_EQ(deep.ToDevice({INT_MIN, INT_MAX}), (TPoint{INT_MIN, INT_MIN}));
}

TEST(Mapping, ARectangleWidenedAtTheRangeEndsStaysThere)
{
    // A window rectangle of saturated corners, widened for a pen's reach, keeps its edges at the
    // ends of the int range instead of wrapping round.
    const TRect far{INT_MIN + 2, -5, 10, INT_MAX - 1};
    EXPECT_EQ(far.Inflated(4, 4), (TRect{INT_MIN, -9, 14, INT_MAX}));
    EXPECT_EQ((TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}.Inflated(1, 1)), (TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
    EXPECT_EQ((TRect{0, 0, 100, 50}.Inflated(4, -2)), (TRect{-4, 2, 104, 48}));
}

TEST(Mapping, WidestOffsetsTimesLargestExtentsStayExact)
{
    // The difference of two 32-bit coordinates (2^32 - 1) times an extent of 2^31 - 1 or 2^31 is
    // the largest product the mapping forms; the results still round exactly.
    TMapping out = TMapping::Isotropic({INT_MIN, INT_MIN}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MAX, INT_MAX});
    EXPECT_EQ(out.ToDevice({INT_MAX, INT_MAX}), (TPoint{INT_MIN + 2, INT_MIN + 2}));

    TMapping in = TMapping::Isotropic({INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MIN, INT_MIN});
    EXPECT_EQ(in.ToLogical({INT_MAX, INT_MAX}), (TPoint{INT_MIN + 2, INT_MIN + 2}));
    // Zoomed in by 2^31 / (2^31 - 1): the far corner lands beyond the device range and saturates.
    EXPECT_EQ(in.ToDevice({INT_MIN, INT_MIN}), (TPoint{INT_MAX, INT_MAX}));
}
