#include "app/qt/aapp.h"

#include "app/child.h"
#include "app/client.h"
#include "app/printtarget.h"
#include "app/qt/drawingwindow.h"
#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "platform/dialogrunner.h"
#include "platform/qt/printercanvas.h"
#include "platform/qt/printersetupdialog.h"
#include "platform/qt/qtdialogrunner.h"
#include "resources/menus.h"
#include "resources/toolbar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A print job on the frame's printer, or into a PDF file. A PDF file is opened by the caller and
// handed to the printer by the name of its descriptor (/proc/self/fd/N): the PDF writer opens that
// very file, whatever has taken its name meanwhile. Once the job ends the printer is given the
// file's own name again, so that no later job is sent to that descriptor.
class PrinterJob : public PrintTarget {
public:
    PrinterJob(QPrinter& printer, std::string fileName, int descriptor)
        : printer(printer), fileName(std::move(fileName))
    {
        if (descriptor >= 0)
            printer.setOutputFileName(QString("/proc/self/fd/%1").arg(descriptor));
        canvas.emplace(printer);
    }
    ~PrinterJob() override
    {
        canvas.reset();
        if (!fileName.empty())
            printer.setOutputFileName(QString::fromStdString(fileName));
    }
    bool IsActive() const { return canvas->IsActive(); }
    Canvas& PageCanvas() override { return *canvas; }
    bool NewPage() override { return canvas->NewPage(); }
    std::string FileName() const override { return fileName; }

private:
    QPrinter& printer;
    std::string fileName;
    std::optional<PrinterCanvas> canvas;
};

// Width of a gadget of `chars` average characters, with its frame.
int GadgetWidth(const QWidget& widget, int chars)
{
    return widget.fontMetrics().averageCharWidth() * chars + 12;
}

}  // namespace

TAApp::TAApp()
{
    setWindowTitle(ApplicationName);
    runner = std::make_unique<QtDialogRunner>(this);
    mdiArea = new QMdiArea(this);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) { SubWindowActivated(w); });
    BuildStatusBar();
    BuildToolbar();
    client = std::make_unique<TClient>(*this);
    BuildMenu();
}

TAApp::~TAApp()
{
    // The drawing windows (and their widgets) go before the frame's widgets.
    client.reset();
}

QPrinter& TAApp::Printer()
{
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer the plans go to a PDF file.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            printer->setOutputFormat(QPrinter::PdfFormat);
    }
    return *printer;
}

void TAApp::Start()
{
    // Without a window manager showMaximized does nothing: take the screen's available area.
    if (QScreen* screen = QApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    client->SetPrompt(OPENING_PROMPT);
}

QAction* TAApp::MakeCommandAction(int id, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setEnabled(TClient::IsCommandEnabled(id));
    connect(action, &QAction::triggered, this, [this, id] { client->Command(id); });
    actions[id] = action;
    return action;
}

QAction* TAApp::CommandAction(int id) const
{
    auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

void TAApp::BuildMenu()
{
    std::vector<QMenu*> stack;
    for (const TMenuEntry& entry : MainMenu()) {
        stack.resize(std::size_t(entry.level));
        if (entry.id == -1) {
            stack.back()->addSeparator();
            continue;
        }
        const QString label = QString::fromUtf8(entry.label);
        if (entry.id == 0) {
            QMenu* menu = entry.level == 0 ? menuBar()->addMenu(label) : stack.back()->addMenu(label);
            stack.push_back(menu);
            continue;
        }
        // A toolbar button and the menu item of one command share the action.
        QAction* action = CommandAction(entry.id);
        if (!action)
            action = MakeCommandAction(entry.id, label);
        else
            action->setText(label);
        stack.back()->addAction(action);
    }
}

QIcon TAApp::ToolbarIcon(const TToolbarButton& button)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    for (const TIconStroke& stroke : button.icon) {
        QColor colour = stroke.grey ? QColor(150, 150, 150) : QColor(0, 0, 0);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        switch (stroke.shape) {
        case 'L':
            painter.drawLine(stroke.a, stroke.b, stroke.c, stroke.d);
            break;
        case 'R':
            painter.drawRect(stroke.a, stroke.b, stroke.c, stroke.d);
            break;
        case 'F':
            painter.fillRect(stroke.a, stroke.b, stroke.c, stroke.d, colour);
            break;
        case 'E':
            painter.drawEllipse(stroke.a, stroke.b, stroke.c, stroke.d);
            break;
        case 'D':
            painter.setBrush(colour);
            painter.drawEllipse(stroke.a, stroke.b, stroke.c, stroke.d);
            break;
        case 'A':
            painter.drawArc(stroke.a, stroke.b, stroke.c, stroke.d, stroke.e * 16, stroke.f * 16);
            break;
        case 'T':
            painter.drawText(stroke.a, stroke.b, QString::fromUtf8(stroke.text ? stroke.text : ""));
            break;
        default:
            break;
        }
    }
    return QIcon(pixmap);
}

void TAApp::BuildToolbar()
{
    QToolBar* toolbar = addToolBar("Toolbar");
    toolbar->setObjectName("toolbar");
    toolbar->setMovable(true);
    toolbar->setFloatable(true);
    toolbar->setIconSize(QSize(20, 20));
    for (const TToolbarButton& button : ToolbarButtons()) {
        if (button.id == 0) {
            toolbar->addSeparator();
            continue;
        }
        QAction* action = MakeCommandAction(button.id, QString::fromUtf8(button.hint));
        action->setIcon(ToolbarIcon(button));
        action->setToolTip(QString::fromUtf8(button.hint));
        action->setStatusTip(QString::fromUtf8(button.hint));
        toolbar->addAction(action);
    }
    toolbar->addSeparator();
    distanceLabel = new QLabel(toolbar);
    distanceLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    distanceLabel->setFixedWidth(GadgetWidth(*distanceLabel, DISTANCE_GADGET_CHARS));
    distanceLabel->setToolTip("cursor distance");
    toolbar->addWidget(distanceLabel);
}

void TAApp::BuildStatusBar()
{
    promptLabel = new QLabel(this);
    toolLabel = new QLabel(this);
    toolLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Ten characters wide, and wider for a longer tool name ("STAIRS/WELLS", "Enlarge Floor
    // Plan"): a name is never cut off.
    toolLabel->setMinimumWidth(GadgetWidth(*toolLabel, TOOL_GADGET_CHARS));
    statusBar()->addWidget(promptLabel, 1);
    statusBar()->addPermanentWidget(toolLabel);
}

void TAApp::SetPrompt(const std::string& text)
{
    promptLabel->setText(QString::fromStdString(text));
}

void TAApp::SetToolName(const std::string& text)
{
    toolLabel->setText(QString::fromStdString(text));
}

void TAApp::SetDistance(const std::string& text)
{
    distanceLabel->setText(QString::fromStdString(text));
}

DialogRunner& TAApp::Runner()
{
    return *runner;
}

std::unique_ptr<WindowHost> TAApp::CreateWindowHost(TChild& child)
{
    auto window = std::make_unique<DrawingWindow>(*this, child);
    QMdiSubWindow* sub = mdiArea->addSubWindow(window.get());
    window->SetSubWindow(sub);
    // The window opens maximised; restored, it takes a usable size rather than the few pixels it
    // was created with.
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this, sub](Qt::WindowStates before, Qt::WindowStates now) {
                if ((before & Qt::WindowMaximized) && !(now & (Qt::WindowMaximized | Qt::WindowMinimized)))
                    PlaceRestoredWindow(*sub);
            });
    sub->showMaximized();
    // Lay the window out now, so the new view starts from its real client size.
    if (window->layout())
        window->layout()->activate();
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    mdiArea->setActiveSubWindow(sub);
    window->setFocus();
    return window;
}

