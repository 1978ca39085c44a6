#pragma once
// The Qt drawing window: the client area of one TChild with its backing image and scroll bars,
// inside an MDI sub-window. It turns Qt's mouse, key and resize events into the TChild handlers
// and implements the WindowHost that TChild draws and repaints through.
#include "app/qt/windowimage.h"
#include "app/windowhost.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

class QScrollBar;
class TAApp;
class TChild;
class DrawingWindow;

// The client area: shows the backing image and takes the input.
class DrawingView : public QWidget {
    Q_OBJECT
public:
    explicit DrawingView(DrawingWindow& owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    DrawingWindow& owner;
    int wheelDelta = 0;  // wheel turns not yet scrolled, in eighths of a degree
};

class DrawingWindow : public QWidget, public WindowHost {
    Q_OBJECT
public:
    DrawingWindow(TAApp& frame, TChild& child);
    ~DrawingWindow() override;

    TChild& Child() const { return child; }
    QMdiSubWindow* SubWindow() const { return subWindow; }
    void SetSubWindow(QMdiSubWindow* window) { subWindow = window; }
    const QImage& BackingImage() const { return backing.Image(); }

    // WindowHost
    TRect ClientRect() const override;
    std::unique_ptr<Canvas> MakeCanvas() override;
    void Invalidate(const TRect& area) override;
    void UpdateWindow() override;
    TPoint CursorPos() const override;
    void SetCursorPos(TPoint client) override;
    void SetCaption(const std::string& caption) override;
    void ViewChanged() override;
    bool SaveBitmap(const std::string& path, std::string* reason) override;

    // From the view.
    void ViewResized(QSize size);
    void MouseMovedTo(QPoint point);
    void MouseAt(QPoint point);
    void ShowImage(QPainter& painter, const QRect& area);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class DrawingView;
    TAApp& frame;
    TChild& child;
    QPointer<QMdiSubWindow> subWindow;
    DrawingView* view;
    QScrollBar* horizontal;
    QScrollBar* vertical;
    WindowImage backing;
    bool repaintQueued = false;
    TPoint cursor;
    TPoint lastMoveDelivered{-1, -1};
    bool moveQueued = false;
    bool syncingScrollBars = false;

    void ProcessDirty();
    void ScrollBarsMoved();
    void DeliverQueuedMove();
};
