#pragma once
// Runs the program's dialogs as real modal Qt windows: template dialogs, the text input, message
// boxes, and the help window.
#include "platform/dialogrunner.h"
#include "platform/qt/helpviewer.h"

#include <QPointer>

#include <functional>

class QWidget;
class TemplateDialog;

class QtDialogRunner : public DialogRunner {
public:
    // `owner` (may be null) is the window the dialogs are centred on.
    explicit QtDialogRunner(QWidget* owner = nullptr);
    ~QtDialogRunner() override;

    int RunDialog(TDialog& dialog) override;
    int RunInput(TInputDialog& dialog) override;
    int RunColour(TColourDialog& dialog) override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void Help(int contextId) override;

    // The help window, once a page has been asked for.
    HelpViewer* Viewer() const { return viewer; }
    // Called with each dialog window once it is built and bound, before it runs (tests drive it).
    void SetDialogShownHook(std::function<void(TemplateDialog&)> hook) { shownHook = std::move(hook); }

private:
    QWidget* owner;
    QPointer<HelpViewer> viewer;
    std::function<void(TemplateDialog&)> shownHook;
};
