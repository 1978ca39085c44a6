#pragma once
// Settings-file access for the dialogs: a write that tells the user when the file could not be
// stored, and the unit system remembered for the next run.
#include "model/typedsettings.h"

#include <string>

class TWindow;

// Writes CFG/<cfgName> whole. On failure shows a message (titled with the application's name) and
// returns false.
bool StoreSettings(TWindow& owner, const std::string& cfgName, const std::string& text);
// The same for a typed record (see model/settingsrecords.h), in the unit system's twin of its file.
template <SettingsFileRecord Record>
bool StoreSettings(TWindow& owner, const Record& record, int unitSystem = State().unitSystem)
{
    return StoreSettings(owner, SettingsFileName<Record>(unitSystem), FormatSettings(record));
}

// The unit system remembered in CFG/METRIC.CFG: 1 metric, 0 feet and inches.
int StoredUnitSystem();
// Remembers the unit system in CFG/METRIC.CFG, as StoreSettings does.
bool StoreUnitSystem(TWindow& owner, int unitSystem);

