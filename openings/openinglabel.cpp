#include "openings/openinglabel.h"

#include "model/modelunits.h"
#include "model/openinglabelrow.h"
#include "model/settingsfile.h"
#include "openings/openingcodes.h"
#include "openings/wallsteps.h"
#include "tools/derivedpoints.h"

#include <numeric>

namespace {

// One imperial length as the label writes it: feet, inches and a fraction of an inch.
std::string ImperialLength(std::int32_t length)
{
    const std::int64_t value = length;
    const std::int64_t inches = value / 24;
    const int remainder = int(value % 24);
    const int feet = int(inches / 12);
    const int inchPart = int(inches % 12);
    if (remainder == 0)
        return FormatC("%d' %d''", feet, inchPart);
    // Eighths (every remainder a whole inch of the dialogs leaves); other remainders in 24ths, both
    // in lowest terms.
    const int numerator = remainder % 3 == 0 ? remainder / 3 : remainder;
    const int denominator = remainder % 3 == 0 ? 8 : 24;
    const int common = std::gcd(numerator, denominator);
    return FormatC("%d' %d %d/%d''", feet, inchPart, numerator / common, denominator / common);
}

}  // namespace

TLabelPlacement OpeningLabelPlacement(int markedSide, TPoint point, int unitSystem, int showCill,
                                      TDerivedPoints& points)
{
    int offset = unitSystem == 0 ? 48 : 50;
    if (showCill == 1)
        offset *= 2;
    const std::int64_t mx = point.x;
    const std::int64_t my = point.y;
    // The anchor lies the offset outside the outer face; the rest is the label table's row for the
    // wall's angle.
    auto place = [&points](std::int64_t x, std::int64_t y, int wallAngle) {
        const TLabelRow row = OpeningLabelRow(wallAngle);
        return TLabelPlacement{points.Take(x, y), row.escapement, row.alignment, row.direction};
    };

    switch (markedSide) {
    case FACE_PLUS_X: return place(mx, my + offset, 900);
    case FACE_MINUS_X: return place(mx, my - offset, 2700);
    case FACE_MINUS_Y: return place(mx + offset, my, 1800);
    case FACE_PLUS_Y: return place(mx - offset, my, 0);
    default: break;
    }
    if (markedSide <= 0)
        return {point, 0, 6, 0};
    const int a = markedSide;
    const TQuadrant q = QuadrantOf(a);
    const wallsteps::TTrig t = wallsteps::TrigOf(q.reduced);
    const int dc = wallsteps::Round(offset * t.c);
    const int ds = wallsteps::Round(offset * t.s);
    switch (q.quadrant) {
    case 1: return place(mx - dc, my + ds, a);
    case 2: return place(mx + ds, my + dc, a);
    case 3: return place(mx + dc, my - ds, a);
    default: return place(mx - ds, my - dc, a);
    }
}

std::string OpeningSizeText(int unitSystem, std::int32_t width, std::int32_t height)
{
    if (unitSystem == 0)
        return ImperialLength(width) + " x " + ImperialLength(height);
    return FormatC("%d w x %d h", width, height);
}
