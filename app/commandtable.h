#pragma once
// The one table of commands. Each row is a menu or toolbar command: the tool it installs (kind,
// step, how the tool is made, its gadget text, prompt and help context, its family), what runs
// after (a dialog sequence, say), and what the command needs before it runs. The client's command
// dispatch, TClient::SetToolForKind and the enabled state of the menu and toolbar read these rows.
//
// Each tool family lists its rows in its own files (app/families/) and is named once in
// commandtable.cpp; adding a family adds its files and that one line.
#include "tools/toolkinds.h"

#include <memory>
#include <span>
#include <vector>

class TClient;
class TDrawingtool;
class TToolFamily;
class TToolSite;
class TWindow;

// What a command runs in: the client (the dialog parent when no drawing window is active) and the
// active drawing window.
class TCommandContext {
public:
    virtual ~TCommandContext();
    virtual TWindow& DialogParent() = 0;
    // The active drawing window; null when none is open.
    virtual TToolSite* Window() = 0;
    virtual bool DrawingOpen() const = 0;
    virtual bool InPlanView() const = 0;
    // True while the current tool (or the one kept during a zoom) holds a figure drawn and not
    // finished.
    virtual bool HoldsFigure() const = 0;
    // A command that stores the held figure itself (THeldFigure::StoreWhenGoingAhead), once it is
    // going ahead: the figure is stored once, on the floor it was drawn on, ahead of the objects
    // from index `before` on (what the command has put in the list meanwhile; -1 none). False when
    // the drawing file could not take it: the user has been told, and the command changes nothing
    // more. True when nothing is held.
    virtual bool StoreHeldFigure(int before = -1) = 0;
};

// What a command that works on the open drawing says when none is open.
inline constexpr const char* NO_DRAWING_OPEN = "No drawing is open - use FILE/NEW or FILE/OPEN first";
// What a command that works on a floor plan says in any other view.
inline constexpr const char* PLAN_VIEW_REFUSAL = "You must be in a PLAN VIEW to use this function";

// What a command needs before it runs; without it the command is refused with a message.
enum class TCommandNeed {
    Nothing,
    PlanView,  // an open drawing with a floor plan in view: "You must be in a PLAN VIEW to use this function"
};

// What a command does with a figure the tool holds, drawn and not finished (a multiline's first
// line until its last Enter, a typed text's line until its ENTER). TClient::Command settles it
// before the command runs, so the command works on a list and file that hold the figure, or on a
// drawing it is not part of.
enum class THeldFigure {
    Store,                // stored once, where it was drawn, before the command runs
    Keep,                 // reads and changes no drawing (view, window image, help, settings): held
    TakeBack,             // Edit/Undo: the figure in progress is taken back, and nothing else
    StoreWhenGoingAhead,  // may be cancelled: stored by the command (TCommandContext::StoreHeldFigure)
                          // once it goes ahead; cancelled with nothing changed, it stays held
};

using TToolMaker = std::unique_ptr<TDrawingtool> (*)();

// Makes a tool of class T with every field at its start value.
template <class T>
std::unique_ptr<TDrawingtool> MakeTool()
{
    return std::make_unique<T>();
}

struct TCommandRow {
    int id = 0;
    TCommandNeed needs = TCommandNeed::Nothing;
    // A tool command installs a new tool made by `make`, with `kind` and `step`, and shows its
    // name, prompt and help context (null and 0 leave them as they are).
    TToolMaker make = nullptr;
    int kind = KIND_NONE;
    int step = STEP_READY;
    const char* toolName = nullptr;
    const char* prompt = nullptr;
    int helpContext = 0;
    const TToolFamily* family = nullptr;
    // What the command does then (or all it does, when it installs no tool).
    void (*run)(TCommandContext& context) = nullptr;
    // A command of the client itself (file, view, zoom): its handler.
    void (TClient::*handler)() = nullptr;
    // What becomes of a figure the tool holds when the command is chosen.
    THeldFigure held = THeldFigure::Store;
};

// The tool TClient::SetToolForKind builds for a kind (a picked object's type code, or the kind of
// a tool to return to).
struct TKindRow {
    int kind = KIND_NONE;
    TToolMaker make = nullptr;
    const TToolFamily* family = nullptr;
};

// The drawing window's named dialog sequences (TChild::RunPlanDialog, RunLineDialog and
// RunMultilineOrStairsDialog), each chosen by a code; a family provides the sequence of its code.
enum class TDialogSequence { Plan, Line, MultilineOrStairs };

struct TSequenceRow {
    TDialogSequence sequence = TDialogSequence::Plan;
    int code = 0;
    void (*run)(TToolSite& site) = nullptr;
};

// What one family (or the client) contributes to the tables.
struct TFamilyRows {
    std::span<const TCommandRow> commands;
    std::span<const TKindRow> kinds;
    std::span<const TSequenceRow> sequences = {};
};

// Every command row, every kind row, every family.
const std::vector<TCommandRow>& CommandTable();
const std::vector<TKindRow>& KindTable();
const std::vector<const TToolFamily*>& Families();

// The row of a command id; null when no command has it (the command is shown disabled).
const TCommandRow* FindCommand(int id);
// The row of a kind; null when no tool is built for it.
const TKindRow* FindKind(int kind);
// The dialog sequence of a code; null when none has it.
const TSequenceRow* FindSequence(TDialogSequence sequence, int code);
