// Plan painting that leaves out the objects outside the painted area against painting every
// object: objects straddling each edge of the window or of a partial repaint's area (thick lines,
// lines just outside whose pen reaches in, arcs, circles, rotated and centred texts, hatched and
// solid walls, design rooms) must give the same pixels either way, and so must painting the floor in
// bands at once; exclusive-or feedback drawn over the painted plan still erases exactly.
#include "model/planpainter.h"

#include "model/arcobj.h"
#include "model/circleobj.h"
#include "model/ellipseobj.h"
#include "model/extwallobj.h"
#include "model/intwallobj.h"
#include "model/lineobj.h"
#include "model/polyobj.h"
#include "model/rectangleobj.h"
#include "model/roomobj.h"
#include "model/textobj.h"
#include "model/viewmapping.h"
#include "platform/qt/bandworkers.h"
#include "platform/qt/imagecanvas.h"
#include "platform/qt/textstore.h"
#include "platform/recordingcanvas.h"
#include "tests/model/modelfixture.h"
#include "tests/platform/pixelhelpers.h"

#include <QImage>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int W = 400;
constexpr int H = 300;
const TRect CLIENT{0, 0, W, H};

// A view of the plan: logical window origin and extent (unitsPerLogical 5).
struct TView {
    TPoint org;
    TPoint ext;
};

// An exact 10 logical units a pixel, and a scale with no whole number of units a pixel.
const TView VIEWS[] = {{{1000, 1000}, {4000, 3000}}, {{-37, 211}, {3333, 2500}}};

// Partial repaints: the whole window, inner rectangles, a strip along an edge.
const std::optional<TRect> AREAS[] = {std::nullopt, TRect{60, 40, 330, 250}, TRect{151, 97, 213, 161},
                                      TRect{0, 280, W, H}};

}  // namespace

