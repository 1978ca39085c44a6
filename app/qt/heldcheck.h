#pragma once
// arkweld-script's watch over what the tools hold. A figure held by the current or the kept tool
// (a multiline's first line, the typed line of a text) and a move not locked may leave only by
// being stored, taken back by Edit/Undo, dropped where the help says a command drops it, or with
// a message box telling it. Before each statement the watch notes what is held, as the drawing
// file would record it; after it, each held object must still be held (by the same tool, as it
// was or changed by the statement), or have reached the drawing file at one of the statement's
// writes, or the statement must be one that may let it go.
//
// What lets a held figure go: Edit/Undo, a message box shown during the statement, and Backspace
// on a typed line (the user takes back the characters). What lets a move not locked go besides:
// every command but Zoom UP and Zoom/Normal Size, File/Open, and Enter while Zoom UP waits for its
// rectangle (the help's list).
#include "app/scriptparser.h"
#include "platform/geometry.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

class TClient;
class TDrawingtool;

class HeldWatch {
public:
    HeldWatch();
    ~HeldWatch();
    HeldWatch(const HeldWatch&) = delete;
    HeldWatch& operator=(const HeldWatch&) = delete;

    // Notes what the client's tools hold before the statement runs, and from then on watches the
    // drawing file's writes. `transcript` is the scripted runner's, where each message box shown
    // leaves a line.
    void Before(const TClient& client, const ScriptStatement& statement, const std::vector<std::string>& transcript);
    // After the statement: empty when nothing held went where it may not; otherwise what went,
    // then ':' and the details.
    std::string After(const TClient& client, const std::vector<std::string>& transcript);

private:
    struct Record {
        int typeCode = 0;
        std::string text;  // as the drawing file records it
    };
    struct Figure {
        const TDrawingtool* tool = nullptr;
        std::vector<Record> records;
    };
    ScriptStatement statement;
    bool watching = false;
    TPoint centre;                         // the records are relative to it
    std::string path;                      // the drawing file the held things belong to
    std::vector<Figure> figures;           // held by the current and the kept tool
    bool movePending = false;
    std::vector<std::string> moved;        // what a move not locked changed, as the list holds it
    bool zooming = false;                  // a tool was kept over Zoom UP
    std::size_t transcriptBefore = 0;      // lines the transcript held before the statement
    std::map<std::string, int> countBefore;  // each watched record in the drawing file before
    std::map<std::string, int> reached;    // the most of each in a drawing file the statement wrote

    void Written(const std::string& writtenPath);
    bool Stored(const std::string& text, std::map<std::string, int>& used) const;
};
