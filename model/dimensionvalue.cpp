#include "model/dimensionvalue.h"

#include "model/imperiallength.h"

std::string FormatDimensionValue(std::int32_t value, TDimensionTextForm form, int unitSystem)
{
    if (unitSystem == 1)
        return std::to_string(value);

    // Taken wide, so that the magnitude of the smallest int32 fits.
    std::int64_t magnitude = value;
    std::string text;
    if (magnitude < 0) {
        text = "-";
        magnitude = -magnitude;
    }
    const std::int64_t inches = magnitude / UNITS_PER_INCH;
    const int remainder = int(magnitude - inches * UNITS_PER_INCH);
    const std::int64_t feet = inches / 12;
    const std::int64_t inch = inches - 12 * feet;
    text += std::to_string(feet) + "' " + std::to_string(inch);

    const TInchFraction eighths = EighthsOf(remainder);
    if (eighths.denominator == 0)
        return text + (form == TDimensionTextForm::WallText ? "'' " : "''");
    return text + ' ' + std::to_string(eighths.numerator) + '/' + std::to_string(eighths.denominator) + "''";
}
