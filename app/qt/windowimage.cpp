#include "app/qt/windowimage.h"

#include "app/child.h"
#include "model/drawingstate.h"
#include "model/settingsfile.h"
#include "platform/qt/bitmapfile.h"
#include "platform/qt/imagecanvas.h"

#include <QColor>

namespace {

QImage BlankImage(int width, int height)
{
    // Format_RGB32: exclusive-or drawing is exact on it.
    QImage image(width, height, QImage::Format_RGB32);
    const TColor background = State().currentFillColour;
    image.fill(QColor(RedOf(background), GreenOf(background), BlueOf(background)));
    return image;
}

}  // namespace

WindowImage::WindowImage(int width, int height) : image(BlankImage(width, height)) {}

void WindowImage::Resize(int width, int height)
{
    image = BlankImage(width, height);
    dirty = {};
}

void WindowImage::Invalidate(const TRect& area)
{
    dirty = dirty.Union(area.Intersect(ClientRect()));
}

TRect WindowImage::Repaint(TChild& child)
{
    const TRect area = dirty;
    dirty = {};
    if (area.IsEmpty())
        return area;
    ImageCanvas dc(image);
    dc.SetDeviceClip(area);
    child.Paint(dc, area);
    return area;
}

bool WindowImage::Save(const std::string& path, std::string* reason) const
{
    const std::optional<std::string> bytes = EncodeBitmap24(image);
    if (!bytes) {
        if (reason)
            *reason = "the window holds no image";
        return false;
    }
    return WriteTextFileAtomic(path, *bytes, reason);
}
