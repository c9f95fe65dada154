// Writing and reading the real program's settings.dat around a test.
#include "e2e_support_settings.h"
#include "scroll/settings.h"
#include "store/settings_text.h"
#include <stdio.h>
#include <fstream>

bool WriteSettingsDat(const std::function<void()> &edit)
{
    static SETTINGS saved;            // 200 KB: not on the stack
    saved = Settings;
    SetDefaultSettings();
    edit();
    std::string bytes = SettingsFileBytes();
    Settings = saved;
    FILE *f = fopen("settings.dat", "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

bool ReadSavedSettings(std::string lines[], int nMax)
{
    std::ifstream in("settings.dat", std::ios::binary);
    if (!in)
        return false;
    std::string line;
    int n = 0;
    while (n < nMax && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines[n++] = line;
    }
    return n > 0;
}
