#pragma once
// The help window: shows the page of a help context id.
#include <QTextBrowser>

class HelpViewer : public QTextBrowser {
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the page of `contextId` (a short notice when there is none) and raises the window.
    void ShowContext(int contextId);
    int ContextId() const { return contextId; }

private:
    int contextId = 0;
};
