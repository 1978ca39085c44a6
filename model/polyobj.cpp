#include "model/polyobj.h"

#include "model/paintextent.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"
#include "model/typecodes.h"

#include <algorithm>
#include <vector>

int TPolyobj::UsedVertices() const { return std::clamp(vertexCount, 0, MAX_VERTICES); }

void TPolyobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpArray(out, "vertexX", vertexX);
    DumpArray(out, "vertexY", vertexY);
    DumpArray(out, "vertexZ", vertexZ);
    DumpArray(out, "polyAux", polyAux);
    DumpInt(out, "vertexCount", vertexCount);
    DumpInt(out, "polyParam1", polyParam1);
    DumpInt(out, "polyParam2", polyParam2);
    DumpInt(out, "polyParam3", polyParam3);
    DumpInt(out, "polyParam4", polyParam4);
    DumpInt(out, "polyParam5", polyParam5);
    DumpInt(out, "fillColour", fillColour);
}

void TPolyobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    // A polygon's place is its vertices; its own x1..y2 are not written to the file.
    for (int i = 0; i < UsedVertices(); ++i)
        visit(vertexX[std::size_t(i)], vertexY[std::size_t(i)]);
}

void TPolyobj::WritePolygonRecord(TRecordWriter& out) const
{
    WriteIds(out);
    out.Int(polyParam1).Int(polyParam3).Int(polyParam4).Int(polyParam5).Int(UsedVertices()).Int(polyParam2);
    out.Int(fillColour).Int(colour);
}

bool TPolyobj::ReadPolygonRecord(TRecordReader& in)
{
    return ReadIds(in) && in.Int(polyParam1) && in.Int(polyParam3) && in.Int(polyParam4) && in.Int(polyParam5) &&
           in.Int(vertexCount) && in.Int(polyParam2) && in.Int(fillColour) && in.Int(colour);
}

void TPolyobj::WriteVertices(TRecordWriter& out) const
{
    for (int i = 0; i < UsedVertices(); ++i) {
        const std::size_t v = std::size_t(i);
        out.X(vertexX[v]).Int(vertexZ[v]).Y(vertexY[v]);
        out.EndLine();
    }
    for (int32_t aux : polyAux) {
        out.Int(aux);
        out.EndLine();
    }
}

bool TPolyobj::ReadVertices(TRecordReader& in)
{
    if (vertexCount < 0 || vertexCount > MAX_VERTICES)
        return in.Fail("vertexCount " + std::to_string(vertexCount) + " is outside 0..16");
    if (!in.EndLine())
        return false;
    for (int i = 0; i < vertexCount; ++i) {
        const std::size_t v = std::size_t(i);
        if (!(in.X(vertexX[v]) && in.Int(vertexZ[v]) && in.Y(vertexY[v]) && in.EndLine()))
            return false;
    }
    for (int32_t& aux : polyAux)
        if (!(in.Int(aux) && in.EndLine()))
            return false;
    return true;
}

void TPolyobj::WriteRecord(TRecordWriter& out) const
{
    WritePolygonRecord(out);
    out.EndLine();
    WriteVertices(out);
}

bool TPolyobj::ReadRecord(TRecordReader& in) { return ReadPolygonRecord(in) && ReadVertices(in); }

void TPolyobj::Render(Canvas& dc, int scale, TFillStyle fill) const
{
    std::vector<TPoint> points;
    points.reserve(std::size_t(UsedVertices()));
    for (int i = 0; i < UsedVertices(); ++i)
        points.push_back({ToWindow(vertexX[std::size_t(i)], scale), ToWindow(vertexY[std::size_t(i)], scale)});
    // An opening polygon hides the wall lines it covers, so it is always filled.
    if (typeCode == TYPE_OPENING_POLYGON && fill == TFillStyle::None)
        fill = TFillStyle::Solid;
    const TBrush old = dc.SelectBrush(FillBrush(fill, TColor(fillColour)));
    dc.Polygon(points);
    dc.SelectBrush(old);
}

void CopyVertexArray(TPolyobj&, const int32_t* source, int n, std::array<int32_t, 16>& target)
{
    target.fill(0);
    const int count = std::clamp(n, 0, 16);
    for (int i = 0; i < count; ++i)
        target[std::size_t(i)] = source[i];
}

void CopyFourInts(TPolyobj&, const int32_t* source, std::array<int32_t, 4>& target)
{
    for (std::size_t i = 0; i < 4; ++i)
        target[i] = source[i];
}

void TPolyobj::PaintExtent(TPaintExtent& extent, int) const
{
    for (int i = 0; i < UsedVertices(); ++i)
        extent.Point(vertexX[std::size_t(i)], vertexY[std::size_t(i)]);
}
