#include "app/qt/randomsession.h"

#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/scriptinterpreter.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/listfilecheck.h"
#include "model/programdirectory.h"
#include "platform/dialog.h"
#include "platform/listbox.h"
#include "platform/messagebuttons.h"
#include "resources/dialogtemplates.h"
#include "resources/menus.h"
#include "resources/toolbar.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

// A check that did not hold.
class CheckFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Commands the session leaves out: File/Open goes through `open` (which names the drawing), the
// printer set-up cannot be answered without a screen, and Exit would end the session.
bool LeftOut(int id)
{
    return id == CM_FILEOPEN || id == CM_PRINTERSETUP || id == CM_EXIT;
}

// Names of drawings the session makes and opens; few, so that it comes back to them.
const char* const DRAWING_NAMES[] = {"A", "B", "HOUSE", "PLAN2"};

// Doubling stops once a drawing holds this many objects: large enough for every path that large
// selections take, small enough for the sanitized build.
constexpr int LARGE_DRAWING = 2500;

// Window sizes: the metric and imperial sheets at whole pixels, and the default.
const int CLIENT_SIZES[][2] = {{1200, 840}, {1152, 768}, {1000, 700}, {640, 480}};

// The drawings in DWGS/, by name, sorted.
std::vector<std::string> DrawingNames()
{
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(DwgsPath(""), ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".DB0") == 0)
            names.push_back(name.substr(0, name.size() - 4));
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Session {
public:
    Session(const RandomSessionOptions& options, std::ostream& out, std::ostream& err)
        : options(options), engine(options.seed), interpreter(quiet, quiet), out(out), err(err)
    {
    }

    int Run();

private:
    const RandomSessionOptions& options;
    std::mt19937 engine;
    std::ostringstream quiet;  // the interpreter's own reasons come back as exceptions
    ScriptInterpreter interpreter;
    std::ostream& out;
    std::ostream& err;
    std::vector<std::string> script;     // the session so far, as a script that replays it
    std::vector<std::string> answers;    // answers given during the statement running now
    std::ofstream log;
    int number = 0;                       // statements run
    std::vector<int> commands;            // the commands drawn from
    std::vector<std::string> plannedInputs;  // lengths the next text inputs take, in order
    struct Outline {
        int x, y, width, height;  // model units: a corner and the sides typed from it
    };
    std::vector<Outline> outlines;        // outlines typed from the keyboard, to aim at their walls
    int heldPoints = 0;                   // recent device points, for figures that close
    int recentX[4] = {};
    int recentY[4] = {};

    // Raw engine output only: the distributions of the standard library differ between versions.
    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : std::uint32_t(engine() % n); }
    bool Chance(int percent) { return int(Below(100)) < percent; }
    int Between(int low, int high) { return low + int(Below(std::uint32_t(high - low + 1))); }

    TClient& Client() const { return *interpreter.Client(); }
    bool WindowOpen() const { return interpreter.Client() && interpreter.Client()->ActiveChild(); }

    void Statement(const std::string& line);
    void Write(const std::string& line);
    void Check(const std::string& after);
    void DrawStatement();
    void Command();
    void Open();
    void Drag();
    void Doubling();
    void TypedOutline();
    void AtAWall();
    std::string DevicePoint();
    std::string Key();
    ScriptAnswer Answer(const OpenedBox& box);
    ScriptAnswer DialogAnswerFor(TDialog& dialog, int round);
    std::string TypedLength();
    void ReopenAll();
    [[noreturn]] void Fail(const std::string& reason);
};

void Session::Write(const std::string& line)
{
    script.push_back(line);
    log << line << "\n" << std::flush;
}

void Session::Statement(const std::string& line)
{
    ++number;
    // Should the program die here, the log shows the statement it ran.
    log << "# running: " << line << "\n" << std::flush;
    answers.clear();
    try {
        interpreter.RunStatement(line);
    } catch (const std::exception& failure) {
        for (const std::string& answer : answers)
            Write(answer);
        Write(line);
        Fail(failure.what());
    }
    for (const std::string& answer : answers)
        Write(answer);
    Write(line);
    Check(line);
}

