#pragma once
// The figure family: arc, ellipse, circle, rectangle and rounded rectangle.
#include "app/commandtable.h"

class TToolFamily;

const TToolFamily& FigureFamily();
TFamilyRows FigureFamilyRows();
