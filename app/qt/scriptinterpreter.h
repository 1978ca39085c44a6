#pragma once
// Runs an arkweld-script: the program's client in a headless frame, driven statement by statement
// (see app/scriptparser.h). Standard output gets only the lines of `dump`, `status`, each message
// box shown ("message CAPTION | TEXT") and each help request ("help N"). The first failure (an
// unexpected box, an answer of the wrong kind or id, an answer left unused at the end, a bad
// statement) ends the run with its reason on the error stream.
#include "app/qt/heldcheck.h"
#include "app/scriptparser.h"
#include "platform/geometry.h"

#include <iosfwd>
#include <memory>
#include <string>

class HeadlessFrame;
class HeadlessWindow;
class TClient;

class ScriptInterpreter {
public:
    ScriptInterpreter(std::ostream& out, std::ostream& err);
    ~ScriptInterpreter();

    // The program directory used when the script names none.
    void SetDefaultDirectory(const std::string& directory) { defaultDirectory = directory; }

    // Runs a whole script; 0 on success, 1 at the first failure.
    int Run(std::istream& script);
    int RunFile(const std::string& path);
    // Runs one statement line and the work the event loop does after it; throws std::exception
    // with the reason when it fails.
    void RunStatement(const std::string& line);
    // Starts the program in its directory unless it runs already.
    void StartProgram();
    // True while the current tool holds a figure or a moved selection waiting for its Enter: the
    // object list may then stand apart from the drawing file.
    bool ActionInProgress() const;

    // For tests: the frame and the client once the program has started.
    HeadlessFrame* Frame() const { return frame.get(); }
    TClient* Client() const { return client.get(); }

private:
    std::ostream& out;
    std::ostream& err;
    std::string defaultDirectory;
    std::unique_ptr<HeadlessFrame> frame;
    std::unique_ptr<TClient> client;
    int clientWidth = 1000;
    int clientHeight = 700;
    // What the tools hold, watched over each statement; the first thing held that went without a
    // word, told by the next `check`.
    HeldWatch heldWatch;
    std::string heldProblem;

    void Execute(const ScriptStatement& statement);
    void SetDirectory(const std::string& directory);
    HeadlessWindow& ActiveWindow();
    void MoveMouse(HeadlessWindow& window, TPoint device);
    TPoint DevicePoint(HeadlessWindow& window, const ScriptStatement& statement);
};
