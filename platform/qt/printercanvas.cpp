#include "platform/qt/printercanvas.h"

#include <QPrinter>

PrinterCanvas::PrinterCanvas(QPrinter& printer) : QtCanvas(printer, true), printer(printer) {}

PrinterCanvas::~PrinterCanvas()
{
    Finish();
}

bool PrinterCanvas::NewPage()
{
    Flush();
    return IsActive() && printer.newPage();
}
