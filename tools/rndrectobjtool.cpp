#include "tools/rndrectobjtool.h"

#include "model/rndrectobj.h"

void TRndrectobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    if (x1 == x2 && y1 == y2)
        return;
    auto rectangle = std::make_unique<TRndrectobj>();
    FillCommonFields(*rectangle);
    rectangle->cornerRounding = libraryFlag;
    DrawAndStore(dc, clientRect, std::move(rectangle));
}
