#pragma once
// The help window: shows the page of a help context id, with a Close button; Escape closes it too.
// It opens centred over the window it is given (the main window), not at the screen's corner, and
// stays where the user puts it while it is open.
#include <QDialog>
#include <QPointer>

class QPushButton;
class QTextBrowser;

class HelpViewer : public QDialog {
public:
    // `parent` is the window the help belongs to (the open modal dialog, if any, so that the help
    // stays usable beside it); `centreOn` the window it opens over.
    explicit HelpViewer(QWidget* parent = nullptr, QWidget* centreOn = nullptr);

    // Shows the page of `contextId` (a short notice when there is none) and raises the window.
    void ShowContext(int contextId);
    int ContextId() const { return contextId; }

    // The page shown, as plain text.
    QString PageText() const;
    QPushButton* CloseButton() const { return closeButton; }

private:
    int contextId = 0;
    QTextBrowser* browser;
    QPushButton* closeButton;
    QPointer<QWidget> centreOn;

    void PlaceOverCentreWindow();
};