QRect TAApp::RestoredGeometry(const QMdiSubWindow& sub) const
{
    // Two thirds of the MDI area each way, cascaded by the window's place among the open windows.
    const QSize area = mdiArea->viewport()->size();
    const QSize size(area.width() * 2 / 3, area.height() * 2 / 3);
    const int place = std::max<int>(0, int(mdiArea->subWindowList().indexOf(const_cast<QMdiSubWindow*>(&sub))));
    const int step = std::max(1, sub.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &sub));
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int offset = room > 0 ? (place * step) % room : 0;
    return QRect(QPoint(offset, offset), size);
}

void TAApp::PlaceRestoredWindow(QMdiSubWindow& sub)
{
    // Only a window smaller than that is placed: a size the user gave it is kept.
    const QRect usable = RestoredGeometry(sub);
    if (sub.width() >= usable.width() / 2 && sub.height() >= usable.height() / 2)
        return;
    sub.setGeometry(usable);
}

bool TAApp::ChooseDrawing(const std::vector<std::string>& names, std::string& chosen)
{
    if (names.empty()) {
        QMessageBox::information(this, ApplicationName, "There are no drawings to open");
        return false;
    }
    QStringList items;
    for (const std::string& name : names)
        items << QString::fromStdString(name);
    bool ok = false;
    QString item = QInputDialog::getItem(this, "Open", "Drawing:", items, 0, false, &ok);
    if (!ok)
        return false;
    chosen = item.toStdString();
    return true;
}

bool TAApp::PrinterSetup()
{
    PrinterSetupDialog dialog(Printer(), this);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<PrintTarget> TAApp::StartPrinting(const std::string& title)
{
    QPrinter& job = Printer();
    job.setDocName(QString::fromStdString(title));
    if (job.outputFormat() != QPrinter::PdfFormat) {
        auto started = std::make_unique<PrinterJob>(job, std::string(), -1);
        if (started->IsActive())
            return started;
        runner->MessageBox("The printer could not be started", ApplicationName, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    // A PDF file is named after the drawing and lies beside it. Only a regular file (a link's
    // target) is written, and opening it never waits: a pipe, a device, a folder or a link to a
    // missing file there is refused with the reason.
    const std::string fileName = DwgsPath(title + ".PDF");
    struct stat before {};
    const bool existed = ::lstat(fileName.c_str(), &before) == 0;
    std::string reason;
    const int descriptor = OpenRegularFile(fileName, O_WRONLY | O_CREAT, &reason);
    std::unique_ptr<PrinterJob> started;
    if (descriptor >= 0) {
        started = std::make_unique<PrinterJob>(job, fileName, descriptor);
        ::close(descriptor);
        if (!started->IsActive()) {
            started.reset();
            reason = "the PDF writer could not start";
            if (!existed)
                ::unlink(fileName.c_str());
        }
    }
    if (!started)
        runner->MessageBox("The PDF file " + fileName + " could not be written: " + reason, ApplicationName,
                           MB_OK | MB_ICONEXCLAMATION);
    return started;
}

void TAApp::Exit()
{
    close();
}

void TAApp::SubWindowActivated(QMdiSubWindow* window)
{
    if (!window)
        return;
    if (auto* drawing = qobject_cast<DrawingWindow*>(window->widget()))
        client->ActivateChild(&drawing->Child());
}

void TAApp::closeEvent(QCloseEvent* event)
{
    client->SaveAndCloseAll();
    event->accept();
}

void TAApp::keyPressEvent(QKeyEvent* event)
{
    // F1 anywhere in the frame asks help for the current tool.
    if (event->key() == Qt::Key_F1) {
        client->Help();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
