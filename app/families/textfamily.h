#pragma once
// The text family: Tools/Text (a text through the "Text" input box, or a text typed line after
// line) and Edit/Change text/number. Typed characters reach the typed-text tool.
#include "app/commandtable.h"

class TToolFamily;
class TToolSite;

const TToolFamily& TextFamily();
TFamilyRows TextFamilyRows();

// Tools/Text after the tool is installed: the text details dialog chooses a text centred on a
// click (kind 4) or typed from it (kind 24), and which way it runs. A cancel installs the pick tool.
void StartText(TToolSite& site);