class PlanCulling : public ModelTest {
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        state().unitsPerLogical = 5;
        state().currentFloor = 50;
        state().displayMode = 10;  // walls cross-hatched
        state().currentFillColour = MakeColour(255, 255, 255);
        state().currentFontFace = "Arial";
    }

    void UseView(const TView& view)
    {
        state().viewOrgX = view.org.x;
        state().viewOrgY = view.org.y;
        state().viewExtX = view.ext.x;
        state().viewExtY = view.ext.y;
    }

    // The model point under a device pixel of the window.
    TPoint At(double x, double y)
    {
        const TMapping mapping = ViewMapping(CLIENT);
        const TPoint logical = mapping.ToLogical({int(x), int(y)});
        return LogicalToModel(logical);
    }
    // Logical units of `pixels` device pixels.
    int Logical(double pixels)
    {
        return std::max(1, int(pixels * double(state().viewExtX) / W));
    }

    TObject& Add(TObject* object, int penWidth, TColor colour)
    {
        object->floor = 50;
        object->penWidth = penWidth;
        object->colour = int32_t(colour);
        objects().Add(object);
        return *object;
    }

    void AddLine(TPoint a, TPoint b, int penWidth, TColor colour, int style = PS_SOLID)
    {
        auto* line = new TLineobj;
        line->x1 = a.x;
        line->y1 = a.y;
        line->x2 = b.x;
        line->y2 = b.y;
        line->penStyle = style;
        Add(line, penWidth, colour);
    }

    void AddText(TPoint at, const std::string& text, int alignment, int escapement, int heightPixels)
    {
        auto* t = new TTextobj;
        t->x1 = at.x;
        t->y1 = at.y;
        t->SetText(text);
        t->SetFaceName("Arial");
        t->alignment = alignment;
        t->escapement = escapement;
        t->fontHeight = std::max(1, Logical(heightPixels) / state().unitsPerLogical);  // times the scale
        t->fontWeight = escapement == 0 ? 700 : 400;
        Add(t, 1, MakeColour(20, 20, 160));
    }

    // A box figure (arc, circle, ellipse, rectangle) from two model corners.
    template <typename T>
    T& AddBox(TPoint a, TPoint b, int penWidth, TColor colour)
    {
        auto* figure = new T;
        figure->x1 = a.x;
        figure->y1 = a.y;
        figure->x2 = b.x;
        figure->y2 = b.y;
        Add(figure, penWidth, colour);
        return *figure;
    }

    // A wall along x from `left` to `right` (device x), its outer line at device y `outer` and its
    // other line `thickness` pixels below.
    void AddWalls(double left, double right, double outer, double thickness)
    {
        const TPoint a = At(left, outer);
        const TPoint b = At(right, outer);
        const TPoint c = At(left, outer + thickness);
        auto* wall = new TExtwallobj;
        wall->x1 = a.x;
        wall->y1 = a.y;
        wall->x2 = b.x;
        wall->y2 = a.y;
        wall->spacing1 = a.y - c.y;
        wall->angle = 900;
        wall->wallLines = {a.x, c.y, b.x, c.y};
        wall->wallColour1 = int32_t(MakeColour(200, 0, 0));
        wall->wallColour2 = int32_t(MakeColour(0, 160, 0));
        Add(wall, 1, MakeColour(0, 0, 128));

        // An internal wall crossing the same way, just below.
        const TPoint d = At(left, outer + thickness + 4);
        const TPoint e = At(right, outer + thickness + 4 + thickness / 2);
        auto* inner = new TIntwallobj;
        inner->x1 = d.x;
        inner->y1 = d.y;
        inner->x2 = e.x;
        inner->y2 = d.y;
        inner->face2StartX = d.x;
        inner->face2StartY = e.y;
        inner->face2EndX = e.x;
        inner->face2EndY = e.y;
        inner->wallColour1 = int32_t(MakeColour(90, 40, 0));
        inner->wallColour2 = int32_t(MakeColour(0, 90, 90));
        Add(inner, 1, MakeColour(60, 60, 60));
    }

    // Objects straddling each edge of a device rectangle, and lying just outside it where only
    // their pen, their letters or their curve could reach in.
    void AddStraddlers(const TRect& r)
    {
        struct TEdge {
            double x, y;    // a point on the edge
            double nx, ny;  // outwards
        };
        const double midX = (r.left + r.right) / 2.0;
        const double midY = (r.top + r.bottom) / 2.0;
        const TEdge edges[] = {{double(r.left), midY - 17, -1, 0}, {double(r.right), midY + 13, 1, 0},
                               {midX + 11, double(r.top), 0, -1}, {midX - 23, double(r.bottom), 0, 1}};
        const int escapements[] = {0, 450, 900, 1800, 2700, 3150, 125};
        int n = 0;
        for (const TEdge& e : edges) {
            const double tx = -e.ny;  // along the edge
            const double ty = e.nx;
            auto p = [&](double out, double along) { return At(e.x + e.nx * out + tx * along, e.y + e.ny * out + ty * along); };
            // Thick lines across the edge, and lines outside whose pens reach in by a pixel or two.
            AddLine(p(-12, -30), p(9, -24), Logical(5), MakeColour(0, 0, 0));
            AddLine(p(1, 20), p(1, 60), Logical(4), MakeColour(150, 0, 150));
            AddLine(p(2.5, -70), p(2.5, -40), Logical(6), MakeColour(0, 120, 0));
            AddLine(p(4, 70), p(4, 90), Logical(7), MakeColour(200, 100, 0), PS_DASH);
            AddLine(p(-3, 95), p(30, 140), 1, MakeColour(0, 0, 0), PS_DOT);
            // An arc whose box crosses the edge running inside, and one whose curve stays outside.
            TArcobj& inside = AddBox<TArcobj>(p(-10, -110), p(14, -86), Logical(3), MakeColour(0, 90, 200));
            const TPoint innerRay = p(-30, -98);
            inside.arcStartX = innerRay.x;
            inside.arcStartY = innerRay.y + 1;
            inside.arcEndX = innerRay.x;
            inside.arcEndY = innerRay.y - 1;
            TArcobj& outside = AddBox<TArcobj>(p(-6, 110), p(18, 134), Logical(4), MakeColour(200, 0, 90));
            const TPoint outerRay = p(40, 122);
            outside.arcStartX = outerRay.x;
            outside.arcStartY = outerRay.y - 1;
            outside.arcEndX = outerRay.x;
            outside.arcEndY = outerRay.y + 1;
            // Circles and ellipses centred outside, their rims and pens reaching in.
            AddBox<TCircleobj>(p(-2, -150), p(22, -126), Logical(2), MakeColour(0, 0, 0));
            AddBox<TEllipseobj>(p(1.5, 150), p(30, 170), Logical(5), MakeColour(0, 140, 140));
            AddBox<TRectangleobj>(p(2, -180), p(40, -160), Logical(5), MakeColour(120, 120, 0));
            // Texts: anchored outside with letters reaching in, centred on the edge, turned.
            for (int i = 0; i < 3; ++i, ++n) {
                const int escapement = escapements[std::size_t(n) % std::size(escapements)];
                AddText(p(3 + 4 * i, -60 + 55 * i), "Living 4500", n % 2 ? 0x06 : 0x00, escapement, 14 + 3 * i);
            }
            AddText(p(0, 35), "W.C.", 0x06, escapements[std::size_t(n++) % std::size(escapements)], 22);
        }

        // Walls across the left and right edges and lying along the top and bottom ones.
        AddWalls(r.left - 40, r.left + 30, midY + 40, 6);
        AddWalls(r.right - 25, r.right + 50, midY - 60, 7);
        AddWalls(midX - 50, midX + 30, r.top - 3, 6);
        AddWalls(midX - 10, midX + 60, r.bottom - 4, 5);

        // Design rooms over two corners, their labels crossing the edges.
        for (const TPoint corner : {TPoint{r.left, r.top}, TPoint{r.right, r.bottom}}) {
            auto* room = new TRoomobj;
            const TPoint a = At(corner.x - 30, corner.y - 25);
            const TPoint b = At(corner.x + 30, corner.y + 25);
            room->x1 = a.x;
            room->y1 = a.y;
            room->x2 = b.x;
            room->y2 = b.y;
            room->fillColour = int32_t(MakeColour(180, 200, 255));
            room->textPointSize = std::max(1, Logical(12) / state().unitsPerLogical);
            room->SetRoomName("BEDROOM 2");
            room->SetSizeText1("4200");
            room->SetSizeText2("3600");
            room->sizeDisplay = 2;
            Add(room, 1, MakeColour(0, 0, 0));
        }

        // A polyline running in and out across a corner.
        auto* poly = new TPolyobj;
        const TPoint corners[] = {At(r.right - 20, r.top - 10), At(r.right + 10, r.top + 15), At(r.right - 15, r.top + 30),
                                  At(r.right + 5, r.top + 45)};
        for (std::size_t i = 0; i < std::size(corners); ++i) {
            poly->vertexX[i] = corners[i].x;
            poly->vertexY[i] = corners[i].y;
        }
        poly->vertexCount = int32_t(std::size(corners));
        Add(poly, Logical(3), MakeColour(250, 0, 0));

        // Far away: left out by the culling.
        for (int i = 0; i < 20; ++i)
            AddLine(At(-300 - 10 * i, -200), At(-250 - 10 * i, -150), Logical(3), MakeColour(0, 0, 0));
    }

    QImage Painted(TPlanCulling culling, const std::optional<TRect>& area)
    {
        QImage image = PlainImage(W, H, 0xFFFFFF);
        {
            ImageCanvas dc(image);
            if (area)
                dc.SetDeviceClip(*area);
            PaintFloor(dc, CLIENT, objects(), floorCode, culling);
        }
        return image;
    }

    // The floor Painted paints.
    int floorCode = 50;

    int Calls(TPlanCulling culling, const std::optional<TRect>& area)
    {
        RecordingCanvas dc({W, H});
        if (area)
            dc.SetDeviceClip(*area);
        PaintFloor(dc, CLIENT, objects(), 50, culling);
        return int(dc.Records().size());
    }

    // Pixels that differ from the background inside a rectangle.
    static int Drawn(const QImage& image, const TRect& r)
    {
        int drawn = 0;
        for (int y = std::max(0, r.top); y < std::min(H, r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(W, r.right); ++x)
                drawn += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
        return drawn;
    }
};