void Session::Check(const std::string& after)
{
    // The check is a statement of the replay, so that a reduced script checks as the session did.
    Write("check");
    try {
        interpreter.RunStatement("check");
    } catch (const std::exception& failure) {
        Fail("after \"" + after + "\": " + failure.what());
    }
}

void Session::Fail(const std::string& reason)
{
    throw CheckFailed(reason);
}

std::string Session::DevicePoint()
{
    const int width = interpreter.Frame()->ClientWidth();
    const int height = interpreter.Frame()->ClientHeight();
    int x = 0;
    int y = 0;
    const int pick = int(Below(100));
    if (pick < 25 && heldPoints > 0) {
        // Back at a recent point, or close to it: figures close and short segments come up.
        const int at = int(Below(std::uint32_t(std::min(heldPoints, 4))));
        x = recentX[at] + Between(-2, 2);
        y = recentY[at] + Between(-2, 2);
    } else if (pick < 32) {
        // On or past the window's edge.
        if (Chance(50)) {
            x = Chance(50) ? Between(-3, 3) : width - 1 + Between(-3, 3);
            y = Between(-3, height + 3);
        } else {
            x = Between(-3, width + 3);
            y = Chance(50) ? Between(-3, 3) : height - 1 + Between(-3, 3);
        }
    } else {
        x = int(Below(std::uint32_t(width)));
        y = int(Below(std::uint32_t(height)));
    }
    const int slot = heldPoints % 4;
    recentX[slot] = x;
    recentY[slot] = y;
    ++heldPoints;
    return std::to_string(x) + " " + std::to_string(y);
}

std::string Session::Key()
{
    static const char* const keys[] = {"ENTER", "ENTER", "ENTER", "ENTER", "LEFT", "RIGHT", "UP", "DOWN",
                                       "ESCAPE", "ADD", "SUBTRACT", "A", "D", "E", "F", "L", "R", "T", "F1"};
    return keys[Below(sizeof keys / sizeof keys[0])];
}

std::string Session::TypedLength()
{
    switch (Below(12)) {
    case 0: return "0";
    case 1: return std::to_string(Between(1, 9));
    case 2: case 3: case 4: return std::to_string(Between(100, 3000));
    case 5: case 6: return std::to_string(Between(3000, 20000));
    case 7: return std::to_string(Between(20000, 2000000));
    case 8: return "-" + std::to_string(Between(1, 5000));
    case 9: return std::to_string(Between(1, 99)) + "." + std::to_string(Between(0, 9));
    case 10: return Chance(50) ? "" : "abc";
    default: return Chance(50) ? "99999999999" : "2147483647";
    }
}

ScriptAnswer Session::DialogAnswerFor(TDialog& dialog, int round)
{
    // A dialog that asks again has refused what it was given: it gets one more try as it stands,
    // then Cancel, so that no session waits on a dialog for ever.
    DialogAnswer answer;
    answer.resourceId = dialog.ResourceId();
    if (round >= 2 || Chance(15)) {
        answer.actions.push_back({DialogAction::Kind::Cancel, 0, {}});
        return answer;
    }
    if (round == 0 && Chance(40)) {
        // The user changes a few fields: typed numbers and names, radio buttons, check boxes and
        // list items, each within what the dialog offers.
        const DialogTemplate& shape = *dialog.Template();
        std::vector<const ControlTemplate*> usable;
        for (const ControlTemplate& control : shape.controls) {
            TControl* live = dialog.FindControl(control.id);
            if (!live || !live->IsWindowEnabled())
                continue;
            if (control.kind == ControlKind::Edit || control.kind == ControlKind::AutoRadio ||
                control.kind == ControlKind::CheckBox || control.kind == ControlKind::ListBox)
                usable.push_back(&control);
        }
        const int changes = usable.empty() ? 0 : Between(1, 3);
        for (int i = 0; i < changes; ++i) {
            const ControlTemplate& control = *usable[Below(std::uint32_t(usable.size()))];
            DialogAction action;
            action.control = control.id;
            switch (control.kind) {
            case ControlKind::Edit:
                action.kind = DialogAction::Kind::Set;
                action.text = Chance(80) ? TypedLength() : std::string(DRAWING_NAMES[Below(4)]);
                break;
            case ControlKind::AutoRadio:
                action.kind = DialogAction::Kind::Check;
                break;
            case ControlKind::CheckBox:
                action.kind = Chance(50) ? DialogAction::Kind::Check : DialogAction::Kind::Uncheck;
                break;
            default: {
                auto* list = dynamic_cast<TListBox*>(dialog.FindControl(control.id));
                if (!list || list->GetCount() == 0)
                    continue;
                action.kind = DialogAction::Kind::Select;
                action.text = list->GetString(int(Below(std::uint32_t(list->GetCount()))));
                break;
            }
            }
            answer.actions.push_back(action);
        }
    }
    answer.actions.push_back({DialogAction::Kind::Ok, 0, {}});
    return answer;
}

