// The drawing window's painting: a repaint from the drawing file with what the tools hold and show
// drawn over it, and the areas waiting for one.
#include "app/child.h"

#include "app/client.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/planpainter.h"
#include "model/typecodes.h"
#include "model/viewmapping.h"
#include "platform/canvas.h"
#include "tools/drawingtool.h"

#include <algorithm>

void TChild::Paint(Canvas& dc, const TRect& area)
{
    TDrawingState& state = State();
    dc.ResetMapping();
    dc.FillDeviceRect(area, state.currentFillColour);
    if (state.drawingState < 2 || state.drawingName.empty() || !IsPlanFloor(state.currentFloor))
        return;
    // The file is read afresh, but for File/Open's own repaint and while the tool's change is in the list only.
    this->client.Repainting(this);
    const bool fromList = this->client.PaintsFromList(this);
    TLoadResult loaded = fromList ? TLoadResult{} : state.objects.ReadForRepaint();
    if (!loaded.ok) {
        // Reported once; the file is left as it is and nothing is drawn.
        if (!loadFailureReported) {
            loadFailureReported = true;
            MessageBox(loaded.message, ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        }
        this->client.DrawShownFeedback(dc, ClientRect(), this);
        return;
    }
    loadFailureReported = loadFailureReported && fromList;
    // Painted in bands at once where the canvas can, cut at equal work: each clipped to itself.
    const TRect client = ClientRect();
    PaintFloorInBands(dc, client, state.objects, FloorInView());
    // A figure a tool holds (a multiline's first line, a typed text's line) is not in the file:
    // drawn over the floor, and the feedback the tools show (a rubber band) again over that,
    // where their next erase takes it off.
    this->client.DrawHeldFigures(dc, client, this);
    this->client.DrawShownFeedback(dc, client, this);
    dc.ResetMapping();
}

void TChild::InvalidateArea(const TRect& device)
{
    TRect area = device.Normalized().Intersect(ClientRect());
    if (!area.IsEmpty())
        host->Invalidate(area);
}

void TChild::Refresh(int mode)
{
    TRect client = ClientRect();
    switch (mode) {
    case 3:
        InvalidateArea({0, client.Height() / 3, client.Width() / 4, client.Height()});
        break;
    case 9:
        InvalidateArea(client);
        host->UpdateWindow();
        break;
    case 15: {
        TDrawingtool& tool = Tool();
        int u = std::max(1, State().unitsPerLogical);
        TMapping mapping = ViewMapping(client);
        TPoint a = mapping.ToDevice({tool.editLeft / u, tool.editTop / u});
        TPoint b = mapping.ToDevice({tool.editRight / u, tool.editBottom / u});
        InvalidateArea(TRect{a.x, a.y, b.x, b.y}.Normalized().Inflated(1, 1));
        break;
    }
    default:
        InvalidateArea(client);
        break;
    }
}

void TChild::InvalidateModelArea(const TModelBox& area)
{
    if (area.empty)
        return;
    // Pens and text reach a little beyond the points: a few pixels of margin.
    const TPoint a = DevicePointOf({area.minX, area.maxY});
    const TPoint b = DevicePointOf({area.maxX, area.minY});
    InvalidateArea(TRect{a.x, a.y, b.x, b.y}.Normalized().Inflated(4, 4));
}

