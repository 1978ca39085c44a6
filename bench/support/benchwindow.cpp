#include "bench/support/benchwindow.h"

#include "model/list.h"
#include "model/programdirectory.h"

#include <QImage>

#include <stdexcept>

BenchWindow::BenchWindow(const std::string& name, const std::function<void()>& write) : name(name)
{
    if (!PrepareProgramDirectory(dir.prefix()))
        throw std::runtime_error("cannot prepare the program directory");
    TDrawingState& state = fresh.state();
    state.programDirectory = dir.prefix();
    state.drawingName = name;
    write();
    state.objects.Clear();
    client = std::make_unique<TClient>(frame);
    if (!Reopen())
        throw std::runtime_error("cannot open the drawing");
}

bool BenchWindow::Reopen()
{
    if (!client->OpenDrawing(name))
        return false;
    Window().ProcessPending();
    return true;
}

int BenchWindow::DrawnPixels()
{
    const QImage& image = Window().BackingImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return drawn;
}
