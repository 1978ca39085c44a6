#include "tools/toolwindow.h"

TToolWindow::~TToolWindow() = default;

void TToolWindow::Message(const std::string&, const std::string&) {}

void TToolWindow::InvalidateModelArea(const TModelBox&) {}
