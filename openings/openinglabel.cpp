#include "openings/openinglabel.h"

#include "model/modelunits.h"
#include "model/settingsfile.h"
#include "openings/openingcodes.h"
#include "openings/wallsteps.h"

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

TLabelPlacement OpeningLabelPlacement(int markedSide, TPoint point, int unitSystem, int showCill)
{
    int offset = unitSystem == 0 ? 48 : 50;
    if (showCill == 1)
        offset *= 2;
    const std::int64_t mx = point.x;
    const std::int64_t my = point.y;
    auto at = [](std::int64_t x, std::int64_t y) { return TPoint{ClampToInt32(x), ClampToInt32(y)}; };

    switch (markedSide) {
    case FACE_PLUS_X: return {at(mx, my + offset), 0, 6, 900};
    case FACE_MINUS_X: return {at(mx, my - offset), 0, 4, 2700};
    case FACE_MINUS_Y: return {at(mx + offset, my), 2700, 4, 1800};
    case FACE_PLUS_Y: return {at(mx - offset, my), 2700, 6, 0};
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
    case 1: return {at(mx - dc, my + ds), 2700 + a, 6, a};
    case 2: return {at(mx + ds, my + dc), a - 900, 6, a};
    case 3: return {at(mx + dc, my - ds), 900 + a, 4, a};
    default: return {at(mx - ds, my - dc), a - 2700, 4, a};
    }
}

std::string OpeningSizeText(int unitSystem, std::int32_t width, std::int32_t height)
{
    if (unitSystem == 0)
        return ImperialLength(width) + " x " + ImperialLength(height);
    return FormatC("%d w x %d h", width, height);
}
