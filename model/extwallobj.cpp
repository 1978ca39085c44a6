#include "model/extwallobj.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/paintextent.h"
#include "model/planturn.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"

#include <algorithm>
#include <utility>

TFillStyle TExtwallobj::PlanFill() const { return WallStyleOfDisplayMode(State().displayMode); }

void TExtwallobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "spacing1", spacing1);
    DumpInt(out, "spacing2", spacing2);
    DumpInt(out, "spacing3", spacing3);
    DumpInt(out, "wallAux1", wallAux1);
    DumpInt(out, "wallAux2", wallAux2);
    DumpInt(out, "angle", angle);
    DumpInt(out, "wallFlag", wallFlag);
    DumpArray(out, "wallLines", wallLines);
    DumpInt(out, "wallColour1", wallColour1);
    DumpInt(out, "wallColour2", wallColour2);
    DumpArray(out, "joinInfo", joinInfo);
}

void TExtwallobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    TObject::ForEachPoint(visit);
    for (std::size_t i = 0; i < wallLines.size(); i += 2)
        visit(wallLines[i], wallLines[i + 1]);
}

TModelBox TExtwallobj::Bounds() const
{
    if (typeCode != TYPE_EXTWALL)
        return TObject::Bounds();
    TModelBox box;
    box.Add(x1, y1);
    box.Add(x2, y2);
    const int lines = UsedWallLines();
    for (std::size_t i = 0; i < std::size_t(lines) * 4; i += 2)
        box.Add(wallLines[i], wallLines[i + 1]);
    return box;
}

bool TExtwallobj::HitTest(int mode, double px, double py, int) const
{
    if (mode != HIT_WALLS || typeCode != TYPE_EXTWALL)
        return false;
    // The outline from the reference line to the last line, widened by the thickness all round.
    const std::size_t inner = std::size_t(InnerLine());
    const std::array<TPoint, 4> outline{TPoint{x1, y1}, TPoint{x2, y2}, TPoint{wallLines[inner + 2], wallLines[inner + 3]},
                                        TPoint{wallLines[inner], wallLines[inner + 1]}};
    return DistanceToOutline(px, py, outline) <= double(Thickness());
}

void TExtwallobj::TurnOrMirror(int rotation, TPoint centre)
{
    TObject::TurnOrMirror(rotation, centre);
    if (typeCode != TYPE_EXTWALL)
        return;
    angle = TurnAngle(angle, rotation);
    if (rotation == MIRROR_LEFT_RIGHT) {
        // Wall lines lie to the right of the direction of travel: a mirrored wall runs the other
        // way round so that they still do.
        std::swap(x1, x2);
        std::swap(y1, y2);
        for (std::size_t i = 0; i < wallLines.size(); i += 4) {
            std::swap(wallLines[i], wallLines[i + 2]);
            std::swap(wallLines[i + 1], wallLines[i + 3]);
        }
        angle = (angle + 1800) % 3600;
    }
}

void TExtwallobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    out.Int(penWidth).Int(penStyle);
    WritePoints(out);
    out.Int(colour);
    out.Int(spacing1).Int(spacing2).Int(spacing3).Int(wallAux1).Int(wallAux2).Int(angle).Int(wallFlag);
    for (std::size_t i = 0; i < wallLines.size(); i += 2)
        out.X(wallLines[i]).Y(wallLines[i + 1]);
    out.Int(wallColour1).Int(wallColour2);
    for (int32_t join : joinInfo)
        out.Int(join);
    out.EndLine();
}

bool TExtwallobj::ReadRecord(TRecordReader& in)
{
    if (!(ReadIds(in) && in.Int(penWidth) && in.Int(penStyle) && ReadPoints(in) && in.Int(colour) &&
          in.Int(spacing1) && in.Int(spacing2) && in.Int(spacing3) && in.Int(wallAux1) &&
          in.Int(wallAux2) && in.Int(angle) && in.Int(wallFlag)))
        return false;
    for (std::size_t i = 0; i < wallLines.size(); i += 2)
        if (!(in.X(wallLines[i]) && in.Y(wallLines[i + 1])))
            return false;
    if (!(in.Int(wallColour1) && in.Int(wallColour2)))
        return false;
    for (int32_t& join : joinInfo)
        if (!in.Int(join))
            return false;
    return in.EndLine();
}

void TExtwallobj::Render(Canvas& dc, int scale, TFillStyle fill) const
{
    auto at = [scale](int32_t x, int32_t y) { return TPoint{ToWindow(x, scale), ToWindow(y, scale)}; };
    const TPoint start = at(x1, y1);
    const TPoint end = at(x2, y2);
    const std::size_t inner = std::size_t(InnerLine());
    const TPoint innerStart = at(wallLines[inner], wallLines[inner + 1]);
    const TPoint innerEnd = at(wallLines[inner + 2], wallLines[inner + 3]);
    FillWallBody(dc, {start, end, innerEnd, innerStart}, fill, TColor(wallColour1), TColor(wallColour2));

    // The reference line (the outer face), then the wall lines in use.
    const int lines = UsedWallLines();
    dc.MoveTo(start.x, start.y);
    dc.LineTo(end.x, end.y);
    for (int line = 0; line < lines; ++line) {
        const std::size_t i = std::size_t(line) * 4;
        const TPoint from = at(wallLines[i], wallLines[i + 1]);
        const TPoint to = at(wallLines[i + 2], wallLines[i + 3]);
        dc.MoveTo(from.x, from.y);
        dc.LineTo(to.x, to.y);
    }
}

bool HasExternalWallsOn(const TList& objects, int floorCode)
{
    const auto& items = objects.Items();
    return std::any_of(items.begin(), items.end(),
                       [floorCode](const auto& object) { return IsExternalWallOn(*object, floorCode); });
}

void TExtwallobj::PaintExtent(TPaintExtent& extent, int) const
{
    // The reference line and the wall lines in use; the body filled between the reference line
    // and the inner face lies within them.
    extent.Point(x1, y1);
    extent.Point(x2, y2);
    const int lines = UsedWallLines();
    for (int line = 0; line < lines; ++line) {
        const std::size_t i = std::size_t(line) * 4;
        extent.Point(wallLines[i], wallLines[i + 1]);
        extent.Point(wallLines[i + 2], wallLines[i + 3]);
    }
}
