#include "app/windowview.h"

#include "model/drawingstate.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Scroll keys, as virtual-key codes.
constexpr int KEY_PAGE_UP = 33;
constexpr int KEY_PAGE_DOWN = 34;
constexpr int KEY_END = 35;
constexpr int KEY_HOME = 36;

}  // namespace

TZoomSettings TWindowView::SetUpNew(const TRect& client)
{
    TDrawingState& state = State();
    const TSheetSettings sheet = ReadSettings<TSheetSettings>(state.unitSystem);
    state.sheetWidth = std::max(0, int(sheet.width));
    state.sheetHeight = std::max(0, int(sheet.height));
    state.viewOrgX = 0;
    state.viewOrgY = 0;
    state.viewExtX = state.sheetWidth > 0 ? state.sheetWidth : std::max(1, client.Width());
    state.viewExtY = state.sheetHeight > 0 ? state.sheetHeight : std::max(1, client.Height());
    state.unitsPerLogicalF = state.unitsPerLogical;
    lastClient = client;
    normalView = true;
    const TScrollSettings steps = ReadSettings<TScrollSettings>();
    scrollLineX = std::max(1, int(steps.lineX));
    scrollLineY = std::max(1, int(steps.lineY));
    return {state.viewExtX, state.viewExtY, state.viewOrgX, state.viewOrgY, state.unitsPerLogical};
}

bool TWindowView::NormalSize()
{
    TDrawingState& state = State();
    const TZoomSettings zoom = ReadSettings<TZoomSettings>();
    // A view with no extent or scale would divide by zero: such a file is not taken.
    if (zoom.viewExtX <= 0 || zoom.viewExtY <= 0 || zoom.unitsPerLogical <= 0)
        return false;
    state.viewExtX = zoom.viewExtX;
    state.viewExtY = zoom.viewExtY;
    state.viewOrgX = zoom.viewOrgX;
    state.viewOrgY = zoom.viewOrgY;
    state.unitsPerLogical = zoom.unitsPerLogical;
    state.unitsPerLogicalF = state.unitsPerLogical;
    normalView = true;
    return true;
}

bool TWindowView::Zoomed()
{
    const TDrawingState& state = State();
    if (state.viewExtX <= 0 || state.viewExtY <= 0 || state.unitsPerLogicalF <= 0.0)
        return false;
    normalView = false;
    return true;
}

void TWindowView::Resized(const TRect& client)
{
    TDrawingState& state = State();
    if (!normalView && lastClient.Width() > 0 && lastClient.Height() > 0 && client.Width() > 0 &&
        client.Height() > 0) {
        state.viewExtX = std::max(1, int(std::lround(double(state.viewExtX) * client.Width() / lastClient.Width())));
        state.viewExtY = std::max(1, int(std::lround(double(state.viewExtY) * client.Height() / lastClient.Height())));
    }
    if (client.Width() > 0 && client.Height() > 0)
        lastClient = client;
}

TWindowView::TScrollInfo TWindowView::ScrollInfo() const
{
    const TDrawingState& state = State();
    TScrollInfo info;
    info.pageX = std::max(1, state.viewExtX);
    info.pageY = std::max(1, state.viewExtY);
    info.lineX = scrollLineX;
    info.lineY = scrollLineY;
    info.minX = std::min(0, state.viewOrgX);
    info.maxX = std::max({info.minX, state.sheetWidth - state.viewExtX, state.viewOrgX});
    info.minY = std::min(0, state.viewOrgY);
    info.maxY = std::max({info.minY, state.sheetHeight - state.viewExtY, state.viewOrgY});
    return info;
}

bool TWindowView::ScrollTo(int orgX, int orgY)
{
    TDrawingState& state = State();
    const TScrollInfo info = ScrollInfo();
    orgX = std::clamp(orgX, info.minX, info.maxX);
    orgY = std::clamp(orgY, info.minY, info.maxY);
    if (orgX == state.viewOrgX && orgY == state.viewOrgY)
        return false;
    state.viewOrgX = orgX;
    state.viewOrgY = orgY;
    return true;
}

bool TWindowView::MoveWithPlan(std::int64_t dx, std::int64_t dy)
{
    if (normalView)
        return false;
    const TDrawingState& state = State();
    const std::int64_t scale = std::max(1, state.unitsPerLogical);
    // The origin is held in whole logical units: the nearest one, kept in the int range for the
    // clamp below.
    auto moved = [scale](int origin, std::int64_t shift) {
        const std::int64_t logical = (shift + (shift < 0 ? -scale : scale) / 2) / scale;
        return int(std::clamp<std::int64_t>(origin + logical, INT_MIN, INT_MAX));
    };
    return ScrollTo(moved(state.viewOrgX, dx), moved(state.viewOrgY, dy));
}

bool TWindowView::ScrollKeyTarget(int key, int& orgX, int& orgY) const
{
    const TDrawingState& state = State();
    const TScrollInfo info = ScrollInfo();
    orgX = state.viewOrgX;
    orgY = state.viewOrgY;
    switch (key) {
    case KEY_PAGE_UP:
        orgY += info.pageY;
        return true;
    case KEY_PAGE_DOWN:
        orgY -= info.pageY;
        return true;
    case KEY_HOME:
        orgX -= info.pageX;
        return true;
    case KEY_END:
        orgX += info.pageX;
        return true;
    default:
        return false;
    }
}
