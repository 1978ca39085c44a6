#include "tools/toolwindow.h"

TToolWindow::~TToolWindow() = default;