ScriptAnswer Session::Answer(const OpenedBox& box)
{
    ScriptAnswer answer;
    switch (box.kind) {
    case OpenedBox::Kind::Dialog:
        answer = DialogAnswerFor(*box.dialog, box.round);
        break;
    case OpenedBox::Kind::Input: {
        InputAnswer input;
        const int pick = int(Below(100));
        if (!plannedInputs.empty()) {
            input.text = plannedInputs.front();
            plannedInputs.erase(plannedInputs.begin());
        } else if (pick < 35)
            input.keep = true;
        else if (pick < 50)
            input.cancel = true;
        else
            input.text = TypedLength();
        answer = input;
        break;
    }
    case OpenedBox::Kind::Colour: {
        ColourAnswer colour;
        colour.cancel = Chance(25);
        colour.colour = engine() & 0xFFFFFF;
        answer = colour;
        break;
    }
    case OpenedBox::Kind::Choice: {
        // The choice of a drawing that File/Print opens without one: mostly one it offers.
        ChoiceAnswer choice;
        const std::vector<std::string>& names = *box.names;
        choice.cancel = names.empty() || Chance(20);
        if (!choice.cancel)
            choice.name = names[Below(std::uint32_t(names.size()))];
        answer = choice;
        break;
    }
    case OpenedBox::Kind::Message: {
        MessageAnswer message;
        const std::vector<int> buttons = MessageButtons(box.flags);
        if (buttons.empty() || Chance(30))
            message.enter = true;
        else
            message.result = buttons[Below(std::uint32_t(buttons.size()))];
        answer = message;
        break;
    }
    }
    answers.push_back(DescribeAnswer(answer));
    return answer;
}

void Session::Command()
{
    const int id = commands[Below(std::uint32_t(commands.size()))];
    Statement("command " + std::to_string(id) + " # " + MenuPathOf(id));
    // Many tools act on a wall: often the next point is on one.
    if (!outlines.empty() && WindowOpen() && Chance(40))
        AtAWall();
}

void Session::Open()
{
    std::vector<std::string> names = DrawingNames();
    if (names.empty() || Chance(10))
        names.assign(1, DRAWING_NAMES[Below(4)]);
    Statement("open " + names[Below(std::uint32_t(names.size()))]);
}

void Session::Drag()
{
    Statement("ldown " + DevicePoint());
    for (int steps = Between(1, 3); steps > 0 && WindowOpen(); --steps)
        Statement("move " + DevicePoint());
    if (WindowOpen())
        Statement("lup " + DevicePoint());
}

void Session::Doubling()
{
    // Copies everything in view and pastes it back, several times over: drawings of thousands of
    // objects, and moves of selections that large.
    const int width = interpreter.Frame()->ClientWidth();
    const int height = interpreter.Frame()->ClientHeight();
    for (int round = Between(3, 7); round > 0 && WindowOpen() && State().objects.count() < LARGE_DRAWING; --round) {
        const std::string corner = std::to_string(width - 1) + " " + std::to_string(height - 1);
        for (const std::string& line : {"command " + std::to_string(CM_COPY) + " # " + MenuPathOf(CM_COPY), std::string("ldown 0 0"),
                                        "move " + corner, "lup " + corner, "command " + std::to_string(CM_PASTE) + " # " + MenuPathOf(CM_PASTE),
                                        "click " + DevicePoint(), "click " + DevicePoint(), std::string("key ENTER")}) {
            if (!WindowOpen())
                return;
            Statement(line);
        }
    }
}

