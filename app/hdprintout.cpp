#include "app/hdprintout.h"

#include "app/printtarget.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/planpainter.h"
#include "model/printlist.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"
#include "platform/canvas.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr std::int32_t MAX_COPIES = 9999;
constexpr int PRINTING = 1000;

// What painting a page borrows from the window: the floor in view and the view fields. They come
// back when the page is done, also when painting it fails, so the window goes on showing its floor
// as it was.
class TBorrowedView {
public:
    explicit TBorrowedView(TDrawingState& s)
        : state(s), currentFloor(s.currentFloor), viewExtX(s.viewExtX), viewExtY(s.viewExtY),
          viewOrgX(s.viewOrgX), viewOrgY(s.viewOrgY), printLineFactor(s.printLineFactor)
    {
    }
    ~TBorrowedView()
    {
        state.currentFloor = currentFloor;
        state.viewExtX = viewExtX;
        state.viewExtY = viewExtY;
        state.viewOrgX = viewOrgX;
        state.viewOrgY = viewOrgY;
        state.printLineFactor = printLineFactor;
    }
    TBorrowedView(const TBorrowedView&) = delete;
    TBorrowedView& operator=(const TBorrowedView&) = delete;

private:
    TDrawingState& state;
    int currentFloor, viewExtX, viewExtY, viewOrgX, viewOrgY, printLineFactor;
};

}  // namespace

THDPrintout::THDPrintout(int lineWeight, bool showScale)
    : lineWeight(std::clamp(lineWeight, 1, 3)), showScale(showScale)
{
}

std::vector<TPrintFloor> THDPrintout::ReadPrintList()
{
    std::vector<TPrintFloor> floors;
    for (const TPrintListEntry& entry : ReadSettings<TPrintListSettings>().entries) {
        const int64_t floorCode = int64_t(entry.floorCode) - PRINTING;
        if (entry.copies < 1 || entry.scale < 1 || floorCode < GROUND_FLOOR || floorCode > SECOND_FLOOR)
            continue;
        if (std::any_of(floors.begin(), floors.end(), [&](const TPrintFloor& f) { return f.floorCode == floorCode; }))
            continue;
        floors.push_back({std::min(entry.copies, MAX_COPIES), entry.scale, std::int32_t(floorCode)});
    }
    return floors;
}

bool THDPrintout::WritePrintList(const std::vector<TPrintFloor>& floors, std::string* reason)
{
    TPrintListSettings list;
    for (const TPrintFloor& floor : floors)
        if (floor.copies > 0)
            list.entries.push_back({floor.copies, floor.scale, PRINTING + floor.floorCode});
    return WriteSettings(list, State().unitSystem, reason);
}

double THDPrintout::ScaleCorrection()
{
    const double correction = ReadSettings<TPrintCalibrationSettings>().scaleCorrection;
    // A calibration is a few per cent at most; anything far off is a damaged file.
    if (!(correction > 0.5 && correction < 2.0))
        return 1.0;
    return correction;
}

bool THDPrintout::HasDrawing(int floorCode)
{
    const auto& items = State().objects.Items();
    return std::any_of(items.begin(), items.end(), [floorCode](const auto& object) {
        return object->floor == floorCode && !IsFloorRecordType(object->typeCode);
    });
}

double THDPrintout::PixelsPerModelUnit(int unitSystem, int scale, double correction, int dpi)
{
    // Metric model units are millimetres, imperial ones 1/24 inch.
    const double unitsPerInch = unitSystem == 1 ? 25.4 : 24.0;
    return double(dpi) * correction / (unitsPerInch * std::max(1, scale));
}

void THDPrintout::PrintPage(Canvas& dc, int floorCode, int scale, double correction)
{
    TDrawingState& state = State();
    const TPoint size = dc.DeviceSize();
    const TPoint dpi = dc.DeviceResolution();
    if (size.x <= 0 || size.y <= 0 || dpi.x <= 0)
        return;
    const int u = std::max(1, state.unitsPerLogical);
    const double pixelsPerLogical = PixelsPerModelUnit(state.unitSystem, scale, correction, dpi.x) * u;

    // The floor's plan points, to centre it on the paper.
    long long minX = LLONG_MAX, maxX = LLONG_MIN, minY = LLONG_MAX, maxY = LLONG_MIN;
    for (const auto& object : state.objects.Items()) {
        if (object->floor != floorCode || IsFloorRecordType(object->typeCode))
            continue;
        const TModelBox box = object->Bounds();
        if (box.empty)
            continue;
        minX = std::min<long long>(minX, box.minX);
        maxX = std::max<long long>(maxX, box.maxX);
        minY = std::min<long long>(minY, box.minY);
        maxY = std::max<long long>(maxY, box.maxY);
    }
    long long centreX = (long long)state.sheetWidth / 2;
    long long centreY = (long long)state.sheetHeight / 2;
    if (minX <= maxX) {
        centreX = (minX + maxX) / 2 / u;
        centreY = (minY + maxY) / 2 / u;
    }

    const TBorrowedView borrowed(state);
    state.viewExtX = std::max(1, int(std::lround(size.x / pixelsPerLogical)));
    state.viewExtY = std::max(1, int(std::lround(size.y / pixelsPerLogical)));
    state.viewOrgX = int(centreX - state.viewExtX / 2);
    state.viewOrgY = int(centreY - state.viewExtY / 2);
    // Line weights in hundredths of an inch on the paper, at least a pixel.
    const long perWeight = std::max(1L, std::lround(dpi.x / 100.0 / pixelsPerLogical));
    state.printLineFactor = int(lineWeight * perWeight);
    state.currentFloor = PRINTING + floorCode;
    PaintFloor(dc, {0, 0, size.x, size.y});

    if (showScale) {
        dc.ResetMapping();
        TFont font;
        font.face = "Arial";
        font.height = std::max(1, dpi.y / 6);
        const TFont oldFont = dc.SelectFont(font);
        const unsigned oldAlign = dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
        const TColor oldColour = dc.SetTextColor(0);
        dc.TextOut(dpi.x / 4, size.y - dpi.y / 4, "SCALE 1:" + std::to_string(scale));
        dc.SetTextColor(oldColour);
        dc.SetTextAlign(oldAlign);
        dc.SelectFont(oldFont);
    }
}

int THDPrintout::Print(PrintTarget& target, const std::vector<TPrintFloor>& floors)
{
    TDrawingState& state = State();
    if (state.drawingState < 2 || state.drawingName.empty() || floors.empty())
        return 0;
    const double correction = ScaleCorrection();
    int pages = 0;
    for (const TPrintFloor& floor : floors) {
        for (int copy = 0; copy < floor.copies; ++copy) {
            if (pages > 0 && !target.NewPage())
                return pages;
            PrintPage(target.PageCanvas(), floor.floorCode, floor.scale, correction);
            ++pages;
        }
    }
    return pages;
}
