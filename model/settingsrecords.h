#pragma once
// The typed record of each settings file under CFG/ (see typedsettings.h for how they are read and
// written). Field comments give units: lengths are model units (mm in the ...M twins, 1/24 inch in
// the ...I twins); colours 0x00BBGGRR.
#include "model/settingsformats.h"
#include "model/typedsettings.h"

#include <cstdint>
#include <string>
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

// PTNM.CFG / PTNI.CFG: the thickness of internal walls (the spacing of double lines).
struct TInternalWallSettings {
    static constexpr TSettingsFile file{"PTNM.CFG", "PTNI.CFG"};
    static constexpr const char* format = PTN_CFG_FORMAT;
    std::int32_t thickness = 0;
    auto Fields() { return std::tie(thickness); }
};

// STAIRSM.CFG / STAIRSI.CFG: the rise of each step and the going of each tread that stairs are
// drawn with. Shipped with the program; no dialog writes it.
struct TStairsSettings {
    static constexpr TSettingsFile file{"STAIRSM.CFG", "STAIRSI.CFG"};
    static constexpr const char* format = STAIRS_CFG_FORMAT;
    std::int32_t riserHeight = 0;
    std::int32_t treadWidth = 0;  // the spacing of the tread lines
    auto Fields() { return std::tie(riserHeight, treadWidth); }
};

// WLCLR.CFG: the two colours every wall carries (0x00BBGGRR).
struct TWallColourSettings {
    static constexpr TSettingsFile file{"WLCLR.CFG"};
    static constexpr const char* format = WLCLR_CFG_FORMAT;
    std::int32_t colour1 = 0;
    std::int32_t colour2 = 0;
    auto Fields() { return std::tie(colour1, colour2); }
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
    std::int32_t roomDimensionTextSize = 0;  // room size, manual dimension and line label text, points
    std::int32_t roomNameTextSize = 0;       // points
    auto Fields()
    {
        return std::tie(internalOffset, externalOffset, overallOffset, textOrientation, dimensionTextSize,
                        roomDimensionTextSize, roomNameTextSize);
    }
};

// The two files below have a shape of their own (a counted text after the numbers): they are read
// and written by hand (model/textsettings.cpp), through Parse and Format also by ReadSettings,
// WriteSettings and StoreSettings.

// TEXT.CFG: the font new texts are given, loaded into the drawing state at start-up. The face
// name is stored after its length and may hold blanks.
struct TTextSettings {
    static constexpr TSettingsFile file{"TEXT.CFG"};
    static constexpr const char* format = TEXT_CFG_FORMAT;
    static constexpr std::size_t FACE_CAPACITY = 31;
    std::int32_t pointSize = 10;
    std::int32_t weight = 400;       // 500 or more draws bold
    std::string faceName = "Arial";  // at most FACE_CAPACITY characters
    // The record a file's text holds; the shipped default's when the text is not one.
    static TTextSettings Parse(const std::string& text);
    std::string Format() const;
};

// The record of TEXT.CFG, byte for byte.
std::string FormatTextSettings(const TTextSettings& record);
// Reads a TEXT.CFG record: false when it does not hold the three numbers and a face name of the
// length given (the record is then left as it was).
bool ParseTextSettings(const std::string& text, TTextSettings& record);
// TEXT.CFG as stored; its shipped default when it is missing or unreadable.
TTextSettings ReadTextSettings();
// Rewrites TEXT.CFG. False when it could not be written; `reason` then says why.
bool WriteTextSettings(const TTextSettings& record, std::string* reason = nullptr);
// Start-up: puts the font of TEXT.CFG into the drawing state (currentFontFace, textPointSize,
// textWeight).
void LoadTextSettings();

// LTEXT.CFG: the text the Line + Text tool writes beside its next line, and the side. The text
// directly follows "/n" and is read as exactly its length in characters, so blanks in it survive.
struct TLineTextSettings {
    static constexpr TSettingsFile file{"LTEXT.CFG"};
    static constexpr const char* format = LTEXT_CFG_FORMAT;
    static constexpr std::size_t TEXT_CAPACITY = 80;
    std::int32_t side = 1;  // 1 above (left of a vertical line), any other value below (right)
    std::string text;       // at most TEXT_CAPACITY characters; empty places no label
    static TLineTextSettings Parse(const std::string& text);
    std::string Format() const;
};

