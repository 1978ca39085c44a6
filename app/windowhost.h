#pragma once
// What a drawing window (TChild) needs of the window it lives in. The Qt drawing widget implements
// it for the user; the headless host implements it for arkweld-script and the tests.
//
// The window keeps a backing image of its client area. Tools draw into it at once through a canvas
// made for one event; a repaint from the drawing file (TChild::Paint) renders into it too; showing
// the window only copies the image to the screen.
#include "platform/geometry.h"

#include <memory>
#include <string>

class Canvas;
class DialogRunner;

class WindowHost {
public:
    virtual ~WindowHost();

    // The client rectangle: left 0, top 0, right = width, bottom = height, in device pixels.
    virtual TRect ClientRect() const = 0;

    // A canvas drawing into the backing image for one event, with no mapping set. What is drawn
    // shows on the screen once the canvas is destroyed.
    virtual std::unique_ptr<Canvas> MakeCanvas() = 0;

    // Marks a device area of the client to be repainted from the drawing file. The host calls
    // TChild::Paint for it when the event being handled is over, or at once by UpdateWindow.
    virtual void Invalidate(const TRect& area) = 0;
    // Repaints every area marked so far, now.
    virtual void UpdateWindow() = 0;

    // The window's own cursor, in client coordinates, which the tools read and set. Setting it
    // counts as a mouse move to that point, delivered after the event being handled.
    virtual TPoint CursorPos() const = 0;
    virtual void SetCursorPos(TPoint client) = 0;

    // The window's caption.
    virtual void SetCaption(const std::string& caption) = 0;
    // Tells the host that the view (scroll position, zoom or sheet) changed, so scroll bars follow.
    virtual void ViewChanged() = 0;

    // Saves the backing image as a 24-bit BMP file. False (with the reason) when it cannot be
    // written.
    virtual bool SaveBitmap(const std::string& path, std::string* reason) = 0;
};
