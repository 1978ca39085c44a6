#include "tools/rectangleobjtool.h"

#include "model/rectangleobj.h"

void TRectangleobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    if (x1 == x2 && y1 == y2)
        return;
    auto rectangle = std::make_unique<TRectangleobj>();
    FillCommonFields(*rectangle);
    DrawAndStore(dc, clientRect, std::move(rectangle));
}
