#include "dialogs/dialogsettings.h"

#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "platform/window.h"

bool StoreSettings(TWindow& owner, const std::string& cfgName, const std::string& text)
{
    if (WriteSettings(cfgName, text))
        return true;
    owner.MessageBox("The settings file CFG/" + cfgName + " could not be written", ApplicationName,
                     MB_OK | MB_ICONEXCLAMATION);
    return false;
}

int StoredUnitSystem()
{
    return SettingsRecord("METRIC.CFG", METRIC_CFG_FORMAT).Int(0) == 1 ? 1 : 0;
}

bool StoreUnitSystem(TWindow& owner, int unitSystem)
{
    return StoreSettings(owner, "METRIC.CFG", FormatC(METRIC_CFG_FORMAT, unitSystem));
}
