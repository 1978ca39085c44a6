#include "app/qt/heldcheck.h"

#include "app/client.h"
#include "app/commandtable.h"
#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/listfilecheck.h"
#include "model/object.h"
#include "resources/menus.h"
#include "tools/drawingtool.h"
#include "tools/texttool.h"

#include <algorithm>

namespace {

// How many times each of `watched` stands in `records`.
std::map<std::string, int> Counts(const std::vector<std::string>& records, const std::map<std::string, int>& watched)
{
    std::map<std::string, int> counts;
    for (const std::string& record : records)
        if (watched.count(record))
            ++counts[record];
    return counts;
}

// The command a statement runs (File/Open for `open`); 0 for any other statement.
int CommandOf(const ScriptStatement& statement)
{
    if (statement.kind == ScriptStatement::Kind::Open)
        return CM_FILEOPEN;
    if (statement.kind != ScriptStatement::Kind::Command)
        return 0;
    return statement.text.empty() ? statement.commandId : FindMenuCommand(statement.text);
}

}  // namespace

HeldWatch::HeldWatch() = default;

HeldWatch::~HeldWatch()
{
    if (watching)
        State().drawingWritten = nullptr;
}

void HeldWatch::Before(const TClient& client, const ScriptStatement& next, const std::vector<std::string>& transcript)
{
    if (watching)
        State().drawingWritten = nullptr;
    watching = false;
    statement = next;
    figures.clear();
    moved.clear();
    countBefore.clear();
    reached.clear();
    transcriptBefore = transcript.size();
    movePending = client.PendingMove();
    zooming = client.HasKeptTool();
    centre = DrawingFileCentre(State().unitSystem);
    for (const TDrawingtool* tool : {static_cast<const TDrawingtool*>(client.CurrentTool()), client.KeptTool()}) {
        if (!tool || !tool->HoldsFigure())
            continue;
        Figure figure;
        figure.tool = tool;
        for (const std::unique_ptr<TObject>& object : tool->HeldObjects())
            figure.records.push_back({object->typeCode, ObjectRecord(*object, centre)});
        figures.push_back(std::move(figure));
    }
    if (figures.empty() && !movePending)
        return;
    watching = true;
    path = State().objects.DrawingPath();
    std::vector<std::string> file;
    DrawingFileRecords(path, centre, file);
    if (movePending) {
        // The move is what the list holds and the file does not: the objects as moved or turned.
        std::map<std::string, int> inFile;
        for (const std::string& record : file)
            ++inFile[record];
        const TList& objects = State().objects;
        for (int i = 0; i < objects.count(); ++i) {
            std::string record = ObjectRecord(*objects[i], centre);
            if (inFile[record] > 0)
                --inFile[record];
            else
                moved.push_back(std::move(record));
        }
    }
    for (const Figure& figure : figures)
        for (const Record& record : figure.records)
            countBefore[record.text] = 0;
    for (const std::string& record : moved)
        countBefore[record] = 0;
    for (const auto& [record, count] : Counts(file, countBefore))
        countBefore[record] = count;
    State().drawingWritten = [this](const std::string& writtenPath) { Written(writtenPath); };
}

void HeldWatch::Written(const std::string& writtenPath)
{
    // A figure stored is in the file as this write left it; a command may change it afterwards
    // (a turn of the whole drawing, the plan centred), so each write is looked at.
    std::vector<std::string> file;
    if (!DrawingFileRecords(writtenPath, centre, file))
        return;
    for (const auto& [record, count] : Counts(file, countBefore)) {
        const int added = count - (writtenPath == path ? countBefore[record] : 0);
        reached[record] = std::max(reached[record], added);
    }
}

bool HeldWatch::Stored(const std::string& text, std::map<std::string, int>& used) const
{
    const auto at = reached.find(text);
    if (at == reached.end() || at->second <= used[text])
        return false;
    ++used[text];
    return true;
}

std::string HeldWatch::After(const TClient& client, const std::vector<std::string>& transcript)
{
    if (!watching)
        return {};
    State().drawingWritten = nullptr;
    watching = false;
    bool told = false;
    for (std::size_t i = std::min(transcriptBefore, transcript.size()); i < transcript.size(); ++i)
        told = told || transcript[i].rfind("message ", 0) == 0;
    const int command = CommandOf(statement);
    const bool undo = command == CM_UNDO;
    std::map<std::string, int> used;
    std::string problem;
    for (const Figure& figure : figures) {
        // The same tool, current or kept, may hold the figure as it was or as the statement
        // changed it (a character typed, the line moved to a click).
        const bool toolStays = figure.tool == client.CurrentTool() || figure.tool == client.KeptTool();
        std::vector<Record> now;
        if (toolStays)
            for (const std::unique_ptr<TObject>& object : figure.tool->HeldObjects())
                now.push_back({object->typeCode, ObjectRecord(*object, centre)});
        std::vector<Record> lost;
        for (const Record& record : figure.records) {
            const auto same = std::find_if(now.begin(), now.end(), [&](const Record& held) { return held.text == record.text; });
            if (same != now.end())
                now.erase(same);
            else if (!Stored(record.text, used))
                lost.push_back(record);
        }
        // Only an event of the window can change what the tool holds (a command stores it or keeps it
        // as it is): for one, a record of the same kind still held is the figure as it changed.
        const bool event = statement.kind == ScriptStatement::Kind::Char || statement.kind == ScriptStatement::Kind::Key ||
                           statement.kind == ScriptStatement::Kind::Click || statement.kind == ScriptStatement::Kind::LDown ||
                           statement.kind == ScriptStatement::Kind::LUp || statement.kind == ScriptStatement::Kind::Move ||
                           statement.kind == ScriptStatement::Kind::At;
        std::string lostText;
        for (const Record& record : lost) {
            const auto changed = !event ? now.end() : std::find_if(now.begin(), now.end(), [&](const Record& held) {
                return held.typeCode == record.typeCode;
            });
            if (changed != now.end())
                now.erase(changed);
            else
                lostText += record.text;
        }
        const bool backspace = statement.kind == ScriptStatement::Kind::Char && statement.key == CHAR_BACKSPACE && toolStays;
        if (!lostText.empty() && !undo && !told && !backspace && problem.empty())
            problem = "a figure held by the tool is gone without a word: it is not held, it did not reach the drawing file " +
                      path + ", the statement is not Edit/Undo and no message box was shown; it held\n" + lostText;
    }
    if (movePending && !client.PendingMove() && problem.empty()) {
        bool stored = true;
        for (const std::string& record : moved)
            stored = Stored(record, used) && stored;
        // Every command but those that keep a figure (zoom, CENTRE, the set-up dialogs) drops it.
        const TCommandRow* row = command != 0 ? FindCommand(command) : nullptr;
        const bool dropsMove = (row && row->held != THeldFigure::Keep) ||
                               (zooming && statement.kind == ScriptStatement::Kind::Key && statement.key == VK_ENTER);
        if (!stored && !undo && !told && !dropsMove) {
            std::string movedText;
            for (const std::string& record : moved)
                movedText += record;
            problem = "a move not locked is gone without a word: the drawing file " + path +
                      " did not take it, the statement is not one the help says drops it and no message box was shown; "
                      "the list held\n" + movedText;
        }
    }
    return problem;
}