// The record of LTEXT.CFG, byte for byte.
std::string FormatLineTextSettings(const TLineTextSettings& record);
// Reads an LTEXT.CFG record. A record that is not one gives no text; a text shorter than its
// length is taken as far as it goes, a length beyond the capacity is cut to it.
TLineTextSettings ParseLineTextSettings(const std::string& text);
// LTEXT.CFG as stored; no text when it is missing.
TLineTextSettings ReadLineTextSettings();
// Rewrites LTEXT.CFG. False when it could not be written; `reason` then says why.
bool WriteLineTextSettings(const TLineTextSettings& record, std::string* reason = nullptr);

// WIND.CFG: the opening the window tool places next, as the window dialog left it.
struct TWindowSettings {
    static constexpr TSettingsFile file{"WIND.CFG"};
    static constexpr const char* format = WIND_CFG_FORMAT;
    std::int32_t openingType = 1;  // 1 window, 5 wall opening, 6 single door, 7/8 French doors, 9 garage, 10 entry
    std::int32_t width = 0;        // model units
    std::int32_t height = 0;
    std::int32_t headLevel = 0;    // elevation base; the dialog writes 0
    std::int32_t showSizes = 0;    // 1: size label on the plan
    std::int32_t textSize = 9;     // label text size, 7 or 9 points
    std::int32_t showCill = 0;     // 1: the cill reaches beyond the outer face
    std::int32_t reserved = 0;
    auto Fields()
    {
        return std::tie(openingType, width, height, headLevel, showSizes, textSize, showCill, reserved);
    }
};

// WIND.CFG as the window tool rewrites it for a single external door: the same record with a line
// end.
struct TWindowDoorSettings : TWindowSettings {
    static constexpr const char* format = WIND_CFG_DOOR_FORMAT;
};

// ENTRY.CFG: the main entry frame.
struct TEntrySettings {
    static constexpr TSettingsFile file{"ENTRY.CFG"};
    static constexpr const char* format = ENTRY_CFG_FORMAT;
    std::int32_t doorWidth = 0;  // width of each door, model units
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
    std::int32_t doorCount = 1;  // 1 or 2
    std::int32_t reserved3 = 0;
    char doorSide = 'l';         // seen from outside: 'l' doors on the right, 'r' on the left, 'b' central
    char flag1 = 'n';
    char flag2 = 'n';
    auto Fields() { return std::tie(doorWidth, reserved1, reserved2, doorCount, reserved3, doorSide, flag1, flag2); }
};

// DOORSZE.CFG: the single door width offered at start, in both unit systems.
struct TDoorSizeSettings {
    static constexpr TSettingsFile file{"DOORSZE.CFG"};
    static constexpr const char* format = DOORSZE_CFG_FORMAT;
    std::int32_t metricWidth = 0;    // mm
    std::int32_t imperialWidth = 0;  // 1/24 inch
    auto Fields() { return std::tie(metricWidth, imperialWidth); }
};

// INTERN.CFG: how doors are drawn in plan: the angle a leaf stands open at and its pen width.
struct TDoorSettings {
    static constexpr TSettingsFile file{"INTERN.CFG"};
    static constexpr const char* format = INTERN_CFG_FORMAT;
    std::int32_t openingAngle = 90;  // degrees: 30, 60 or 90
    std::int32_t thicknessCode = 1;  // 1 minimum, 2 maximum: the leaf's pen width
    double sine = 1.0;               // of the opening angle, six decimals
    double cosine = 0.0;
    auto Fields() { return std::tie(openingAngle, thicknessCode, sine, cosine); }
};

