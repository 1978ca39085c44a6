#include "model/viewmapping.h"

#include "model/drawingstate.h"
#include "model/modelunits.h"

TMapping ViewMapping(const TRect& clientRect)
{
    const TDrawingState& state = State();
    // A window with no area yet still gets a usable mapping.
    const int width = clientRect.Width() > 0 ? clientRect.Width() : 1;
    const int height = clientRect.Height() > 0 ? clientRect.Height() : 1;
    const int extX = state.viewExtX != 0 ? state.viewExtX : 1;
    const int extY = state.viewExtY != 0 ? state.viewExtY : 1;
    return TMapping::Isotropic({state.viewOrgX, state.viewOrgY}, {extX, extY}, {0, height}, {width, -height});
}

void SetupViewMapping(Canvas& dc, const TRect& clientRect) { dc.SetMapping(ViewMapping(clientRect)); }

void DeviceToLogical(Canvas& dc, const TRect& clientRect, int x, int y, int& outX, int& outY)
{
    SetupViewMapping(dc, clientRect);
    const TPoint logical = dc.DPtoLP({x, y});
    outX = logical.x;
    outY = logical.y;
}

TPoint LogicalToModel(TPoint logical)
{
    const int64_t scale = State().unitsPerLogical;
    return {ClampToInt32(logical.x * scale), ClampToInt32(logical.y * scale)};
}

TPoint ModelToLogical(TPoint model)
{
    const int scale = State().unitsPerLogical > 0 ? State().unitsPerLogical : 1;
    return {model.x / scale, model.y / scale};
}
