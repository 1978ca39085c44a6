#pragma once
// A drawing window (1000 x 700, the headless default) on a drawing written for the benchmark, in
// a program directory of its own, opened as the user opens it.
#include "app/child.h"
#include "app/client.h"
#include "app/qt/headlessframe.h"
#include "app/qt/headlesswindow.h"
#include "model/drawingstate.h"
#include "tests/support/tempdir.h"

#include <functional>
#include <memory>
#include <string>

class BenchWindow {
public:
    // `write` writes the drawing file of State().drawingName (`name`).
    BenchWindow(const std::string& name, const std::function<void()>& write);

    TClient& Client() { return *client; }
    HeadlessFrame& Frame() { return frame; }
    TChild& Child() { return *client->ActiveChild(); }
    HeadlessWindow& Window() { return static_cast<HeadlessWindow&>(Child().Host()); }
    TDrawingState& State() { return fresh.state(); }
    // Opens the drawing again, as File/Open does, and shows it.
    bool Reopen();
    // Pixels of the backing image that are not background.
    int DrawnPixels();

private:
    std::string name;
    TempDir dir;
    FreshDrawingState fresh;
    HeadlessFrame frame;
    std::unique_ptr<TClient> client;
};
