#include "app/qt/headlessframe.h"

#include "app/printtarget.h"
#include "app/qt/headlesswindow.h"

#include <algorithm>

namespace {

// An A4 page at 96 pixels per inch.
constexpr TPoint A4_PAGE{794, 1123};

class RecordedPrint : public PrintTarget {
public:
    explicit RecordedPrint(std::vector<std::unique_ptr<RecordingCanvas>>& pages) : pages(pages)
    {
        pages.clear();
        pages.push_back(std::make_unique<RecordingCanvas>(A4_PAGE, true));
    }
    Canvas& PageCanvas() override { return *pages.back(); }
    bool NewPage() override
    {
        pages.push_back(std::make_unique<RecordingCanvas>(A4_PAGE, true));
        return true;
    }

private:
    std::vector<std::unique_ptr<RecordingCanvas>>& pages;
};

// Bounds the work of one event: a tool that keeps putting the cursor would otherwise never end.
constexpr int MAX_EVENT_ROUNDS = 1000;

}  // namespace

HeadlessFrame::HeadlessFrame(ScriptedRunner::LineSink sink) : runner(std::move(sink)) {}

HeadlessFrame::~HeadlessFrame() = default;

void HeadlessFrame::SetClientSize(int width, int height)
{
    clientWidth = width;
    clientHeight = height;
}

void HeadlessFrame::ProcessEvents()
{
    for (int round = 0; round < MAX_EVENT_ROUNDS; ++round) {
        bool any = false;
        // A window may close while it handles its work: walk a copy.
        std::vector<HeadlessWindow*> current = windows;
        for (HeadlessWindow* window : current)
            if (std::find(windows.begin(), windows.end(), window) != windows.end() && window->ProcessPending())
                any = true;
        if (!any)
            return;
    }
    throw ScriptFailure("the program keeps moving the cursor without end");
}

std::unique_ptr<WindowHost> HeadlessFrame::CreateWindowHost(TChild& child)
{
    return std::make_unique<HeadlessWindow>(*this, child, clientWidth, clientHeight);
}

bool HeadlessFrame::ChooseDrawing(const std::vector<std::string>& names, std::string& chosen)
{
    // Any other opening of the choice (File/Print without a drawing) takes an answer.
    if (!nextChoice)
        return runner.ChooseDrawing(names, chosen);
    chosen = *nextChoice;
    nextChoice.reset();
    return true;
}

bool HeadlessFrame::PrinterSetup()
{
    throw ScriptFailure("the printer set-up dialog cannot be answered by a script");
}

std::unique_ptr<PrintTarget> HeadlessFrame::StartPrinting(const std::string&)
{
    return std::make_unique<RecordedPrint>(printedPages);
}

void HeadlessFrame::WindowCreated(HeadlessWindow* window)
{
    windows.push_back(window);
}

void HeadlessFrame::WindowDestroyed(HeadlessWindow* window)
{
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}
