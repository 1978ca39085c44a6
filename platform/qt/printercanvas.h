#pragma once
// Canvas on a QPrinter (paper or PDF). The print engines have no raster operations, so every
// raster operation draws as copy here; the printing code never draws feedback.
#include "platform/qt/qtcanvas.h"

class QPrinter;

class PrinterCanvas : public QtCanvas {
public:
    // Starts the print job; IsActive() is false when the printer could not be opened.
    explicit PrinterCanvas(QPrinter& printer);
    ~PrinterCanvas() override;

    // Finishes the current page and starts the next one.
    bool NewPage();

private:
    QPrinter& printer;
};