void Session::TypedOutline()
{
    // A tool's outline typed from the keyboard, as the user draws walls: Enter at a point, then
    // arrow keys, each length given in the box it opens; mostly a closed rectangle.
    static const int tools[] = {CM_EXTWALL, CM_EXTWALL, CM_INTWALL, CM_LINE, CM_MULTILINE, CM_LINETEXT};
    if (Chance(70)) {
        const int tool = tools[Below(6)];
        Statement("command " + std::to_string(tool) + " # " + MenuPathOf(tool));
    }
    if (!WindowOpen())
        return;
    const TPoint corner = Client().ActiveChild()->ModelPointOf(
        {int(Below(std::uint32_t(interpreter.Frame()->ClientWidth()))),
         int(Below(std::uint32_t(interpreter.Frame()->ClientHeight())))});
    const int width = 100 * Between(20, 120);
    const int height = 100 * Between(20, 120);
    const bool closed = Chance(75);
    const bool up = Chance(50);
    const std::vector<std::string> keys = closed ? std::vector<std::string>{"RIGHT", up ? "UP" : "DOWN", "LEFT", up ? "DOWN" : "UP"}
                                                 : std::vector<std::string>{Key(), Key(), Key()};
    Statement("at " + std::to_string(corner.x) + " " + std::to_string(corner.y));
    Statement("key ENTER");
    for (std::size_t side = 0; side < keys.size() && WindowOpen(); ++side) {
        plannedInputs.assign(1, std::to_string(side % 2 == 0 ? width : height));
        Statement("key " + keys[side]);
    }
    plannedInputs.clear();
    if (closed)
        outlines.push_back({corner.x, up ? corner.y : corner.y - height, width, height});
}

void Session::AtAWall()
{
    // A point on or near a side of an outline typed earlier: where windows, doors, openings,
    // wall edits and rooms take their walls.
    const Outline& outline = outlines[Below(std::uint32_t(outlines.size()))];
    const int along = Between(0, 100);
    const int across = Between(-40, 400) * (Chance(50) ? 1 : -1) / 2;
    int x = 0;
    int y = 0;
    switch (Below(4)) {
    case 0: x = outline.x + outline.width * along / 100; y = outline.y + across; break;
    case 1: x = outline.x + outline.width * along / 100; y = outline.y + outline.height - across; break;
    case 2: x = outline.x + across; y = outline.y + outline.height * along / 100; break;
    default: x = outline.x + outline.width - across; y = outline.y + outline.height * along / 100; break;
    }
    const std::string point = std::to_string(x) + " " + std::to_string(y);
    switch (Below(3)) {
    case 0: Statement("click @" + point); break;
    case 1: Statement("at " + point); Statement("key ENTER"); break;
    default: Statement("at " + point); break;
    }
}

