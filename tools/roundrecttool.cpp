#include "tools/roundrecttool.h"

#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/viewmapping.h"

void TRoundrecttool::DrawFeedback(Canvas& dc, int)
{
    const TBrush previous = dc.SelectBrush(TBrush{BrushKind::Hollow});
    const TPoint a = ModelToLogical({x1, y1});
    const TPoint b = ModelToLogical({x2, y2});
    const int scale = State().unitsPerLogical > 0 ? State().unitsPerLogical : 1;
    const std::int32_t corner = ClampToInt32(2 * std::int64_t(libraryFlag) / scale);
    dc.RoundRect(a.x, a.y, b.x, b.y, corner, corner);
    dc.SelectBrush(previous);
}