TEST_F(PlanCulling, ObjectsAcrossEveryEdgeOfTheWindowOrAPartialRepaintPaintTheSamePixels)
{
    for (const TView& view : VIEWS) {
        for (const std::optional<TRect>& area : AREAS) {
            for (int displayMode : {10, 20}) {
                SCOPED_TRACE(testing::Message() << "view " << view.ext.x << " area "
                                                << (area ? area->left : -1) << "," << (area ? area->top : -1)
                                                << " mode " << displayMode);
                objects().Clear();
                UseView(view);
                state().displayMode = displayMode;
                const TRect frame = area ? *area : CLIENT;
                AddStraddlers(frame);

                const QImage all = Painted(TPlanCulling::Off, area);
                const QImage culled = Painted(TPlanCulling::On, area);
                EXPECT_TRUE(SamePixels(all, culled));

                // The test means something: drawing reaches the area along each edge, and the
                // culling left objects out.
                EXPECT_GT(Drawn(all, {frame.left, frame.top, frame.left + 6, frame.bottom}), 20);
                EXPECT_GT(Drawn(all, {frame.right - 6, frame.top, frame.right, frame.bottom}), 20);
                EXPECT_GT(Drawn(all, {frame.left, frame.top, frame.right, frame.top + 6}), 20);
                EXPECT_GT(Drawn(all, {frame.left, frame.bottom - 6, frame.right, frame.bottom}), 20);
                EXPECT_LT(Calls(TPlanCulling::On, area), Calls(TPlanCulling::Off, area));
            }
        }
    }
}

