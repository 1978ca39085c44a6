#pragma once
// The client's own commands: file, edit undo, view, zoom, customise and help.
#include "app/commandtable.h"

TFamilyRows ClientCommandRows();
