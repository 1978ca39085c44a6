#include "model/arcobj.h"

#include "model/paintextent.h"
#include "model/planturn.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"
#include "model/typecodes.h"

#include <utility>

void TArcobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "arcStartX", arcStartX);
    DumpInt(out, "arcStartY", arcStartY);
    DumpInt(out, "arcEndX", arcEndX);
    DumpInt(out, "arcEndY", arcEndY);
}

void TArcobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    TObject::ForEachPoint(visit);
    visit(arcStartX, arcStartY);
    visit(arcEndX, arcEndY);
}

TModelBox TArcobj::Bounds() const
{
    if (typeCode != TYPE_ARC)
        return TObject::Bounds();
    TModelBox box;
    box.Add(x1, y1);
    box.Add(x2, y2);
    return box;
}

void TArcobj::TurnOrMirror(int rotation, TPoint centre)
{
    TObject::TurnOrMirror(rotation, centre);
    if (typeCode == TYPE_ARC && rotation == MIRROR_LEFT_RIGHT) {
        std::swap(arcStartX, arcEndX);
        std::swap(arcStartY, arcEndY);
    }
}

void TArcobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    out.X(x1).Int(z1).Y(y1).X(x2).Int(z2).Y(y2);
    out.X(arcStartX).Y(arcStartY).X(arcEndX).Y(arcEndY);
    WritePen(out);
    out.EndLine();
}

bool TArcobj::ReadRecord(TRecordReader& in)
{
    return ReadIds(in) && in.X(x1) && in.Int(z1) && in.Y(y1) && in.X(x2) && in.Int(z2) && in.Y(y2) &&
           in.X(arcStartX) && in.Y(arcStartY) && in.X(arcEndX) && in.Y(arcEndY) && ReadPen(in) && in.EndLine();
}

void TArcobj::Render(Canvas& dc, int scale, TFillStyle) const
{
    dc.Arc(ToWindow(x1, scale), ToWindow(y1, scale), ToWindow(x2, scale), ToWindow(y2, scale),
           ToWindow(arcStartX, scale), ToWindow(arcStartY, scale), ToWindow(arcEndX, scale),
           ToWindow(arcEndY, scale));
}

void TArcobj::PaintExtent(TPaintExtent& extent, int) const
{
    // The arc runs on the ellipse in its box; the start and end points only give directions.
    extent.Point(x1, y1);
    extent.Point(x2, y2);
}
