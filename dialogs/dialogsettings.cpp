#include "dialogs/dialogsettings.h"

#include "model/settingsrecords.h"
#include "platform/window.h"

bool StoreSettings(TWindow& owner, const std::string& cfgName, const std::string& text)
{
    std::string reason;
    if (WriteSettingsFile(cfgName, text, &reason))
        return true;
    owner.MessageBox("The settings file CFG/" + cfgName + " could not be written: " + reason, ApplicationName,
                     MB_OK | MB_ICONEXCLAMATION);
    return false;
}

int StoredUnitSystem()
{
    return ReadSettings<TUnitSystemSettings>().unitSystem == 1 ? 1 : 0;
}

bool StoreUnitSystem(TWindow& owner, int unitSystem)
{
    return StoreSettings(owner, TUnitSystemSettings{unitSystem});
}
