#include "tools/ellipsetool.h"

#include "model/viewmapping.h"

void TEllipsetool::DrawFeedback(Canvas& dc, int)
{
    DrawBoxEllipse(dc, *this);
}

void DrawBoxEllipse(Canvas& dc, const TDrawingtool& tool)
{
    const TBrush previous = dc.SelectBrush(TBrush{BrushKind::Hollow});
    const TPoint a = ModelToLogical({tool.x1, tool.y1});
    const TPoint b = ModelToLogical({tool.x2, tool.y2});
    dc.Ellipse(a.x, a.y, b.x, b.y);
    dc.SelectBrush(previous);
}
