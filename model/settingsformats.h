#pragma once
// The record formats of the settings files under CFG/, shared by every reader and writer.
// Formats are byte-exact: a format without "\n" writes no line end. Code reads and writes a file
// through its typed record (settingsrecords.h and the records of a special shape beside it), which
// names its format here; every integer field is an int32, "%ld" as much as "%d". Lengths are model
// units (mm in the ...M files, 1/24 inch in the ...I files).

// METRIC.CFG: unit system preset of the new-drawing and measuring-units dialogs (1 metric, else imperial).
constexpr const char* METRIC_CFG_FORMAT = "%d";

// PTNI.CFG / PTNM.CFG: internal wall (double line) thickness.
constexpr const char* PTN_CFG_FORMAT = "%d";

// DOORSZE.CFG: default single door width, metric (mm), then imperial (1/24 inch).
constexpr const char* DOORSZE_CFG_FORMAT = "%d %d";

// INTERN.CFG: door opening angle (30, 60, 90 degrees), leaf thickness code (1, 2), sine and cosine
// of the angle (six decimals).
constexpr const char* INTERN_CFG_FORMAT = "%d %d %lf %lf";

// IOFFSET.CFG / MOFFSET.CFG: internal, external and overall dimension offsets, text orientation
// (0 or 2700), dimension text size, room size text size, room name text size (points).
constexpr const char* OFFSET_CFG_FORMAT = "%d %d %d %d %d %d %d";

// TITLE2D.CFG: lengths of the ground, first and second floor titles, then the three titles run
// together, then a line end. Written with TITLE2D_CFG_FORMAT; read with TITLE2D_CFG_READ_FORMAT
// followed by each title as exactly its length in characters.
constexpr const char* TITLE2D_CFG_FORMAT = "%d %d %d%s%s%s\n";
constexpr const char* TITLE2D_CFG_READ_FORMAT = "%d %d %d ";

// CUST.CFG / CUSTIMP.CFG: custom external wall: number of lines, total width, space between the
// outside and second line, space between the second and third line.
constexpr const char* CUST_CFG_FORMAT = "%d %d %d %d";

// STAIRSI.CFG / STAIRSM.CFG: riser height, tread width.
constexpr const char* STAIRS_CFG_FORMAT = "%d %d";

// PRNTCALI.CFG / PRNTCALM.CFG: measured calibration length, scale correction.
constexpr const char* PRNTCAL_CFG_FORMAT = "%d %lf";

// WIND.CFG: opening type, width, height, elevation base (0), show sizes (0/1), label text size
// (7 or 9 points), show cill (0/1), reserved (0).
constexpr const char* WIND_CFG_FORMAT = "%d %d %d %d %d %d %d %d";

// WIND.CFG as the window tool rewrites it for a single external door (the door's width in place of
// the window width): the same fields with a line end.
constexpr const char* WIND_CFG_DOOR_FORMAT = "%d %d %d %d %d %d %d %d\n";

// ENTRY.CFG: width of each door, 0, 0, door count (1, 2), 0, door side ('l', 'r', 'b'), 'n', 'n'.
constexpr const char* ENTRY_CFG_FORMAT = "%d %d %d %d %d %c %c %c";

// NEWRM.CFG: size-label code (0..4), design-room colour code (1..4; 0 after a fixed room).
constexpr const char* NEWRM_CFG_FORMAT = "%d %d";

// RMPTNI.CFG / RMPTNM.CFG: design-room internal wall thickness of the ground, first, second floor.
constexpr const char* RMPTN_CFG_FORMAT = "%d %d %d";

// OVERLAY.CFG: overlay flags (0/1) of the floor codes 53, 50, 51, 52, 54.
constexpr const char* OVERLAY_CFG_FORMAT = "%d %d %d %d %d";

// ROOM.CFG: inner width and length of the space found for a fixed room.
constexpr const char* ROOM_CFG_FORMAT = "%ld %ld";

// MAX.CFG: free width and length found for a maximum-size design room.
constexpr const char* MAX_CFG_FORMAT = "%d %d";

// INTWALL.CFG: unused, wall height value z, two values replaced by z, four wall parameters, a
// colour replaced by the current colour.
constexpr const char* INTWALL_CFG_FORMAT = "%d %ld %ld %ld %d %d %d %d %ld";

// EXTWALLI.CFG / EXTWALLM.CFG: spacing1, spacing2, spacing3, base level, ground, first and second
// storey heights, wallAux1, wallAux2, wall colour.
constexpr const char* EXTWALL_CFG_FORMAT = "%d %d %d %ld %ld %ld %ld %d %d %ld";

// WLCLR.CFG: the two wall colours (COLORREF).
constexpr const char* WLCLR_CFG_FORMAT = "%ld %ld\n";

// CLR.CFG: background colour, pen colour of new objects, highlight colour (COLORREF).
constexpr const char* CLR_CFG_FORMAT = "%ld %ld %ld\n";

// RMCLR.CFG: wet area, bedroom and other rooms colours of design rooms (COLORREF).
constexpr const char* RMCLR_CFG_FORMAT = "%ld %ld %ld\n";

// MERGEI.CFG / MERGEM.CFG: design-room merge distance.
constexpr const char* MERGE_CFG_FORMAT = "%d\n";

// SCROLL.CFG: horizontal and vertical scroll line step in logical units.
constexpr const char* SCROLL_CFG_FORMAT = "%d %d\n";

// DWGSIZEI.CFG / DWGSIZEM.CFG: sheet width and height in logical units of a new drawing.
constexpr const char* DWGSIZE_CFG_FORMAT = "%d %d\n";

