#include "tools/arcobjtool.h"

#include "model/arcobj.h"

void TArcobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    if (x1 == x2 && y1 == y2)
        return;
    auto arc = std::make_unique<TArcobj>();
    FillCommonFields(*arc);
    arc->arcStartX = arcStartX;
    arc->arcStartY = arcStartY;
    arc->arcEndX = arcEndX;
    arc->arcEndY = arcEndY;
    DrawAndStore(dc, clientRect, std::move(arc));
}
