#include "tools/circleobjtool.h"

#include "model/circleobj.h"

void TCircleobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    lineDrawn = 0;
    if (x1 == x2 && y1 == y2)
        return;
    auto circle = std::make_unique<TCircleobj>();
    FillCommonFields(*circle);
    DrawAndStore(dc, clientRect, std::move(circle));
}
