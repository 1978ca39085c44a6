#include "tools/ellipseobjtool.h"

#include "model/ellipseobj.h"

void TEllipseobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    lineDrawn = 0;
    if (x1 == x2 && y1 == y2)
        return;
    auto ellipse = std::make_unique<TEllipseobj>();
    FillCommonFields(*ellipse);
    DrawAndStore(dc, clientRect, std::move(ellipse));
}
