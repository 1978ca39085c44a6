#include "resources/menus.h"

#include "resources/dialogtemplates.h"

#include <cctype>

namespace {

constexpr int POPUP = 0;
constexpr int SEPARATOR = -1;

const std::vector<TMenuEntry> mainMenu = {
    {0, "&File", POPUP},
    {1, "&New", CM_FILENEW},
    {1, "&Open", CM_FILEOPEN},
    {1, "Save &As", CM_FILESAVEAS},
    {1, "&Rotate/Mirror", CM_ROTATEMIRROR},
    {1, "Export &Bitmap", CM_EXPORTBITMAP},
    {1, nullptr, SEPARATOR},
    {1, "&Print", CM_PRINT},
    {1, "Printer &Setup", CM_PRINTERSETUP},
    {1, nullptr, SEPARATOR},
    {1, "E&xit", CM_EXIT},

    {0, "&Edit", POPUP},
    {1, "&Undo", CM_UNDO},
    {1, nullptr, SEPARATOR},
    {1, "&Copy", CM_COPY},
    {1, "&Paste", CM_PASTE},
    {1, "&Move or Rotate", CM_MOVEROTATE},
    {1, "&Erase", CM_ERASE},
    {1, "C&hange text/number", CM_CHANGETEXT},

    {0, "&View", POPUP},
    {1, "&Ground Floor", CM_GROUNDFLOOR},
    {1, "&First Floor", CM_FIRSTFLOOR},
    {1, "&Second Floor", CM_SECONDFLOOR},
    {1, nullptr, SEPARATOR},
    {1, "Show &Overlays", CM_SHOWOVERLAYS},
    {1, "&Display Mode", CM_DISPLAYMODE},
    {1, "Floor &Area", CM_FLOORAREA},

    {0, "&Zoom", POPUP},
    {1, "Zoom &UP", CM_ZOOMUP},
    {1, "&Normal Size", CM_NORMALSIZE},

    {0, "&Tools", POPUP},
    {1, "&Line", CM_LINE},
    {1, "Line + Te&xt", CM_LINETEXT},
    {1, "Draw &Multilines", CM_MULTILINE},
    {1, "&Text", CM_TEXT},
    {1, "&Arc", CM_ARC},
    {1, "&Ellipse", CM_ELLIPSE},
    {1, "&Circle", CM_CIRCLE},
    {1, "&Rectangle", CM_RECTANGLE},
    {1, "Round&Rect", CM_ROUNDRECT},
    {1, nullptr, SEPARATOR},
    {1, "Line &Style", CM_LINESTYLE},

    {0, "&Walls && Base", POPUP},
    {1, "&External Walls", POPUP},
    {2, "&Draw External Wall", CM_EXTWALL},
    {2, "&Lengthen", CM_LENGTHEN},
    {2, "&Shorten", CM_SHORTEN},
    {2, "DELETE External &Wall", CM_DELETEEXTWALL},
    {2, "S&plit (External Wall)", CM_SPLITEXTWALL},
    {2, "&Change External wall type", CM_CHANGEEXTWALLTYPE},
    {1, "&Internal Walls", POPUP},
    {2, "&Draw Internal Wall", CM_INTWALL},
    {2, "D&ELETE Internal Wall", CM_DELETEINTWALL},
    {1, "&Floorplan Base", POPUP},
    {2, "&Expand Floorplan", CM_EXPANDFLOORPLAN},
    {2, "&Shrink Floorplan", CM_SHRINKFLOORPLAN},

    {0, "&Other", POPUP},
    {1, "&Manual Dimension", CM_MANUALDIMENSION},
    {1, "&Auto Dimensions", CM_AUTODIMENSIONS},
    {1, nullptr, SEPARATOR},
    {1, "&Window && Extnl Doors", CM_WINDOW},
    {1, "&Door-Internal", CM_INTERNALDOOR},
    {1, "Doors-Other &Internal", CM_OTHERINTERNALDOORS},
    {1, "&Opening (Internal Wall)...", CM_WALLOPENING},
    {1, nullptr, SEPARATOR},
    {1, "New &Room (fixed)", CM_NEWFIXEDROOM},
    {1, "&Stairs Internal...", CM_STAIRS},

    {0, "&Design Rooms", POPUP},
    {1, "&New DESIGN Room", CM_NEWDESIGNROOM},
    {1, "Ma&x DESIGN Room Size", CM_MAXDESIGNROOM},
    {1, "&Delete Room", CM_DELETEROOM},
    {1, "&Expand Room", CM_EXPANDROOM},
    {1, "&Move Room", CM_MOVEROOM},
    {1, "&Rotate Room", CM_ROTATEROOM},
    {1, "&Shrink Room", CM_SHRINKROOM},
    {1, nullptr, SEPARATOR},
    {1, "&FINISH Design Rooms", CM_FINISHDESIGNROOMS},

    {0, "&Libraries", POPUP},
    {1, "&ADD to a library", CM_ADDTOLIBRARY},
    {1, nullptr, SEPARATOR},
    {1, "&Plumbing", CM_PLUMBING},
    {1, "&Electrical", CM_ELECTRICAL},
    {1, "&Furniture", CM_FURNITURE},
    {1, "&Miscellaneous", CM_MISCELLANEOUS},

    {0, "&Customise", POPUP},
    {1, "Default &Doors", CM_DEFAULTDOORS},
    {1, "Def &Dimensions", CM_DEFDIMENSIONS},
    {1, "Floor Plan &Titles", CM_FLOORPLANTITLES},
    {1, "&Calibrate Printer", CM_CALIBRATEPRINTER},
    {1, "DESIGN Room &Merge", CM_DESIGNROOMMERGE},
    {1, "DESIGN Room C&olours", CM_DESIGNROOMCOLOURS},

    {0, "&Help", POPUP},
    {1, "&About", CM_ABOUT},
};

std::string Trimmed(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Matches `path` from `position` against the children of the popup whose entries start at `first`
// with level `level`; returns the command id or 0.
int MatchFrom(const std::string& path, std::size_t position, std::size_t first, int level)
{
    for (std::size_t i = first; i < mainMenu.size() && mainMenu[i].level >= level; ++i) {
        const TMenuEntry& entry = mainMenu[i];
        if (entry.level != level || entry.id == SEPARATOR)
            continue;
        std::string label = NormalizeMenuLabel(entry.label);
        if (path.compare(position, label.size(), label) != 0)
            continue;
        std::size_t end = position + label.size();
        if (entry.id == POPUP) {
            if (end < path.size() && path[end] == '/')
                if (int id = MatchFrom(path, end + 1, i + 1, level + 1))
                    return id;
        } else if (end == path.size()) {
            return entry.id;
        }
    }
    return 0;
}

}  // namespace

const std::vector<TMenuEntry>& MainMenu()
{
    return mainMenu;
}

std::string NormalizeMenuLabel(const std::string& label)
{
    std::string normal;
    for (char c : label)
        if (c != '&')
            normal += char(std::tolower(static_cast<unsigned char>(c)));
    std::size_t dots = normal.find("...");
    while (dots != std::string::npos) {
        normal.erase(dots, 3);
        dots = normal.find("...");
    }
    return Trimmed(normal);
}

int FindMenuCommand(const std::string& path)
{
    // Each part is normalised on its own so that blanks around a '/' do not matter.
    std::string normal;
    std::size_t start = 0;
    while (true) {
        std::size_t slash = path.find('/', start);
        std::string part = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        normal += NormalizeMenuLabel(part);
        if (slash == std::string::npos)
            break;
        normal += '/';
        start = slash + 1;
    }
    if (normal.empty())
        return 0;
    return MatchFrom(normal, 0, 0, 0);
}

std::string MenuPathOf(int id)
{
    std::vector<std::string> stack;
    for (const TMenuEntry& entry : mainMenu) {
        if (entry.id == SEPARATOR)
            continue;
        stack.resize(std::size_t(entry.level));
        if (entry.id == POPUP) {
            stack.push_back(DisplayText(entry.label));
            continue;
        }
        if (entry.id == id) {
            std::string path;
            for (const std::string& part : stack)
                path += part + "/";
            return path + DisplayText(entry.label);
        }
    }
    return {};
}

std::vector<int> MenuCommandIds()
{
    std::vector<int> ids;
    for (const TMenuEntry& entry : mainMenu)
        if (entry.id > 0)
            ids.push_back(entry.id);
    return ids;
}
