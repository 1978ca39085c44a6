#include "app/qt/drawingwindow.h"

#include "app/child.h"
#include "app/client.h"
#include "app/qt/aapp.h"
#include "app/qt/eventcanvas.h"
#include "app/qt/keycodes.h"
#include "model/drawingstate.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEnterEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace {

QRect ToQRect(const TRect& r)
{
    return QRect(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

// The view

DrawingView::DrawingView(DrawingWindow& owner) : QWidget(&owner), owner(owner)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void DrawingView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    owner.ShowImage(painter, event->rect());
}

void DrawingView::resizeEvent(QResizeEvent*)
{
    owner.ViewResized(size());
}

void DrawingView::enterEvent(QEnterEvent* event)
{
    // The pointer may have moved while a dialog had the input, or stood here when the window
    // appeared: the window's cursor is where the pointer is.
    owner.MouseAt(event->position().toPoint());
}

void DrawingView::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    const QPoint at = event->position().toPoint();
    owner.MouseAt(at);
    if (event->button() == Qt::LeftButton)
        owner.Child().EvLButtonDown({at.x(), at.y()});
    else if (event->button() == Qt::RightButton)
        owner.Child().EvRButtonDown({at.x(), at.y()});
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    owner.MouseAt(at);
    if (event->button() == Qt::LeftButton)
        owner.Child().EvLButtonUp({at.x(), at.y()});
}

void DrawingView::mouseMoveEvent(QMouseEvent* event)
{
    owner.MouseMovedTo(event->position().toPoint());
}

void DrawingView::keyPressEvent(QKeyEvent* event)
{
    const int key = VirtualKeyOf(*event);
    if (key)
        owner.Child().EvKeyDown(key);
    const QString text = event->text();
    if (text.size() == 1) {
        const int character = text.at(0).unicode();
        if (character == '\r' || character == '\b' || (character >= 32 && character < 256))
            owner.Child().EvChar(character);
    }
}

void DrawingView::keyReleaseEvent(QKeyEvent* event)
{
    // A key held down repeats its press and its release; only the real release counts.
    if (event->isAutoRepeat())
        return;
    if (const int key = VirtualKeyOf(*event))
        owner.Child().EvKeyUp(key);
}

void DrawingView::wheelEvent(QWheelEvent* event)
{
    // A notch is 120; finer wheels and touchpads send parts of one, which add up.
    wheelDelta += event->angleDelta().y();
    const int steps = wheelDelta / 120;
    wheelDelta -= steps * 120;
    if (steps == 0)
        return;
    const TChild::TScrollInfo info = owner.Child().ScrollInfo();
    // A wheel notch scrolls three lines; with Shift, sideways.
    if (event->modifiers() & Qt::ShiftModifier)
        owner.Child().ScrollBy(-steps * 3 * info.lineX, 0);
    else
        owner.Child().ScrollBy(0, steps * 3 * info.lineY);
}

bool DrawingView::focusNextPrevChild(bool)
{
    // Tab belongs to the drawing window, not to focus navigation.
    return false;
}

// The window

DrawingWindow::DrawingWindow(TAApp& frame, TChild& child) : frame(frame), child(child), backing(1, 1)
{
    view = new DrawingView(*this);
    horizontal = new QScrollBar(Qt::Horizontal, this);
    vertical = new QScrollBar(Qt::Vertical, this);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view, 0, 0);
    layout->addWidget(vertical, 0, 1);
    layout->addWidget(horizontal, 1, 0);
    connect(horizontal, &QScrollBar::valueChanged, this, [this] { ScrollBarsMoved(); });
    connect(vertical, &QScrollBar::valueChanged, this, [this] { ScrollBarsMoved(); });
    setFocusProxy(view);
}

DrawingWindow::~DrawingWindow()
{
    // The sub-window goes with the drawing window: this widget leaves it first, so that deleting
    // it does not delete this widget a second time.
    if (subWindow) {
        QMdiSubWindow* window = subWindow;
        window->setWidget(nullptr);
        setParent(nullptr);
        delete window;
    }
}