TEST_F(PlanCulling, ExclusiveOrFeedbackOverThePaintedPlanErasesExactly)
{
    UseView(VIEWS[1]);
    AddStraddlers(CLIENT);
    QImage image = Painted(TPlanCulling::On, std::nullopt);
    const QImage plan = image.copy();

    // Feedback as tools draw it: rubber-band chains, boxes, arcs and texts under exclusive-or, with
    // pens changing between figures and back; once shows, twice erases.
    auto feedback = [&](ImageCanvas& dc) {
        dc.SetMapping(ViewMapping(CLIENT));
        for (RasterOp op : {RasterOp::NotXor, RasterOp::Xor}) {
            dc.SetROP2(op);
            for (const TPen& pen : {TPen{0, 1, PS_SOLID}, TPen{MakeColour(0, 0, 255), Logical(3), PS_SOLID},
                                    TPen{0, 1, PS_DOT}, TPen{MakeColour(255, 0, 0), 1, PS_DASH}}) {
                dc.SelectPen(pen);
                const TPoint a = ModelToLogical(At(-20, 40));
                const TPoint b = ModelToLogical(At(200, 150));
                const TPoint c = ModelToLogical(At(420, 60));
                dc.MoveTo(a.x, a.y);
                dc.LineTo(b.x, b.y);
                dc.LineTo(c.x, c.y);
                dc.LineTo(b.x, a.y);
                dc.MoveTo(a.x, c.y);
                dc.LineTo(c.x, b.y);
                dc.Rectangle(a.x, a.y, b.x, b.y);
                dc.Arc(a.x, a.y, c.x, c.y, c.x, a.y, a.x, a.y);
                dc.SelectFont(TFont{"Arial", Logical(16), 2700, 700});
                dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
                dc.TextOut(b.x, b.y, "3600 x 4200");
            }
        }
        dc.SetROP2(RasterOp::Copy);
    };
    {
        ImageCanvas dc(image);
        feedback(dc);
    }
    EXPECT_FALSE(SamePixels(image, plan));
    {
        ImageCanvas dc(image);
        feedback(dc);
    }
    EXPECT_TRUE(SamePixels(image, plan));
}

