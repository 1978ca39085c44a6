#include "model/object.h"

#include "model/drawingstate.h"
#include "model/paintextent.h"
#include "model/planturn.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"
#include "model/viewmapping.h"

TObject::TObject(int32_t typeCode) : typeCode(typeCode) {}

TObject::~TObject() = default;

void DumpInt(std::string& out, const char* name, int32_t value)
{
    out += ' ';
    out += name;
    out += '=';
    out += std::to_string(value);
}

void DumpText(std::string& out, const char* name, const std::string& text)
{
    out += ' ';
    out += name;
    out += "=\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
}

TBrush FillBrush(TFillStyle fill, TColor colour)
{
    TBrush brush;
    brush.colour = colour;
    switch (fill) {
    case TFillStyle::None:
        brush.kind = BrushKind::Hollow;
        break;
    case TFillStyle::Solid:
        brush.kind = BrushKind::Solid;
        break;
    case TFillStyle::Hatched:
        brush.kind = BrushKind::Hatched;
        brush.hatch = HS_DIAGCROSS;
        break;
    }
    return brush;
}

TFillStyle WallStyleOfDisplayMode(int displayMode)
{
    switch ((displayMode % 100) / 10) {
    case 1:
        return TFillStyle::Hatched;
    case 2:
        return TFillStyle::Solid;
    default:
        return TFillStyle::None;
    }
}

void FillWallBody(Canvas& dc, std::initializer_list<TPoint> outline, TFillStyle fill, TColor hatchColour,
                  TColor solidColour)
{
    if (fill == TFillStyle::None)
        return;
    TPen noPen;
    noPen.style = PS_NULL;
    const TPen oldPen = dc.SelectPen(noPen);
    const TBrush oldBrush = dc.SelectBrush(FillBrush(fill, fill == TFillStyle::Hatched ? hatchColour : solidColour));
    dc.Polygon(std::vector<TPoint>(outline));
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

void TObject::DumpBase(std::string& out) const
{
    DumpInt(out, "floor", floor);
    DumpInt(out, "ownerId", ownerId);
    DumpInt(out, "groupId", groupId);
    DumpInt(out, "typeCode", typeCode);
    DumpInt(out, "penWidth", penWidth);
    DumpInt(out, "penStyle", penStyle);
    DumpInt(out, "x1", x1);
    DumpInt(out, "z1", z1);
    DumpInt(out, "x2", x2);
    DumpInt(out, "z2", z2);
    DumpInt(out, "y1", y1);
    DumpInt(out, "y2", y2);
    DumpInt(out, "colour", colour);
}

void TObject::DumpFields(std::string& out) const { DumpBase(out); }

void TObject::WriteIds(TRecordWriter& out) const { out.Int(typeCode).Int(floor).Int(ownerId).Int(groupId); }

bool TObject::ReadIds(TRecordReader& in)
{
    return in.Int(typeCode) && in.Int(floor) && in.Int(ownerId) && in.Int(groupId);
}

void TObject::WritePoints(TRecordWriter& out) const { out.X(x1).Int(z1).X(x2).Int(z2).Y(y1).Y(y2); }

bool TObject::ReadPoints(TRecordReader& in)
{
    return in.X(x1) && in.Int(z1) && in.X(x2) && in.Int(z2) && in.Y(y1) && in.Y(y2);
}

void TObject::WritePen(TRecordWriter& out) const { out.Int(colour).Int(penWidth).Int(penStyle); }

bool TObject::ReadPen(TRecordReader& in) { return in.Int(colour) && in.Int(penWidth) && in.Int(penStyle); }

std::string DumpObject(int index, const TObject& object)
{
    std::string line = std::to_string(index);
    line += ' ';
    line += object.ClassName();
    object.DumpFields(line);
    return line;
}

void TObject::ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit)
{
    visit(x1, y1);
    visit(x2, y2);
}

TModelBox TObject::Bounds() const
{
    TModelBox box;
    // ForEachPoint only reads through the references here.
    const_cast<TObject*>(this)->ForEachPoint([&box](int32_t& x, int32_t& y) { box.Add(x, y); });
    return box;
}

bool TObject::HitTest(int, double, double, int) const { return false; }

void TObject::TurnOrMirror(int rotation, TPoint centre)
{
    ForEachPoint([&](int32_t& x, int32_t& y) { TurnPoint(x, y, rotation, centre); });
}

void TObject::Draw(Canvas& dc) const { Render(dc, State().unitsPerLogical, TFillStyle::None); }

void TObject::DrawSolid(Canvas& dc) const { Render(dc, State().unitsPerLogical, TFillStyle::Solid); }

void TObject::DrawHatched(Canvas& dc) const { Render(dc, State().unitsPerLogical, TFillStyle::Hatched); }

void TObject::DrawWithPen(Canvas& dc, const TPen& pen) const
{
    const TPen old = dc.SelectPen(pen);
    Draw(dc);
    dc.SelectPen(old);
}

TPen TObject::PlanPen(int highlight) const
{
    const TDrawingState& state = State();
    TPen pen;
    pen.colour = highlight > 0 ? state.highlightColour : TColor(colour);
    pen.width = penWidth * (state.printLineFactor > 0 ? state.printLineFactor : 1);
    pen.style = penStyle;
    return pen;
}

void TObject::DrawMapped(Canvas& dc, const TRect& clientRect, int highlight) const
{
    SetupViewMapping(dc, clientRect);
    const TPen old = dc.SelectPen(PlanPen(highlight));
    Render(dc, State().unitsPerLogical, PlanFill());
    dc.SelectPen(old);
}

void TObject::PaintExtent(TPaintExtent& extent, int) const { extent.Unbounded(); }

void TObject::DrawScaled(Canvas& dc, int scale) const { Render(dc, scale, TFillStyle::None); }

void TObject::DrawSolidScaled(Canvas& dc, int scale) const { Render(dc, scale, TFillStyle::Solid); }

void TObject::DrawHatchedScaled(Canvas& dc, int scale) const { Render(dc, scale, TFillStyle::Hatched); }
