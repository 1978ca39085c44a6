#pragma once
// The typed record of each settings file under CFG/ (see typedsettings.h for how they are read and
// written). Field comments give units: lengths are model units (mm in the ...M twins, 1/24 inch in
// the ...I twins); colours 0x00BBGGRR.
#include "model/settingsformats.h"
#include "model/typedsettings.h"

#include <cstdint>
#include <tuple>

// EXTWALLM.CFG / EXTWALLI.CFG: the external wall type and storey heights every new wall is built
// with.
struct TExtWallSettings {
    static constexpr TSettingsFile file{"EXTWALLM.CFG", "EXTWALLI.CFG"};
    static constexpr const char* format = EXTWALL_CFG_FORMAT;
    std::int32_t spacing1 = 0;      // reference line to wall line 1
    std::int32_t spacing2 = 0;      // wall line 1 to 2; 0 makes a two-line wall
    std::int32_t spacing3 = 0;      // wall line 2 to 3
    std::int32_t baseLevel = 0;
    std::int32_t groundStorey = 0;
    std::int32_t firstStorey = 0;
    std::int32_t secondStorey = 0;
    std::int32_t wallAux1 = 0;
    std::int32_t wallAux2 = 0;
    std::int32_t colour = 0;
    auto Fields()
    {
        return std::tie(spacing1, spacing2, spacing3, baseLevel, groundStorey, firstStorey, secondStorey, wallAux1,
                        wallAux2, colour);
    }
};

// ZOOM.CFG: the view of a newly opened drawing, to which Zoom/Normal Size returns.
struct TZoomSettings {
    static constexpr TSettingsFile file{"ZOOM.CFG"};
    static constexpr const char* format = ZOOM_CFG_FORMAT;
    std::int32_t viewExtX = 0;  // logical units
    std::int32_t viewExtY = 0;
    std::int32_t viewOrgX = 0;
    std::int32_t viewOrgY = 0;
    std::int32_t unitsPerLogical = 0;
    auto Fields() { return std::tie(viewExtX, viewExtY, viewOrgX, viewOrgY, unitsPerLogical); }
};

// SCROLL.CFG: the scroll bars' line steps.
struct TScrollSettings {
    static constexpr TSettingsFile file{"SCROLL.CFG"};
    static constexpr const char* format = SCROLL_CFG_FORMAT;
    std::int32_t lineX = 0;  // logical units
    std::int32_t lineY = 0;
    auto Fields() { return std::tie(lineX, lineY); }
};

// DWGSIZEM.CFG / DWGSIZEI.CFG: the drawing sheet.
struct TSheetSettings {
    static constexpr TSettingsFile file{"DWGSIZEM.CFG", "DWGSIZEI.CFG"};
    static constexpr const char* format = DWGSIZE_CFG_FORMAT;
    std::int32_t width = 0;  // logical units at the scale of a new drawing
    std::int32_t height = 0;
    auto Fields() { return std::tie(width, height); }
};

// CLR.CFG: the three default colours.
struct TColourSettings {
    static constexpr TSettingsFile file{"CLR.CFG"};
    static constexpr const char* format = CLR_CFG_FORMAT;
    std::int32_t background = 0;
    std::int32_t pen = 0;
    std::int32_t highlight = 0;
    auto Fields() { return std::tie(background, pen, highlight); }
};

// MOFFSET.CFG / IOFFSET.CFG: how dimensions and room texts are drawn.
struct TOffsetSettings {
    static constexpr TSettingsFile file{"MOFFSET.CFG", "IOFFSET.CFG"};
    static constexpr const char* format = OFFSET_CFG_FORMAT;
    std::int32_t internalOffset = 0;         // internal dimension lines from the wall
    std::int32_t externalOffset = 0;         // wall dimension lines from the external wall
    std::int32_t overallOffset = 0;          // overall dimension lines from the walls
    std::int32_t textOrientation = 0;        // 0 all text horizontal, 2700 text parallel to the wall
    std::int32_t dimensionTextSize = 0;      // points (9 or 10)
    std::int32_t roomDimensionTextSize = 0;  // room size and manual dimension text, points
    std::int32_t roomNameTextSize = 0;       // points
    auto Fields()
    {
        return std::tie(internalOffset, externalOffset, overallOffset, textOrientation, dimensionTextSize,
                        roomDimensionTextSize, roomNameTextSize);
    }
};