// The window's repaint paints the floor in bands at once (each band a canvas of its own, clipped to
// it, culling against it): with objects straddling every band's edges as well as the window's or
// the repaint's, the pixels are those of one paint (which lays out its texts itself), and stay so
// when the bands paint again with the texts their threads kept or (measured) the texts the pieces
// measuring for them laid out. So they are with an overlay floor underneath, whose objects, straddling
// too, a band tells from the floor's own by their measured rows.
TEST_F(PlanCulling, PaintingTheFloorInBandsAtOnceGivesThePixelsOfOnePaint)
{
    const BandWorkers::ScopedLimit limit(3);
    WriteWholeFile(Cfg("OVERLAY.CFG"), "0 1 0 0 0");
    for (const bool overlay : {false, true})
    for (const TView& view : VIEWS) {
        for (const std::optional<TRect>& area : AREAS) {
            SCOPED_TRACE(testing::Message() << "view " << view.ext.x << " area " << (area ? area->left : -1) << ","
                                            << (area ? area->top : -1) << (overlay ? " overlay" : ""));
            objects().Clear();
            UseView(view);
            const TRect frame = area ? *area : CLIENT;
            const int bands = std::clamp(frame.Height() / ImageCanvas::kMinBandRows, 1, 3);
            for (int i = 0; i < bands; ++i)
                AddStraddlers({frame.left, frame.top + frame.Height() * i / bands, frame.right,
                               frame.top + frame.Height() * (i + 1) / bands});
            // Floor 51 painted over floor 50: every other object is the floor's own.
            state().displayMode = overlay ? 12 : 10;
            floorCode = overlay ? 51 : 50;
            if (overlay)
                for (std::size_t i = 1; i < objects().Items().size(); i += 2)
                    objects().Items()[i]->floor = 51;

            // One paint laying out its texts on its own thread, the store of laid-out texts aside.
            TextStore::SetEnabled(false);
            const QImage once = Painted(TPlanCulling::On, area);
            TextStore::SetEnabled(true);
            std::atomic<int> painted{0};
            // Each band measuring every object against itself, or (`measured`) the objects measured
            // once by the row work for all the bands, as the window's repaint does: a band then
            // draws without measuring those lying within it. The bands are of equal height either
            // way, so that their edges fall where the straddlers lie.
            auto inBands = [&](bool measured) {
                QImage image = PlainImage(W, H, 0xFFFFFF);
                ImageCanvas dc(image);
                if (area)
                    dc.SetDeviceClip(*area);
                painted = 0;
                const TFloorToPaint floor = FloorToPaint(floorCode);
                TPaintRows rows(objects().Items().size());
                const TRowWork measure = FloorRowWork(CLIENT, objects(), floor, rows);
                auto equalHeights = [&](Canvas& c, const TRect& a, std::vector<double>& work, TPiece piece) {
                    std::vector<double> measuredWork(work.size());
                    measure.measure(c, a, measuredWork, piece);
                    std::fill(work.begin(), work.end(), 1.0);
                };
                dc.PaintInBands(
                    [&](Canvas& band) {
                        PaintFloor(band, CLIENT, objects(), floor, TPlanCulling::On, measured ? &rows : nullptr);
                        ++painted;
                    },
                    measured ? TRowWork{equalHeights, measure.sort} : TRowWork());
                return image;
            };
            EXPECT_TRUE(SamePixels(once, inBands(false)));
            EXPECT_TRUE(SamePixels(once, inBands(false)));
            EXPECT_EQ(painted, bands);
            EXPECT_TRUE(SamePixels(once, inBands(true)));
            EXPECT_TRUE(SamePixels(once, inBands(true)));
            EXPECT_EQ(painted, bands);
            EXPECT_GT(Drawn(once, frame), 500);
        }
    }
    // The measured bands drew texts the pieces laid out.
    EXPECT_GT(TextStore::OfThisThread().Size(), 0u);
}

