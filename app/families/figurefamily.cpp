#include "app/families/figurefamily.h"

#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "dialogs/linedlg.h"
#include "model/drawingstate.h"
#include "model/settingsfile.h"
#include "platform/inputdialog.h"
#include "platform/wholenumber.h"
#include "resources/menus.h"
#include "tools/arcobjtool.h"
#include "tools/circleobjtool.h"
#include "tools/ellipseobjtool.h"
#include "tools/rectangleobjtool.h"
#include "tools/rndrectobjtool.h"

#include <cctype>
#include <cstdlib>
#include <optional>

namespace {

constexpr int HELP_FIGURES = 244;

const char* const ARC_PROMPT =
    "ARC - press ENTER on first endpoint, then ENTER on second endpoint (horizontal or vertical to the first)";
const char* const ELLIPSE_PROMPT = "press LeftButton & DRAG over the ellipse, OR press ENTER then arrow key direction";
const char* const CIRCLE_PROMPT = "press LeftButton on centre & DRAG, OR press ENTER on centre and give the radius";
const char* const RECTANGLE_PROMPT = "press ENTER on a corner, then arrow keys for horizontal & vertical sides";
const char* const RNDRECT_PROMPT = "press ENTER on a corner and give the corner radius, then arrow keys for the sides";
const char* const RECTANGLE_SIDES_PROMPT = "Now use arrow direction keys for horizontal & vertical inputs";
const char* const RNDRECT_SIDES_PROMPT = "Now use arrow direction keys for input";

// Radii and arc heights: whole millimetres, or whole inches of 24 model units each.
constexpr int MODEL_UNITS_PER_INCH = 24;
constexpr TWholeNumberRange METRIC_FIGURE_SIZE{1, 32000, "millimetres"};
constexpr TWholeNumberRange IMPERIAL_FIGURE_SIZE{1, 1400, "inches"};
constexpr int RADIUS_BUFFER = 6;
constexpr int ARC_HEIGHT_BUFFER = 7;  // a minus and five digits

// The second end of an arc's chord must lie this close (model units) to the first end's
// horizontal or vertical.
constexpr int ARC_CHORD_TOLERANCE = 75;

bool IsArrowKey(int key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

bool Metric()
{
    return State().unitSystem == 1;
}

const TWholeNumberRange& FigureSizeRange()
{
    return Metric() ? METRIC_FIGURE_SIZE : IMPERIAL_FIGURE_SIZE;
}

int ToModelUnits(int typed)
{
    return Metric() ? typed : typed * MODEL_UNITS_PER_INCH;
}

// Hands a key to the tool with the cursor and a value.
void SendKey(TToolSite& site, int key, int value)
{
    TPoint cursor = site.Cursor();
    site.CallTool([key, value, &cursor](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
        tool.KeyDown(dc, rect, key, cursor, value);
    });
}

// The radius of a circle or a rounded rectangle, model units, into the tool's libraryFlag. False
// when cancelled, or refused with a message saying the range.
bool AskRadius(TToolSite& site, const char* metricPrompt, const char* metricPreset, const char* imperialPreset)
{
    TInputDialog box(&site.DialogParent(), "RADIUS", Metric() ? metricPrompt : "in inches",
                     Metric() ? metricPreset : imperialPreset, RADIUS_BUFFER);
    if (box.Execute() != IDOK)
        return false;
    const std::optional<std::int32_t> radius = ReadWholeNumber(box.GetBuffer(), FigureSizeRange());
    if (!radius) {
        site.Message(FigureSizeRange().Message(), "RADIUS");
        return false;
    }
    site.Tool().libraryFlag = ToModelUnits(*radius);
    return true;
}

// An arc height: a whole number in the figure range, or the negative of one (an arc below or
// right of its ends); 0 is no arc.
std::optional<std::int32_t> ReadArcHeight(const std::string& text)
{
    std::string digits = text;
    bool negative = false;
    const std::size_t first = digits.find_first_not_of(' ');
    if (first != std::string::npos && digits[first] == '-' && first + 1 < digits.size() &&
        std::isdigit(static_cast<unsigned char>(digits[first + 1]))) {
        negative = true;
        digits[first] = ' ';
    }
    const std::optional<std::int32_t> height = ReadWholeNumber(digits, FigureSizeRange());
    if (!height)
        return std::nullopt;
    return negative ? -*height : *height;
}

std::string ArcHeightMessage()
{
    const TWholeNumberRange& range = FigureSizeRange();
    return FormatC("Enter a whole number of %s from %d to %d, or from -%d to -%d", range.unit, int(range.minimum),
                   int(range.maximum), int(range.maximum), int(range.minimum));
}

bool AskArcHeight(TToolSite& site, int& height)
{
    const char* const title = Metric() ? "ARC HEIGHT" : "ARC HEIGHT, INCHES";
    TInputDialog box(&site.DialogParent(), title, "Use minus number for Arcs Below or Right of Endpts.",
                     Metric() ? "600" : "24", ARC_HEIGHT_BUFFER);
    if (box.Execute() != IDOK)
        return false;
    const std::optional<std::int32_t> typed = ReadArcHeight(box.GetBuffer());
    if (!typed) {
        site.Message(ArcHeightMessage(), title);
        return false;
    }
    height = ToModelUnits(*typed);
    return true;
}

// Arc: ENTER marks the first end of the chord; at the second end the window checks that the
// chord is level or plumb and asks the height.
class TArcFamily : public TToolFamily {
public:
    void KeyDown(TToolSite& site, int key) const override
    {
        auto* arc = dynamic_cast<TArctool*>(&site.Tool());
        if (key != VK_ENTER || !arc)
            return;
        // The first end is held by the tool until the arc is drawn, whatever a click clears.
        if (arc->arcState == 0) {
            SendKey(site, VK_ENTER, 0);
            arc->lineDrawn = 0;
            return;
        }
        const TPoint cursor = site.Cursor();
        const TPoint at = site.ModelPointOf(cursor);
        const bool level = std::llabs(std::int64_t(at.y) - arc->arcEndY) < ARC_CHORD_TOLERANCE;
        const bool plumb = std::llabs(std::int64_t(at.x) - arc->arcEndX) < ARC_CHORD_TOLERANCE;
        if (!level && !plumb) {
            site.Message("Endpoint not horizontal or vertical", "NO ARC DRAWN");
            site.SetCursor(cursor);
            return;
        }
        int height = 0;
        if (!AskArcHeight(site, height))
            return;
        site.SetCursor(cursor);
        SendKey(site, VK_ENTER, height);
        site.Tool().lineDrawn = 0;
    }
};

// Ellipse: dragged with the mouse, or ENTER and an arrow key with a typed length (a flat one).
class TEllipseFamily : public TToolFamily {
public:
    void KeyDown(TToolSite& site, int key) const override
    {
        TDrawingtool& tool = site.Tool();
        if (key == VK_ENTER) {
            SendKey(site, VK_ENTER, 0);
            site.Tool().lineDrawn = 1;
            return;
        }
        if (!IsArrowKey(key) || tool.lineDrawn != 1)
            return;
        int length = 0;
        if (!site.AskLength("ELLIPSE", "", 0, length)) {
            site.AbandonTool();
            return;
        }
        SendKey(site, key, length);
    }
};

// Circle: dragged from its centre, or ENTER with a typed radius.
class TCircleFamily : public TToolFamily {
public:
    // While a circle is dragged the tool's first point is a corner of its box, not a point the
    // user marked: the read-out does not measure from it.
    bool MeasuresFromStart(const TDrawingtool&) const override { return false; }

    void KeyDown(TToolSite& site, int key) const override
    {
        if (key != VK_ENTER || !AskRadius(site, "in millimetres", "100", "4"))
            return;
        SendKey(site, VK_ENTER, 0);
    }
};

// Rectangle and rounded rectangle: ENTER marks a corner (the rounded one asks its corner radius
// first), a horizontal and a vertical arrow with typed lengths give the other corner.
class TRectangleFamily : public TToolFamily {
public:
    void KeyDown(TToolSite& site, int key) const override
    {
        const bool rounded = site.Tool().kind == KIND_RNDRECT;
        if (key == VK_ENTER) {
            if (rounded && !AskRadius(site, "", "50", "2"))
                return;
            site.SetPrompt(rounded ? RNDRECT_SIDES_PROMPT : RECTANGLE_SIDES_PROMPT);
            SendKey(site, VK_ENTER, 0);
            site.Tool().lineDrawn = 1;
            return;
        }
        if (!IsArrowKey(key) || site.Tool().lineDrawn != 1)
            return;
        int length = 0;
        if (!site.AskLength(rounded ? "ROUNDED RECTANGLE" : "RECTANGLE", "", 0, length)) {
            site.AbandonTool();
            return;
        }
        SendKey(site, key, length);
        // Both sides given: the figure is drawn and the next one starts with ENTER.
        if (site.Tool().lineDrawn == 0)
            site.SetPrompt(rounded ? RNDRECT_PROMPT : RECTANGLE_PROMPT);
    }
};

const TArcFamily arcFamily{};
const TEllipseFamily ellipseFamily{};
const TCircleFamily circleFamily{};
const TRectangleFamily rectangleFamily{};

void LineStyle(TCommandContext& context)
{
    if (TToolSite* window = context.Window())
        RunLineStyleDialog(*window);
}

using enum TCommandNeed;

const TCommandRow commands[] = {
    {.id = CM_ARC, .needs = PlanView, .make = MakeTool<TArcobjtool>, .kind = KIND_ARC, .toolName = "Arc",
     .prompt = ARC_PROMPT, .helpContext = HELP_FIGURES, .family = &arcFamily},
    {.id = CM_ELLIPSE, .needs = PlanView, .make = MakeTool<TEllipseobjtool>, .kind = KIND_ELLIPSE,
     .toolName = "Ellipse", .prompt = ELLIPSE_PROMPT, .helpContext = HELP_FIGURES, .family = &ellipseFamily},
    {.id = CM_CIRCLE, .needs = PlanView, .make = MakeTool<TCircleobjtool>, .kind = KIND_CIRCLE,
     .toolName = "Circle", .prompt = CIRCLE_PROMPT, .helpContext = HELP_FIGURES, .family = &circleFamily},
    {.id = CM_RECTANGLE, .needs = PlanView, .make = MakeTool<TRectangleobjtool>, .kind = KIND_RECTANGLE,
     .toolName = "Rectangle", .prompt = RECTANGLE_PROMPT, .helpContext = HELP_FIGURES, .family = &rectangleFamily},
    {.id = CM_ROUNDRECT, .needs = PlanView, .make = MakeTool<TRndrectobjtool>, .kind = KIND_RNDRECT,
     .toolName = "RoundRect", .prompt = RNDRECT_PROMPT, .helpContext = HELP_FIGURES, .family = &rectangleFamily},
    {.id = CM_LINESTYLE, .needs = PlanView, .run = LineStyle, .held = THeldFigure::Keep},
};

const TKindRow kinds[] = {
    {KIND_ARC, MakeTool<TArcobjtool>, &arcFamily},
    {KIND_ELLIPSE, MakeTool<TEllipseobjtool>, &ellipseFamily},
    {KIND_CIRCLE, MakeTool<TCircleobjtool>, &circleFamily},
    {KIND_RECTANGLE, MakeTool<TRectangleobjtool>, &rectangleFamily},
    {KIND_RNDRECT, MakeTool<TRndrectobjtool>, &rectangleFamily},
};

// The tool's name without the "<width>," an earlier line style put before it.
std::string BareToolName(const std::string& name)
{
    std::size_t digits = 0;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits])))
        ++digits;
    if (digits > 0 && digits < name.size() && name[digits] == ',')
        return name.substr(digits + 1);
    return name;
}

}  // namespace

TFamilyRows FigureFamilyRows()
{
    return {commands, kinds};
}

void RunLineStyleDialog(TToolSite& site)
{
    TLinedlg dialog(&site.DialogParent(), 14000);
    if (dialog.Execute() == IDOK) {
        State().currentPenWidth = dialog.penWidth;
        site.Tool().penStyle = dialog.penStyle;
    }
    site.SetToolName(FormatC("%d,%s", State().currentPenWidth, BareToolName(site.ToolName()).c_str()));
}
