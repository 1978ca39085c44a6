#pragma once
// A drawing window without a screen: the backing image, the repaints waiting for the end of the
// event, and the window's own cursor. arkweld-script and the tests drive TChild through it.
#include "app/qt/windowimage.h"
#include "app/windowhost.h"

#include <string>

class TChild;
class HeadlessFrame;

class HeadlessWindow : public WindowHost {
public:
    HeadlessWindow(HeadlessFrame& frame, TChild& child, int width, int height);
    ~HeadlessWindow() override;

    TChild& Child() const { return child; }
    const QImage& BackingImage() const { return backing.Image(); }
    const std::string& Caption() const { return caption; }
    // Changes the client size, as the user resizing the window.
    void Resize(int width, int height);

    // The work the event loop does once an event is handled: the mouse move that putting the
    // cursor caused, then the repaints. True when there was any.
    bool ProcessPending();
    bool HasPending() const { return moveQueued || !backing.Dirty().IsEmpty(); }
    // The area waiting to be repainted.
    const TRect& DirtyArea() const { return backing.Dirty(); }
    int PaintCount() const { return paints; }

    // WindowHost
    TRect ClientRect() const override;
    std::unique_ptr<Canvas> MakeCanvas() override;
    void Invalidate(const TRect& area) override;
    void UpdateWindow() override;
    TPoint CursorPos() const override;
    void SetCursorPos(TPoint client) override;
    void SetCaption(const std::string& text) override;
    void ViewChanged() override;
    bool SaveBitmap(const std::string& path, std::string* reason) override;

    // Moves the cursor without a mouse-move event (the driver sends the event itself).
    void PlaceCursor(TPoint client) { cursor = client; }

private:
    HeadlessFrame& frame;
    TChild& child;
    WindowImage backing;
    TPoint cursor;
    bool moveQueued = false;
    std::string caption;
    int paints = 0;
};
