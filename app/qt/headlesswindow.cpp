#include "app/qt/headlesswindow.h"

#include "app/child.h"
#include "app/qt/headlessframe.h"
#include "model/drawingstate.h"
#include "platform/qt/bitmapfile.h"
#include "platform/qt/imagecanvas.h"

#include <QColor>

namespace {

QImage BlankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    const TColor background = State().currentFillColour;
    image.fill(QColor(RedOf(background), GreenOf(background), BlueOf(background)));
    return image;
}

}  // namespace

HeadlessWindow::HeadlessWindow(HeadlessFrame& frame, TChild& child, int width, int height)
    : frame(frame), child(child), backing(BlankImage(width, height))
{
    frame.WindowCreated(this);
}

HeadlessWindow::~HeadlessWindow()
{
    frame.WindowDestroyed(this);
}

void HeadlessWindow::Resize(int width, int height)
{
    if (width == backing.width() && height == backing.height())
        return;
    backing = BlankImage(width, height);
    dirty = {};
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
    if (!dirty.IsEmpty()) {
        UpdateWindow();
        any = true;
    }
    return any;
}

TRect HeadlessWindow::ClientRect() const
{
    return {0, 0, backing.width(), backing.height()};
}

std::unique_ptr<Canvas> HeadlessWindow::MakeCanvas()
{
    return std::make_unique<ImageCanvas>(backing);
}

void HeadlessWindow::Invalidate(const TRect& area)
{
    dirty = dirty.Union(area.Intersect(ClientRect()));
}

void HeadlessWindow::UpdateWindow()
{
    if (dirty.IsEmpty())
        return;
    TRect area = dirty;
    dirty = {};
    ++paints;
    ImageCanvas dc(backing);
    dc.SetDeviceClip(area);
    child.Paint(dc, area);
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

bool HeadlessWindow::SaveBitmap(const std::string& path)
{
    return SaveBitmap24(backing, path);
}
