#include "tools/zoomview.h"

#include "model/drawingstate.h"
#include "model/modelunits.h"

#include <cstdint>
#include <cstdlib>
#include <algorithm>

bool ZoomViewToRectangle(TPoint start, TPoint release, const TRect& clientRect)
{
    TDrawingState& state = State();
    if (clientRect.Width() <= 0 || clientRect.Height() <= 0 || state.viewExtX == 0)
        return false;
    double fx = double(std::llabs(std::int64_t(release.x) - start.x));
    double fy = double(std::llabs(std::int64_t(release.y) - start.y));
    const double ratio = double(clientRect.Width()) / double(clientRect.Height());
    if (fy * ratio > fx)
        fx = fy * ratio;
    else
        fy = fx / ratio;
    const std::int32_t extX = TruncToInt32(fx);
    const std::int32_t extY = TruncToInt32(fy);
    if (extX < 1 || extY < 1)
        return false;

    const double oldExtX = state.viewExtX;
    state.viewExtX = extX;
    state.viewExtY = extY;
    state.viewOrgX = std::min(start.x, release.x);
    state.viewOrgY = std::min(start.y, release.y);
    state.unitsPerLogicalF = state.unitsPerLogicalF / (oldExtX / fx);
    return true;
}