// ZOOM.CFG: viewExtX, viewExtY, viewOrgX, viewOrgY, unitsPerLogical of a newly opened view.
constexpr const char* ZOOM_CFG_FORMAT = "%d %d %d %d %d\n";

// TEXT.CFG: text point size, weight, length of the face name, the face name. Read the name as
// exactly that many characters after TEXT_CFG_READ_FORMAT (a face name may hold blanks).
constexpr const char* TEXT_CFG_FORMAT = "%d %d %d %s\n";
constexpr const char* TEXT_CFG_READ_FORMAT = "%d %d %d ";

// GRIDI.CFG / GRIDM.CFG: grid spacing x, y.
constexpr const char* GRID_CFG_FORMAT = "%d %d\n";

// LII.CFG / LIM.CFG: entry counts of the plumbing, electrical, furniture, miscellaneous libraries.
constexpr const char* LIBRARY_COUNTS_CFG_FORMAT = "%d %d %d %d";

// PLBM.CFG, ELEM.CFG, FURM.CFG, MISM.CFG: one line per library entry: name length, the name.
// Read back as LIBRARY_INDEX_READ_FORMAT followed by that many characters.
constexpr const char* LIBRARY_INDEX_CFG_FORMAT = "%d %s\n";
constexpr const char* LIBRARY_INDEX_READ_FORMAT = "%d ";

// The files the program writes before it reads them, so that none ships.

// EXTENTS.CFG: minimum x, maximum x, maximum y, minimum y.
constexpr const char* EXTENTS_CFG_FORMAT = "%ld %ld %ld %ld";

// COPY.CFG: one line per selected object: object index, base point x, y.
constexpr const char* COPY_CFG_FORMAT = "%d %ld %ld\n";

// TEMP.CFG: the number of lines in COPY.CFG (written with a line end, read with "%d").
constexpr const char* TEMP_CFG_FORMAT = "%d\n";

// PRNTLST.CFG: one line per floor to print: copies, scale, 1000 + floor code.
constexpr const char* PRNTLST_CFG_FORMAT = "%d %d %d\n";

// LTEXT.CFG: line text side (1, 2), text length, the characters "/n", then the text itself.
constexpr const char* LTEXT_CFG_FORMAT = "%d %d/n%s";

// Every shipped settings file with the format it is read with.
struct TSettingsFormat {
    const char* name;
    const char* format;
};

constexpr TSettingsFormat SHIPPED_SETTINGS_FORMATS[] = {
    {"CLR.CFG", CLR_CFG_FORMAT},
    {"CUST.CFG", CUST_CFG_FORMAT},
    {"CUSTIMP.CFG", CUST_CFG_FORMAT},
    {"DOORSZE.CFG", DOORSZE_CFG_FORMAT},
    {"DWGSIZEI.CFG", DWGSIZE_CFG_FORMAT},
    {"DWGSIZEM.CFG", DWGSIZE_CFG_FORMAT},
    {"ELEM.CFG", LIBRARY_INDEX_CFG_FORMAT},
    {"ENTRY.CFG", ENTRY_CFG_FORMAT},
    {"EXTWALLI.CFG", EXTWALL_CFG_FORMAT},
    {"EXTWALLM.CFG", EXTWALL_CFG_FORMAT},
    {"FURM.CFG", LIBRARY_INDEX_CFG_FORMAT},
    {"GRIDI.CFG", GRID_CFG_FORMAT},
    {"GRIDM.CFG", GRID_CFG_FORMAT},
    {"INTERN.CFG", INTERN_CFG_FORMAT},
    {"INTWALL.CFG", INTWALL_CFG_FORMAT},
    {"IOFFSET.CFG", OFFSET_CFG_FORMAT},
    {"LII.CFG", LIBRARY_COUNTS_CFG_FORMAT},
    {"LIM.CFG", LIBRARY_COUNTS_CFG_FORMAT},
    {"MAX.CFG", MAX_CFG_FORMAT},
    {"MERGEI.CFG", MERGE_CFG_FORMAT},
    {"MERGEM.CFG", MERGE_CFG_FORMAT},
    {"METRIC.CFG", METRIC_CFG_FORMAT},
    {"MISM.CFG", LIBRARY_INDEX_CFG_FORMAT},
    {"MOFFSET.CFG", OFFSET_CFG_FORMAT},
    {"NEWRM.CFG", NEWRM_CFG_FORMAT},
    {"OVERLAY.CFG", OVERLAY_CFG_FORMAT},
    {"PLBM.CFG", LIBRARY_INDEX_CFG_FORMAT},
    {"PRNTCALI.CFG", PRNTCAL_CFG_FORMAT},
    {"PRNTCALM.CFG", PRNTCAL_CFG_FORMAT},
    {"PTNI.CFG", PTN_CFG_FORMAT},
    {"PTNM.CFG", PTN_CFG_FORMAT},
    {"RMCLR.CFG", RMCLR_CFG_FORMAT},
    {"RMPTNI.CFG", RMPTN_CFG_FORMAT},
    {"RMPTNM.CFG", RMPTN_CFG_FORMAT},
    {"ROOM.CFG", ROOM_CFG_FORMAT},
    {"SCROLL.CFG", SCROLL_CFG_FORMAT},
    {"STAIRSI.CFG", STAIRS_CFG_FORMAT},
    {"STAIRSM.CFG", STAIRS_CFG_FORMAT},
    {"TEXT.CFG", TEXT_CFG_FORMAT},
    {"TITLE2D.CFG", TITLE2D_CFG_READ_FORMAT},
    {"WIND.CFG", WIND_CFG_FORMAT},
    {"WLCLR.CFG", WLCLR_CFG_FORMAT},
    {"ZOOM.CFG", ZOOM_CFG_FORMAT},
};