// NEWRM.CFG: how the next room is labelled and, for a design room, coloured. The design-room
// dialogs write both; the fixed-room dialogs write their size display and 0 for the colour.
struct TNewRoomSettings {
    static constexpr TSettingsFile file{"NEWRM.CFG"};
    static constexpr const char* format = NEWRM_CFG_FORMAT;
    std::int32_t sizeDisplay = 1;   // 0 no sizes, 1 below the name, 2 both with arrows, 3 width, 4 length
    std::int32_t colourChoice = 1;  // 1 no colour, 2 wet area, 3 bedroom, 4 other rooms colour
    auto Fields() { return std::tie(sizeDisplay, colourChoice); }
};

// RMPTNM.CFG / RMPTNI.CFG: the thickness of the internal walls design rooms become, per floor.
struct TRoomWallSettings {
    static constexpr TSettingsFile file{"RMPTNM.CFG", "RMPTNI.CFG"};
    static constexpr const char* format = RMPTN_CFG_FORMAT;
    std::int32_t groundFloor = 0;  // floor 50
    std::int32_t firstFloor = 0;   // floor 51
    std::int32_t secondFloor = 0;  // floor 52
    auto Fields() { return std::tie(groundFloor, firstFloor, secondFloor); }
    // The thickness of a floor code; null for a floor the file holds none for.
    std::int32_t* ForFloor(int floorCode)
    {
        switch (floorCode) {
        case 50: return &groundFloor;
        case 51: return &firstFloor;
        case 52: return &secondFloor;
        default: return nullptr;
        }
    }
};

// MERGEM.CFG / MERGEI.CFG: how near a dropped design room must come to a wall face or another room
// to be aligned with it.
struct TMergeSettings {
    static constexpr TSettingsFile file{"MERGEM.CFG", "MERGEI.CFG"};
    static constexpr const char* format = MERGE_CFG_FORMAT;
    std::int32_t distance = 0;  // model units
    auto Fields() { return std::tie(distance); }
};

// RMCLR.CFG: the three colours a design room can be shown in (0x00BBGGRR).
struct TRoomColourSettings {
    static constexpr TSettingsFile file{"RMCLR.CFG"};
    static constexpr const char* format = RMCLR_CFG_FORMAT;
    std::int32_t wetArea = 0;
    std::int32_t bedroom = 0;
    std::int32_t otherRooms = 0;
    auto Fields() { return std::tie(wetArea, bedroom, otherRooms); }
};

// MAX.CFG: the free width and length the design-room tool found at a click, for the room it offers.
struct TMaxRoomSettings {
    static constexpr TSettingsFile file{"MAX.CFG"};
    static constexpr const char* format = MAX_CFG_FORMAT;
    std::int32_t width = 0;   // model units, at most 30000
    std::int32_t length = 0;
    auto Fields() { return std::tie(width, length); }
};

// METRIC.CFG: the unit system the new-drawing and measuring-units dialogs offer first.
struct TUnitSystemSettings {
    static constexpr TSettingsFile file{"METRIC.CFG"};
    static constexpr const char* format = METRIC_CFG_FORMAT;
    std::int32_t unitSystem = 0;  // 1 metric, anything else feet and inches
    auto Fields() { return std::tie(unitSystem); }
};

// CUST.CFG / CUSTIMP.CFG: the custom external wall the custom-wall dialogs offer.
struct TCustomWallSettings {
    static constexpr TSettingsFile file{"CUST.CFG", "CUSTIMP.CFG"};
    static constexpr const char* format = CUST_CFG_FORMAT;
    std::int32_t lines = 0;   // 2 to 4
    std::int32_t total = 0;   // the wall's whole width
    std::int32_t outer = 0;   // outside line to the second line
    std::int32_t cavity = 0;  // second line to the third line
    auto Fields() { return std::tie(lines, total, outer, cavity); }
};

// OVERLAY.CFG: which floors an overlay view shows under the floor in view (0/1 each).
struct TOverlaySettings {
    static constexpr TSettingsFile file{"OVERLAY.CFG"};
    static constexpr const char* format = OVERLAY_CFG_FORMAT;
    std::int32_t fourthLevel = 0;  // floor code 53
    std::int32_t ground = 0;       // 50
    std::int32_t first = 0;        // 51
    std::int32_t second = 0;       // 52
    std::int32_t level54 = 0;      // 54
    auto Fields() { return std::tie(fourthLevel, ground, first, second, level54); }
};

