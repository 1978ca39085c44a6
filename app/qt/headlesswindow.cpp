#include "app/qt/headlesswindow.h"

#include "app/child.h"
#include "app/qt/headlessframe.h"
#include "platform/qt/imagecanvas.h"

HeadlessWindow::HeadlessWindow(HeadlessFrame& frame, TChild& child, int width, int height)
    : frame(frame), child(child), backing(width, height)
{
    frame.WindowCreated(this);
}

HeadlessWindow::~HeadlessWindow()
{
    frame.WindowDestroyed(this);
}

void HeadlessWindow::Resize(int width, int height)
{
    if (width == backing.Image().width() && height == backing.Image().height())
        return;
    backing.Resize(width, height);
    child.EvSize();
}

bool HeadlessWindow::ProcessPending()
{
    bool any = false;
    if (moveQueued) {
        moveQueued = false;
        child.EvMouseMove(cursor);
        any = true;
    }
    if (!backing.Dirty().IsEmpty()) {
        UpdateWindow();
        any = true;
    }
    return any;
}

TRect HeadlessWindow::ClientRect() const
{
    return backing.ClientRect();
}

std::unique_ptr<Canvas> HeadlessWindow::MakeCanvas()
{
    return std::make_unique<ImageCanvas>(backing.Image());
}

void HeadlessWindow::Invalidate(const TRect& area)
{
    backing.Invalidate(area);
}

void HeadlessWindow::UpdateWindow()
{
    if (!backing.Repaint(child).IsEmpty())
        ++paints;
}

TPoint HeadlessWindow::CursorPos() const
{
    return cursor;
}

void HeadlessWindow::SetCursorPos(TPoint client)
{
    cursor = client;
    moveQueued = true;
}

void HeadlessWindow::SetCaption(const std::string& text)
{
    caption = text;
}

void HeadlessWindow::ViewChanged() {}

bool HeadlessWindow::SaveBitmap(const std::string& path, std::string* reason)
{
    return backing.Save(path, reason);
}
