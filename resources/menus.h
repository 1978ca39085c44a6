#pragma once
// Menu 200, the main menu of the frame, as a table, and the command ids of every menu and toolbar
// command. The frame builds its menu bar from the table; arkweld-script finds commands by their
// menu path.
#include <string>
#include <vector>

// Command ids.
enum : int {
    // File
    CM_FILENEW = 101,
    CM_FILEOPEN = 102,
    CM_FILESAVEAS = 103,
    CM_ROTATEMIRROR = 104,
    CM_EXPORTBITMAP = 105,
    CM_PRINT = 106,
    CM_PRINTERSETUP = 107,
    CM_EXIT = 108,
    // Edit
    CM_UNDO = 309,
    CM_COPY = 310,
    CM_PASTE = 311,
    CM_MOVEROTATE = 312,
    CM_ERASE = 313,
    CM_CHANGETEXT = 317,
    // View
    CM_GROUNDFLOOR = 450,
    CM_FIRSTFLOOR = 451,
    CM_SECONDFLOOR = 452,
    CM_SHOWOVERLAYS = 455,
    CM_DISPLAYMODE = 456,
    CM_FLOORAREA = 457,
    // Zoom
    CM_ZOOMUP = 500,
    CM_NORMALSIZE = 501,
    // Tools
    CM_LINE = 270,
    CM_MULTILINE = 272,
    CM_TEXT = 274,
    CM_ARC = 275,
    CM_ELLIPSE = 276,
    CM_CIRCLE = 277,
    CM_RECTANGLE = 278,
    CM_ROUNDRECT = 279,
    CM_LINESTYLE = 280,
    CM_LINETEXT = 287,
    // Toolbar cursor helpers
    CM_CENTRE = 300,
    CM_CENTRECENTRE = 301,
    // Walls && Base
    CM_EXTWALL = 413,
    CM_INTWALL = 415,
    CM_LENGTHEN = 416,
    CM_SHORTEN = 417,
    CM_DELETEEXTWALL = 418,
    CM_EXPANDFLOORPLAN = 419,
    CM_SHRINKFLOORPLAN = 420,
    CM_SPLITEXTWALL = 422,
    CM_CHANGEEXTWALLTYPE = 426,
    CM_DELETEINTWALL = 217,
    // Other
    CM_AUTODIMENSIONS = 371,
    CM_MANUALDIMENSION = 372,
    CM_WINDOW = 373,
    CM_INTERNALDOOR = 374,
    CM_OTHERINTERNALDOORS = 375,
    CM_WALLOPENING = 378,
    CM_NEWFIXEDROOM = 379,
    CM_STAIRS = 382,
    // Design Rooms
    CM_NEWDESIGNROOM = 520,
    CM_MAXDESIGNROOM = 521,
    CM_DELETEROOM = 522,
    CM_EXPANDROOM = 523,
    CM_MOVEROOM = 524,
    CM_ROTATEROOM = 525,
    CM_SHRINKROOM = 526,
    CM_FINISHDESIGNROOMS = 527,
    // Libraries
    CM_ADDTOLIBRARY = 350,
    CM_PLUMBING = 351,
    CM_ELECTRICAL = 352,
    CM_FURNITURE = 353,
    CM_MISCELLANEOUS = 354,
    // Customise
    CM_DEFAULTDOORS = 601,
    CM_DEFDIMENSIONS = 602,
    CM_FLOORPLANTITLES = 603,
    CM_CALIBRATEPRINTER = 604,
    CM_DESIGNROOMMERGE = 605,
    CM_DESIGNROOMCOLOURS = 606,
    // Help
    CM_ABOUT = 901,
};

// One entry of a menu table, in the order of the menu, depth-first: a popup (id 0) holds the
// entries that follow it with a level one higher; a separator has id -1 and no label. Labels use
// '&' before the mnemonic and "&&" for a literal ampersand.
struct TMenuEntry {
    int level;
    const char* label;
    int id;
};

// Menu 200.
const std::vector<TMenuEntry>& MainMenu();

// A label as menu paths compare it: without '&', without "...", in lower case, blanks at the ends
// removed.
std::string NormalizeMenuLabel(const std::string& label);

// The command id of a menu path such as "file/new" or "walls && base/internal walls/draw internal
// wall" (compared as NormalizeMenuLabel does, each part against one label; a label that itself
// holds '/', such as "Rotate/Mirror", matches whole). 0 when no command has that path.
int FindMenuCommand(const std::string& path);

// The path of a command as the menu shows it, such as "Walls & Base/Internal Walls/Draw Internal
// Wall"; empty for an unknown id.
std::string MenuPathOf(int id);

// Every command id of the menu, in menu order.
std::vector<int> MenuCommandIds();