// PRNTCALM.CFG / PRNTCALI.CFG: the printer calibration.
struct TPrintCalibrationSettings {
    static constexpr TSettingsFile file{"PRNTCALM.CFG", "PRNTCALI.CFG"};
    static constexpr const char* format = PRNTCAL_CFG_FORMAT;
    std::int32_t measuredLength = 0;  // the calibration line as measured on paper
    double scaleCorrection = 1.0;     // printed scale factor; 1 prints true
    auto Fields() { return std::tie(measuredLength, scaleCorrection); }
};

// LIM.CFG: the number of entries each library's index lists. One file serves both unit systems,
// as the index and entry files do.
struct TLibraryCountSettings {
    static constexpr TSettingsFile file{"LIM.CFG"};
    static constexpr const char* format = LIBRARY_COUNTS_CFG_FORMAT;
    std::int32_t plumbing = 0;
    std::int32_t electrical = 0;
    std::int32_t furniture = 0;
    std::int32_t miscellaneous = 0;
    auto Fields() { return std::tie(plumbing, electrical, furniture, miscellaneous); }
    // The count of library 1 (plumbing) to 4 (miscellaneous); null for any other number.
    std::int32_t* Of(int library)
    {
        return library == 1 ? &plumbing : library == 2 ? &electrical : library == 3 ? &furniture
             : library == 4 ? &miscellaneous : nullptr;
    }
};

// EXTENTS.CFG: the extent of the floor's external walls or dimension lines, for the printed
// and zoomed view (no file ships: the program writes it before it reads it).
struct TExtentsSettings {
    static constexpr TSettingsFile file{"EXTENTS.CFG"};
    static constexpr const char* format = EXTENTS_CFG_FORMAT;
    // The minimum TList::WriteExtents starts from: a minimum still at it, or a maximum still at 0,
    // means that nothing was measured.
    static constexpr std::int32_t NOT_MEASURED_MIN = 200000;
    std::int32_t minX = 0;
    std::int32_t maxX = 0;
    std::int32_t maxY = 0;
    std::int32_t minY = 0;
    auto Fields() { return std::tie(minX, maxX, maxY, minY); }
    // Whether anything was measured: no minimum or maximum still at its start value.
    bool Measured() const { return minX != NOT_MEASURED_MIN && minY != NOT_MEASURED_MIN && maxX != 0 && maxY != 0; }
};

// TEMP.CFG: the number of lines of the selection list COPY.CFG (see selectionlist.h).
struct TCopyCountSettings {
    static constexpr TSettingsFile file{"TEMP.CFG"};
    static constexpr const char* format = TEMP_CFG_FORMAT;
    std::int32_t count = 0;
    auto Fields() { return std::tie(count); }
};

// ROOM.CFG: the inner size of the space found around a click of the fixed-room tool, which the
// new-fixed-room dialogs offer as the room's size.
struct TRoomSizeSettings {
    static constexpr TSettingsFile file{"ROOM.CFG"};
    static constexpr const char* format = ROOM_CFG_FORMAT;
    std::int32_t width = 0;   // x extent, model units
    std::int32_t length = 0;  // y extent
    auto Fields() { return std::tie(width, length); }
};

// INTWALL.CFG: the height and parameters of the walls a fixed room is closed with. Ships with the
// program; nothing writes it. Only `height` and the four wall parameters are used: the two other
// heights take `height`, and the colour the current colour.
struct TIntWallDetailSettings {
    static constexpr TSettingsFile file{"INTWALL.CFG"};
    static constexpr const char* format = INTWALL_CFG_FORMAT;
    std::int32_t unused = 0;
    std::int32_t height = 0;  // the walls' z1 and z2, the second face's height, the name's z1
    std::int32_t height2 = 0;
    std::int32_t height3 = 0;
    std::int32_t wallParam1 = 0;
    std::int32_t wallParam2 = 0;
    std::int32_t wallParam3 = 0;
    std::int32_t wallParam4 = 0;
    std::int32_t colour = 0;
    auto Fields()
    {
        return std::tie(unused, height, height2, height3, wallParam1, wallParam2, wallParam3, wallParam4, colour);
    }
};
