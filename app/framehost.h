#pragma once
// What the MDI client (TClient) needs of the frame around it: the status texts, the dialog runner,
// new drawing windows and the few common dialogs of the platform. The Qt frame implements it for
// the user; the headless frame of arkweld-script implements it for the tests.
#include <memory>
#include <string>
#include <vector>

class DialogRunner;
class PrintTarget;
class TChild;
class WindowHost;

class FrameHost {
public:
    virtual ~FrameHost();

    // The status bar's prompt, its tool-name gadget and the toolbar's cursor-distance gadget.
    virtual void SetPrompt(const std::string& text) = 0;
    virtual void SetToolName(const std::string& text) = 0;
    virtual void SetDistance(const std::string& text) = 0;

    // Runs the program's dialogs, message boxes, input boxes and help.
    virtual DialogRunner& Runner() = 0;

    // Creates the window a new drawing window lives in (shown and active); the child owns it.
    virtual std::unique_ptr<WindowHost> CreateWindowHost(TChild& child) = 0;

    // The open-drawing choice: offers the names (file stems of DWGS/*.DB0) and gives the one
    // chosen. False when the user cancels.
    virtual bool ChooseDrawing(const std::vector<std::string>& names, std::string& chosen) = 0;

    // The printer set-up dialog of the platform. False when cancelled or unavailable.
    virtual bool PrinterSetup() = 0;
    // Starts a print job on the printer chosen with Printer Setup; null when it cannot start.
    // The job ends when the target is destroyed.
    virtual std::unique_ptr<PrintTarget> StartPrinting(const std::string& title) = 0;

    // Ends the program.
    virtual void Exit() = 0;
};
