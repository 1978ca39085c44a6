#pragma once
// The application frame "Arkweld 4.0": menu 200, the movable toolbar with its cursor-distance
// gadget, the status bar with the prompt and the tool-name gadget, and the MDI area that holds the
// drawing windows of the client (TClient).
#include "app/framehost.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QtDialogRunner;
class TClient;
struct TToolbarButton;

class TAApp : public QMainWindow, public FrameHost {
    Q_OBJECT
public:
    TAApp();
    ~TAApp() override;

    TClient& Client() const { return *client; }
    QMdiArea& MdiArea() const { return *mdiArea; }
    QPrinter& Printer();

    // Shows the frame maximised with the opening prompt.
    void Start();

    // FrameHost
    void SetPrompt(const std::string& text) override;
    void SetToolName(const std::string& text) override;
    void SetDistance(const std::string& text) override;
    DialogRunner& Runner() override;
    std::unique_ptr<WindowHost> CreateWindowHost(TChild& child) override;
    bool ChooseDrawing(const std::vector<std::string>& names, std::string& chosen) override;
    bool PrinterSetup() override;
    std::unique_ptr<PrintTarget> StartPrinting(const std::string& title) override;
    void Exit() override;

    // The action of a command id; null for none.
    QAction* CommandAction(int id) const;
    // Where a drawing window goes when it is restored from maximised: two thirds of the MDI area
    // each way, cascaded among the open windows.
    QRect RestoredGeometry(const QMdiSubWindow& sub) const;

    // The icon of a toolbar button, drawn from its strokes.
    static QIcon ToolbarIcon(const TToolbarButton& button);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMdiArea* mdiArea;
    QLabel* promptLabel;
    QLabel* toolLabel;
    QLabel* distanceLabel;
    std::unique_ptr<QtDialogRunner> runner;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<TClient> client;
    std::map<int, QAction*> actions;

    void BuildMenu();
    void BuildToolbar();
    void BuildStatusBar();
    QAction* MakeCommandAction(int id, const QString& text);
    void SubWindowActivated(QMdiSubWindow* window);
    void PlaceRestoredWindow(QMdiSubWindow& sub);
};
