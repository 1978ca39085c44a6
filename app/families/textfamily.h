#pragma once
// The text family: the text tools (text through the input box, typed text, the finished typed
// text, Change text/number). Typed characters reach the typed-text tool.
#include "app/commandtable.h"

class TToolFamily;

const TToolFamily& TextFamily();
TFamilyRows TextFamilyRows();
