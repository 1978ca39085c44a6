#include "dialogs/dialogsettings.h"

#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "platform/window.h"

std::string SettingsText(const std::string& cfgName)
{
    std::string text;
    if (ReadTextFile(CfgPath(cfgName), text))
        return text;
    const std::string* shipped = ShippedDefault(cfgName);
    return shipped ? *shipped : std::string();
}

bool StoreSettings(TWindow& owner, const std::string& cfgName, const std::string& text)
{
    if (WriteSettings(cfgName, text))
        return true;
    owner.MessageBox("The settings file CFG/" + cfgName + " could not be written", ApplicationName,
                     MB_OK | MB_ICONEXCLAMATION);
    return false;
}
