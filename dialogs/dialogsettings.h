#pragma once
// Settings-file access for the dialogs: the whole text of a file (or its shipped default), and a
// write that tells the user when the file could not be stored.
#include <string>

class TWindow;

// The text of CFG/<cfgName>; the shipped default when the file cannot be read; empty when neither
// exists.
std::string SettingsText(const std::string& cfgName);

// Writes CFG/<cfgName> whole. On failure shows a message (titled with the application's name) and
// returns false.
bool StoreSettings(TWindow& owner, const std::string& cfgName, const std::string& text);
