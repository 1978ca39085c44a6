#include "model/intwallobj.h"

#include "model/drawingstate.h"
#include "model/paintextent.h"
#include "model/planturn.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"
#include "model/typecodes.h"

TFillStyle TIntwallobj::PlanFill() const { return WallStyleOfDisplayMode(State().displayMode); }

void TIntwallobj::DumpFields(std::string& out) const
{
    DumpBase(out);
    DumpInt(out, "wallWidth", wallWidth);
    DumpArray(out, "wallParams", wallParams);
    DumpInt(out, "angle", angle);
    DumpInt(out, "wallFlag", wallFlag);
    DumpInt(out, "face2StartX", face2StartX);
    DumpInt(out, "face2Aux", face2Aux);
    DumpInt(out, "face2StartY", face2StartY);
    DumpInt(out, "face2EndX", face2EndX);
    DumpInt(out, "face2EndY", face2EndY);
    DumpArray(out, "joinData", joinData);
    DumpInt(out, "wallColour1", wallColour1);
    DumpInt(out, "wallColour2", wallColour2);
}

void TIntwallobj::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    TObject::ForEachPoint(visit);
    visit(face2StartX, face2StartY);
    visit(face2EndX, face2EndY);
}

bool TIntwallobj::HitTest(int mode, double px, double py, int) const
{
    if (mode != HIT_WALLS || typeCode != TYPE_INTWALL)
        return false;
    // The outline from the reference line to the second face, widened by the thickness all round.
    const std::array<TPoint, 4> outline{TPoint{x1, y1}, TPoint{x2, y2}, TPoint{face2EndX, face2EndY},
                                        TPoint{face2StartX, face2StartY}};
    return DistanceToOutline(px, py, outline) <= double(wallWidth);
}

void TIntwallobj::TurnOrMirror(int rotation, TPoint centre)
{
    TObject::TurnOrMirror(rotation, centre);
    if (typeCode == TYPE_INTWALL)
        angle = TurnAngle(angle, rotation);
}

void TIntwallobj::WriteRecord(TRecordWriter& out) const
{
    WriteIds(out);
    out.Int(penWidth).Int(penStyle);
    WritePoints(out);
    out.Int(colour);
    out.Int(wallWidth);
    for (int32_t param : wallParams)
        out.Int(param);
    out.Int(angle).Int(wallFlag);
    out.X(face2StartX).Int(face2Aux).Y(face2StartY).X(face2EndX).Y(face2EndY);
    for (int32_t join : joinData)
        out.Int(join);
    out.Int(wallColour1).Int(wallColour2);
    out.EndLine();
}

bool TIntwallobj::ReadRecord(TRecordReader& in)
{
    if (!(ReadIds(in) && in.Int(penWidth) && in.Int(penStyle) && ReadPoints(in) && in.Int(colour) &&
          in.Int(wallWidth)))
        return false;
    for (int32_t& param : wallParams)
        if (!in.Int(param))
            return false;
    if (!(in.Int(angle) && in.Int(wallFlag) && in.X(face2StartX) && in.Int(face2Aux) && in.Y(face2StartY) &&
          in.X(face2EndX) && in.Y(face2EndY)))
        return false;
    for (int32_t& join : joinData)
        if (!in.Int(join))
            return false;
    return in.Int(wallColour1) && in.Int(wallColour2) && in.EndLine();
}

void TIntwallobj::Render(Canvas& dc, int scale, TFillStyle fill) const
{
    auto at = [scale](int32_t x, int32_t y) { return TPoint{ToWindow(x, scale), ToWindow(y, scale)}; };
    FillWallBody(dc, {at(x1, y1), at(x2, y2), at(face2EndX, face2EndY), at(face2StartX, face2StartY)}, fill,
                 TColor(wallColour1), TColor(wallColour2));

    // The two faces.
    dc.MoveTo(ToWindow(x1, scale), ToWindow(y1, scale));
    dc.LineTo(ToWindow(x2, scale), ToWindow(y2, scale));
    dc.MoveTo(ToWindow(face2StartX, scale), ToWindow(face2StartY, scale));
    dc.LineTo(ToWindow(face2EndX, scale), ToWindow(face2EndY, scale));
}

void TIntwallobj::PaintExtent(TPaintExtent& extent, int) const
{
    // The two faces; the body between them is filled.
    extent.Point(x1, y1);
    extent.Point(x2, y2);
    extent.Point(face2StartX, face2StartY);
    extent.Point(face2EndX, face2EndY);
}