TRect DrawingWindow::ClientRect() const
{
    return backing.ClientRect();
}

std::unique_ptr<Canvas> DrawingWindow::MakeCanvas()
{
    return std::make_unique<EventCanvas>(backing.Image(), view);
}

void DrawingWindow::Invalidate(const TRect& area)
{
    backing.Invalidate(area);
    if (!repaintQueued) {
        repaintQueued = true;
        QTimer::singleShot(0, this, [this] { ProcessDirty(); });
    }
}

void DrawingWindow::UpdateWindow()
{
    ProcessDirty();
}

void DrawingWindow::ProcessDirty()
{
    repaintQueued = false;
    const TRect area = backing.Repaint(child);
    if (!area.IsEmpty())
        view->update(ToQRect(area));
}

TPoint DrawingWindow::CursorPos() const
{
    return cursor;
}

void DrawingWindow::SetCursorPos(TPoint client)
{
    cursor = client;
    QCursor::setPos(view->mapToGlobal(QPoint(client.x, client.y)));
    // The move reaches the window after the event being handled, as the user's would.
    if (!moveQueued) {
        moveQueued = true;
        QTimer::singleShot(0, this, [this] { DeliverQueuedMove(); });
    }
}

void DrawingWindow::DeliverQueuedMove()
{
    moveQueued = false;
    lastMoveDelivered = cursor;
    child.EvMouseMove(cursor);
}

void DrawingWindow::MouseAt(QPoint point)
{
    cursor = {point.x(), point.y()};
}

void DrawingWindow::MouseMovedTo(QPoint point)
{
    TPoint at{point.x(), point.y()};
    cursor = at;
    // The pointer arriving where the program put the cursor is not a second move.
    if (at == lastMoveDelivered)
        return;
    lastMoveDelivered = at;
    child.EvMouseMove(at);
}

void DrawingWindow::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
    if (subWindow)
        subWindow->setWindowTitle(QString::fromStdString(caption));
}

void DrawingWindow::ViewChanged()
{
    // Scroll bars in logical units; the vertical bar runs down the sheet, y runs up.
    const TDrawingState& state = State();
    TChild::TScrollInfo info = child.ScrollInfo();
    syncingScrollBars = true;
    horizontal->setRange(info.minX, info.maxX);
    horizontal->setPageStep(info.pageX);
    horizontal->setSingleStep(info.lineX);
    horizontal->setValue(state.viewOrgX);
    vertical->setRange(info.minY, info.maxY);
    vertical->setPageStep(info.pageY);
    vertical->setSingleStep(info.lineY);
    vertical->setValue(info.maxY + info.minY - state.viewOrgY);
    // The normal view shows the whole sheet: a bar appears only when there is somewhere to scroll.
    horizontal->setVisible(info.maxX > info.minX);
    vertical->setVisible(info.maxY > info.minY);
    syncingScrollBars = false;
}

void DrawingWindow::ScrollBarsMoved()
{
    if (syncingScrollBars)
        return;
    child.ScrollTo(horizontal->value(), vertical->maximum() + vertical->minimum() - vertical->value());
}

bool DrawingWindow::SaveBitmap(const std::string& path, std::string* reason)
{
    return backing.Save(path, reason);
}

void DrawingWindow::ViewResized(QSize size)
{
    if (size.width() <= 0 || size.height() <= 0 || size == backing.Image().size())
        return;
    backing.Resize(size.width(), size.height());
    child.EvSize();
}

void DrawingWindow::ShowImage(QPainter& painter, const QRect& area)
{
    painter.drawImage(area, backing.Image(), area);
}

void DrawingWindow::closeEvent(QCloseEvent* event)
{
    // The client closes the drawing window, which takes this widget with it.
    event->ignore();
    TClient* client = &child.Client();
    TChild* closing = &child;
    QTimer::singleShot(0, &frame, [client, closing] { client->CloseChild(closing); });
}
