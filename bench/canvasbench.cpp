// Drawing through the Qt image canvas as a repaint of the drawing window does: a 1000 x 700
// client with the y-up view mapping.
#include <benchmark/benchmark.h>

#include <QImage>

#include <string>

#include "platform/qt/imagecanvas.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

TMapping ClientMapping()
{
    // A 20 m x 14 m sheet in 5-unit logical steps, as a plan is first shown.
    return TMapping::Isotropic({0, 0}, {4000, 2800}, {0, kHeight}, {kWidth, -kHeight});
}

// A cheap repeatable sequence of coordinates inside the window.
struct Scatter {
    unsigned state = 12345;
    int Next(int range)
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 8) % unsigned(range));
    }
};

void BM_Lines10000(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping());
        Scatter s;
        for (int i = 0; i < 10000; ++i) {
            // Objects select their own pen, as every drawing object does.
            dc.SelectPen({TColor(i % 3 == 0 ? 0x0000FF : 0), 1 + i % 2, i % 7 == 0 ? PS_DOT : PS_SOLID});
            dc.MoveTo(s.Next(4000), s.Next(2800));
            dc.LineTo(s.Next(4000), s.Next(2800));
        }
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Lines10000)->Unit(benchmark::kMillisecond);

void BM_Texts10000(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int escapements[] = {0, 0, 0, 2700, 900, 3150};
    for (auto _ : state) {
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping());
        dc.SetTextColor(0);
        Scatter s;
        for (int i = 0; i < 10000; ++i) {
            // Each text object makes its own font and alignment.
            dc.SelectFont({i % 2 ? "Arial" : "DejaVu Sans", 50, escapements[i % 6], i % 5 ? 400 : 700});
            dc.SetTextAlign(i % 3 ? (TA_CENTER | TA_BOTTOM) : (TA_LEFT | TA_BOTTOM));
            dc.TextOut(s.Next(4000), s.Next(2800), i % 4 ? "Kitchen" : "3600");
        }
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Texts10000)->Unit(benchmark::kMillisecond);

void BM_XorFeedback1000(benchmark::State& state)
{
    // Rubber-band feedback: a dotted exclusive-or rectangle drawn and erased.
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (auto _ : state) {
        ImageCanvas dc(image);
        dc.SetMapping(ClientMapping());
        dc.SetROP2(RasterOp::Xor);
        dc.SelectPen({0, 1, PS_DOT});
        for (int i = 0; i < 1000; ++i) {
            dc.Rectangle(500, 500, 500 + 2 * i, 300 + i);
            dc.Rectangle(500, 500, 500 + 2 * i, 300 + i);
        }
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_XorFeedback1000)->Unit(benchmark::kMillisecond);

}  // namespace