// A plan that fills only the lower third of the window: the repaint's bands are cut where its
// objects lie, so that every band has its share of them rather than the upper ones none, and the
// pixels are still those of one paint.
TEST_F(PlanCulling, APlanFillingPartOfTheWindowIsCutWhereItLiesAndPaintsAsOnce)
{
    const BandWorkers::ScopedLimit limit(3);
    UseView(VIEWS[1]);
    const TRect plan{0, 200, W, H};
    for (int y = plan.top + 5; y < plan.bottom - 5; y += 6)
        for (int x = 10; x < W - 20; x += 20)
            AddLine(At(x, y), At(x + 12, y + 3), 1, MakeColour(0, 0, 0));
    AddStraddlers(plan);
    const QImage once = Painted(TPlanCulling::On, std::nullopt);

    QImage image = PlainImage(W, H, 0xFFFFFF);
    std::mutex lock;
    std::vector<TRect> clips;
    const TFloorToPaint floor = FloorToPaint(50);
    {
        ImageCanvas dc(image);
        TPaintRows rows(objects().Items().size());
        dc.PaintInBands(
            [&](Canvas& band) {
                {
                    const std::lock_guard<std::mutex> hold(lock);
                    clips.push_back(band.DeviceClip());
                }
                PaintFloor(band, CLIENT, objects(), floor, TPlanCulling::On, &rows);
            },
            FloorRowWork(CLIENT, objects(), floor, rows));
    }
    EXPECT_TRUE(SamePixels(once, image));
    ASSERT_EQ(clips.size(), 3u);
    std::sort(clips.begin(), clips.end(), [](const TRect& a, const TRect& b) { return a.top < b.top; });
    // The band above the plan reaches into it; the two others share the rest.
    EXPECT_GT(clips[0].bottom, plan.top);
    EXPECT_LT(clips[1].Height(), H / 3);
    EXPECT_LT(clips[2].Height(), H / 3);
}

// Once the bands are cut, each band goes through exactly the objects whose measured rows meet it
// (those crossing its edges in every band they touch), in list order, whichever piece measured
// them; a band not cut there goes through none of the sorted lists. Sorted again at other edges,
// the lists follow the new bands.
TEST_F(PlanCulling, EachBandGoesThroughTheObjectsMeetingItInOrder)
{
    UseView(VIEWS[1]);
    for (int y = 5; y < H - 5; y += 9)
        for (int x = 10; x < W - 20; x += 40)
            AddLine(At(x, y), At(x + 12, y + (x % 3) * 4), 1, MakeColour(0, 0, 0));
    AddStraddlers(CLIENT);
    const std::size_t count = objects().Items().size();
    const TFloorToPaint floor = FloorToPaint(50);
    TPaintRows rows(count);
    const TRowWork work = FloorRowWork(CLIENT, objects(), floor, rows);
    QImage image = PlainImage(W, H, 0xFFFFFF);
    ImageCanvas dc(image);
    const TRect area{0, 0, W, H};
    constexpr int kPieces = 3;
    std::vector<double> measured(static_cast<std::size_t>(H));
    for (int p = 0; p < kPieces; ++p)
        work.measure(dc, area, measured, {p, kPieces});

    for (const std::vector<int>& edges : {std::vector<int>{0, H / 3, H / 2, H}, std::vector<int>{0, 17, H}}) {
        for (int p = 0; p < kPieces; ++p)
            work.sort(edges, {p, kPieces});
        std::size_t visits = 0;
        for (std::size_t b = 0; b + 1 < edges.size(); ++b) {
            const TRect band{0, edges[b], W, edges[b + 1]};
            std::vector<std::size_t> seen;
            EXPECT_TRUE(rows.ForEachInBand(band, [&](std::size_t i) { return objects().Items()[i].get(); },
                                           [&](std::size_t i) { seen.push_back(i); }));
            std::vector<std::size_t> expected;
            for (std::size_t i = 0; i < count; ++i)
                if (!rows.Leaves(i, band))
                    expected.push_back(i);
            EXPECT_EQ(seen, expected) << "band " << b;
            EXPECT_LT(seen.size(), count);
            visits += seen.size();
        }
        // Every object was drawn somewhere, the straddlers in more than one band.
        EXPECT_GE(visits, count);
        EXPECT_FALSE(rows.ForEachInBand(TRect{0, 1, W, H}, [&](std::size_t i) { return objects().Items()[i].get(); },
                                        [&](std::size_t) { ADD_FAILURE() << "visited a band not cut"; }));
    }
}
