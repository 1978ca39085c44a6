#pragma once
// The frame without a screen: status texts kept as strings, dialogs answered by the scripted
// runner, drawing windows as HeadlessWindows of a set client size. The File/Open choice takes the
// name the driver gave beforehand for File/Open, and otherwise the runner's answer (`choose`); the
// printer set-up dialog cannot be answered headless.
#include "app/framehost.h"
#include "platform/recordingcanvas.h"
#include "platform/scriptedrunner.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class HeadlessWindow;

class HeadlessFrame : public FrameHost {
public:
    explicit HeadlessFrame(ScriptedRunner::LineSink sink = {});
    ~HeadlessFrame() override;

    ScriptedRunner& Scripted() { return runner; }
    const std::string& Prompt() const { return prompt; }
    const std::string& ToolName() const { return toolName; }
    const std::string& Distance() const { return distance; }

    // Client size of the drawing windows made from now on.
    void SetClientSize(int width, int height);
    int ClientWidth() const { return clientWidth; }
    int ClientHeight() const { return clientHeight; }

    // The name the next File/Open choice takes.
    void SetNextChoice(const std::string& name) { nextChoice = name; }
    bool ExitRequested() const { return exitRequested; }

    // The live drawing windows, oldest first.
    const std::vector<HeadlessWindow*>& Windows() const { return windows; }
    // Runs what the event loop would once an event is handled, until nothing is left.
    void ProcessEvents();

    // FrameHost
    void SetPrompt(const std::string& text) override { prompt = text; }
    void SetToolName(const std::string& text) override { toolName = text; }
    void SetDistance(const std::string& text) override { distance = text; }
    DialogRunner& Runner() override { return runner; }
    std::unique_ptr<WindowHost> CreateWindowHost(TChild& child) override;
    bool ChooseDrawing(const std::vector<std::string>& names, std::string& chosen) override;
    bool PrinterSetup() override;
    // Prints on recording canvases of an A4 page at 96 pixels per inch.
    std::unique_ptr<PrintTarget> StartPrinting(const std::string& title) override;
    const std::vector<std::unique_ptr<RecordingCanvas>>& PrintedPages() const { return printedPages; }
    void Exit() override { exitRequested = true; }

    // Kept up to date by the windows themselves.
    void WindowCreated(HeadlessWindow* window);
    void WindowDestroyed(HeadlessWindow* window);

private:
    ScriptedRunner runner;
    std::string prompt;
    std::string toolName;
    std::string distance;
    int clientWidth = 1000;
    int clientHeight = 700;
    std::optional<std::string> nextChoice;
    bool exitRequested = false;
    std::vector<HeadlessWindow*> windows;
    std::vector<std::unique_ptr<RecordingCanvas>> printedPages;
};