void Session::DrawStatement()
{
    if (!WindowOpen()) {
        // Without a drawing window only the frame's commands and the file statements mean anything.
        const int pick = int(Below(100));
        if (pick < 45)
            Statement("command " + std::to_string(CM_FILENEW));
        else if (pick < 75)
            Open();
        else if (pick < 85)
            Command();
        else
            Statement(Chance(50) ? "failwrites 0" : "failreads 0");
        return;
    }
    const int pick = int(Below(1000));
    if (pick < 150)
        Command();
    else if (pick < 180)
        TypedOutline();
    else if (pick < 260 && !outlines.empty())
        AtAWall();
    else if (pick < 330)
        Statement("click " + DevicePoint());
    else if (pick < 420)
        Drag();
    else if (pick < 500)
        Statement("move " + DevicePoint());
    else if (pick < 720)
        Statement("key " + Key());
    else if (pick < 740)
        Statement("keyup " + Key());
    else if (pick < 780)
        Statement("rdown " + DevicePoint());
    else if (pick < 810) {
        static const char* const chars[] = {"ENTER", "BACKSPACE", "SPACE", "1", "5", "a", "."};
        Statement(std::string("char ") + chars[Below(7)]);
    } else if (pick < 860)
        Statement("paint");
    else if (pick < 880) {
        static const char* const stages[] = {"write", "sync", "rename"};
        Statement("failwrites " + std::to_string(Between(1, 3)) + " " + stages[Below(3)]);
    } else if (pick < 895) {
        static const char* const ends[] = {"", " .DB0", " .CFG", " PASTE.CFG"};
        Statement("failreads " + std::to_string(Between(1, 2)) + ends[Below(4)]);
    } else if (pick < 915)
        Statement(Chance(50) ? "failwrites 0" : "failreads 0");
    else if (pick < 945)
        Statement("command " + std::to_string(Chance(60) ? CM_ZOOMUP : CM_NORMALSIZE));
    else if (pick < 955) {
        const int* size = CLIENT_SIZES[Below(4)];
        Statement("client " + std::to_string(size[0]) + " " + std::to_string(size[1]));
    } else if (pick < 985)
        Open();
    else if (pick < 993)
        Statement("command " + std::to_string(CM_FILENEW));
    else
        Doubling();
}

void Session::ReopenAll()
{
    Statement("failwrites 0");
    Statement("failreads 0");
    // A drawing whose last read failed keeps a figure held over it from being stored, and so the
    // next drawing from opening, until a repaint has read it again.
    if (WindowOpen())
        Statement("paint");
    std::vector<std::string> names = DrawingNames();
    for (const std::string& name : names) {
        const std::string problem = DrawingFileProblem(DwgsPath(name + ".DB0"));
        if (!problem.empty())
            Fail("the drawing " + name + " does not reopen: " + problem);
        Statement("open " + name);
        if (!WindowOpen() || State().drawingName != name || State().objects.DrawingUnreadable())
            Fail("the drawing " + name + " does not reopen in the program");
    }
}

int Session::Run()
{
    for (const TMenuEntry& entry : MainMenu())
        if (entry.id > 0 && !LeftOut(entry.id) && TClient::IsCommandEnabled(entry.id))
            commands.push_back(entry.id);
    // And the buttons only the toolbar has (CENTRE, CENTRE CENTRE).
    for (const TToolbarButton& button : ToolbarButtons())
        if (button.id > 0 && !LeftOut(button.id) && TClient::IsCommandEnabled(button.id) &&
            std::find(commands.begin(), commands.end(), button.id) == commands.end())
            commands.push_back(button.id);
    interpreter.SetDefaultDirectory(options.directory);
    const std::string logPath = options.directory + (options.directory.empty() || options.directory.back() == '/' ? "" : "/") + "random.aws";
    try {
        const int* size = CLIENT_SIZES[Below(4)];
        std::error_code ignored;
        std::filesystem::create_directories(options.directory, ignored);
        log.open(logPath);
        log << "# random session " << options.seed << "\n";
        Statement("client " + std::to_string(size[0]) + " " + std::to_string(size[1]));
        interpreter.StartProgram();
        interpreter.Frame()->Scripted().SetAnswerSource([this](const OpenedBox& box) { return Answer(box); });
        while (number < options.statements)
            DrawStatement();
        ReopenAll();
    } catch (const CheckFailed& failure) {
        err << "random session " << options.seed << " failed at statement " << number << ": " << failure.what()
            << "\nthe session so far (also in " << logPath << "):\n";
        for (const std::string& line : script)
            err << line << "\n";
        return 1;
    }
    out << "random session " << options.seed << ": " << number << " statements, every check held\n";
    return 0;
}

}  // namespace

int RunRandomSession(const RandomSessionOptions& options, std::ostream& out, std::ostream& err)
{
    Session session(options, out, err);
    return session.Run();
}
