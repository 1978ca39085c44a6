#include "app/qt/scriptinterpreter.h"

#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/headlesswindow.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/listfilecheck.h"
#include "model/object.h"
#include "model/programdirectory.h"
#include "resources/menus.h"
#include "tools/drawingtool.h"
#include "tools/moveobjtool.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <utility>

namespace {

// A statement the script cannot carry out.
class BadStatement : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace

ScriptInterpreter::ScriptInterpreter(std::ostream& out, std::ostream& err) : out(out), err(err) {}

ScriptInterpreter::~ScriptInterpreter()
{
    // The windows go before the frame that made them.
    client.reset();
    frame.reset();
}

int ScriptInterpreter::RunFile(const std::string& path)
{
    std::ifstream script(path);
    if (!script) {
        err << "cannot read the script " << path << "\n";
        return 1;
    }
    return Run(script);
}

int ScriptInterpreter::Run(std::istream& script)
{
    std::string line;
    int number = 0;
    try {
        while (std::getline(script, line)) {
            ++number;
            RunStatement(line);
        }
        ++number;
        if (frame)
            frame->Scripted().CheckAllAnswersUsed();
        // A figure lost after the last check still fails the script.
        if (!heldProblem.empty())
            throw BadStatement(std::exchange(heldProblem, std::string()));
    } catch (const std::exception& failure) {
        out.flush();
        err << "line " << number << ": " << failure.what() << "\n";
        return 1;
    }
    out.flush();
    return 0;
}

void ScriptInterpreter::RunStatement(const std::string& line)
{
    ScriptStatement statement;
    std::string error;
    if (!ParseScriptStatement(line, statement, error))
        throw BadStatement(error);
    if (statement.kind == ScriptStatement::Kind::Empty)
        return;
    const bool watched = client && statement.kind != ScriptStatement::Kind::Check;
    if (watched)
        heldWatch.Before(*client, statement, frame->Scripted().Transcript());
    Execute(statement);
    if (frame)
        frame->ProcessEvents();
    if (watched && heldProblem.empty()) {
        const std::string problem = heldWatch.After(*client, frame->Scripted().Transcript());
        // "WHAT after "STATEMENT": DETAILS", so that a reduced script keeps to the same failure.
        const std::size_t colon = problem.find(':');
        if (!problem.empty())
            heldProblem = problem.substr(0, colon) + " after \"" + line + "\"" + problem.substr(colon);
    }
}

void ScriptInterpreter::SetDirectory(const std::string& directory)
{
    if (client)
        throw BadStatement("dir must come before the program starts");
    std::string path = directory;
    if (path.back() != '/')
        path += '/';
    if (!PrepareProgramDirectory(path))
        throw BadStatement("cannot make the program directory " + directory);
    State().programDirectory = path;
}

void ScriptInterpreter::StartProgram()
{
    if (client)
        return;
    if (State().programDirectory.empty())
        SetDirectory(defaultDirectory.empty() ? ExecutableDirectory() : defaultDirectory);
    // Paths below the program directory print as <dir>/..., so that a script's expected output
    // does not depend on where it ran.
    frame = std::make_unique<HeadlessFrame>([this](const std::string& line) {
        std::string shown = line;
        const std::string& directory = State().programDirectory;
        const std::string placeholder = "<dir>/";
        for (std::size_t at = shown.find(directory); !directory.empty() && at != std::string::npos;
             at = shown.find(directory, at + placeholder.size()))
            shown.replace(at, directory.size(), placeholder);
        out << shown << "\n";
    });
    frame->SetClientSize(clientWidth, clientHeight);
    client = std::make_unique<TClient>(*frame);
    client->SetPrompt(OPENING_PROMPT);
}

bool ScriptInterpreter::ActionInProgress() const
{
    // The tool kept over a zoom counts as well as the current one.
    return client && (client->HoldsFigure() || client->PendingMove());
}

HeadlessWindow& ScriptInterpreter::ActiveWindow()
{
    StartProgram();
    TChild* child = client->ActiveChild();
    if (!child)
        throw BadStatement("no drawing window is open");
    return static_cast<HeadlessWindow&>(child->Host());
}

void ScriptInterpreter::MoveMouse(HeadlessWindow& window, TPoint device)
{
    window.PlaceCursor(device);
    window.Child().EvMouseMove(device);
}

TPoint ScriptInterpreter::DevicePoint(HeadlessWindow& window, const ScriptStatement& statement)
{
    if (statement.modelPoint)
        return window.Child().DevicePointOf({statement.x, statement.y});
    return {statement.x, statement.y};
}

void ScriptInterpreter::Execute(const ScriptStatement& statement)
{
    using Kind = ScriptStatement::Kind;
    switch (statement.kind) {
    case Kind::Empty:
        return;
    case Kind::Dir:
        SetDirectory(statement.text);
        return;
    case Kind::Client:
        clientWidth = statement.x;
        clientHeight = statement.y;
        if (frame) {
            frame->SetClientSize(clientWidth, clientHeight);
            for (HeadlessWindow* window : frame->Windows())
                window->Resize(clientWidth, clientHeight);
        }
        return;
    case Kind::Answer:
        StartProgram();
        frame->Scripted().AddAnswer(statement.text);
        return;
    case Kind::Command: {
        StartProgram();
        int id = statement.commandId;
        if (!statement.text.empty()) {
            id = FindMenuCommand(statement.text);
            if (id == 0)
                throw BadStatement("no command has the menu path " + statement.text);
        }
        if (!TClient::IsCommandEnabled(id))
            throw BadStatement("command " + std::to_string(id) + " is disabled");
        client->Command(id);
        return;
    }
    case Kind::Open:
        StartProgram();
        frame->SetNextChoice(statement.text);
        client->Command(CM_FILEOPEN);
        return;
    case Kind::At:
    case Kind::Move: {
        HeadlessWindow& window = ActiveWindow();
        MoveMouse(window, DevicePoint(window, statement));
        return;
    }
    case Kind::LDown:
    case Kind::LUp:
    case Kind::RDown:
    case Kind::Click: {
        HeadlessWindow& window = ActiveWindow();
        if (statement.hasPoint)
            MoveMouse(window, DevicePoint(window, statement));
        TChild& child = window.Child();
        TPoint at = window.CursorPos();
        if (statement.kind == Kind::LDown || statement.kind == Kind::Click)
            child.EvLButtonDown(at);
        if (statement.kind == Kind::Click) {
            // The press is handled, as the event loop would, before the release comes.
            frame->ProcessEvents();
            if (client->ActiveChild() != &child)
                return;
            at = window.CursorPos();
        }
        if (statement.kind == Kind::LUp || statement.kind == Kind::Click)
            child.EvLButtonUp(at);
        if (statement.kind == Kind::RDown)
            child.EvRButtonDown(at);
        return;
    }
    case Kind::Key:
        StartProgram();
        // F1 with no drawing window is the frame's help request.
        if (!client->ActiveChild() && statement.key == VK_F1) {
            client->Help();
            return;
        }
        ActiveWindow().Child().EvKeyDown(statement.key);
        return;
    case Kind::KeyUp:
        ActiveWindow().Child().EvKeyUp(statement.key);
        return;
    case Kind::Char:
        ActiveWindow().Child().EvChar(statement.key);
        return;
    case Kind::Paint: {
        HeadlessWindow& window = ActiveWindow();
        window.Child().Refresh(9);
        return;
    }
    case Kind::Status:
        StartProgram();
        out << "status " << client->Prompt() << " | " << client->ToolName() << "\n";
        return;
    case Kind::Check: {
        StartProgram();
        if (!heldProblem.empty())
            throw BadStatement(std::exchange(heldProblem, std::string()));
        if (ActionInProgress())
            return;
        const std::string difference = ListFileDifference(State().objects);
        if (!difference.empty())
            throw BadStatement("the object list differs from the drawing file: " + difference);
        return;
    }
    case Kind::FailWrites:
        FailNextWrites(statement.failCount, statement.failStage);
        return;
    case Kind::FailReads:
        FailNextReads(statement.failCount, statement.text);
        return;
    case Kind::Dump: {
        StartProgram();
        const TList& objects = State().objects;
        for (int i = 0; i < objects.count(); ++i)
            out << DumpObject(i, *objects[i]) << "\n";
        return;
    }
    }
}
