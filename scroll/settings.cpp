// The Settings record and its start-up values.
#include "scroll/settings.h"
#include <string.h>

SETTINGS Settings;

void SetDefaultSettings(void)
{
    memset(&Settings, 0, sizeof Settings);
#define DEFAULT_NUMBER(field, value) Settings.field = value;
#define DEFAULT_NEWER(field, value) Settings.field = value;
#define DEFAULT_TEXT(field, value) strcpy(Settings.field, value);
#define OPTION_DEFAULT(field, value, line, file, choices, dialog, args) DEFAULT_##file(field, value)
    VELTRAC_OPTIONS(OPTION_DEFAULT)
    Settings.nScrollVk = VK_CONTROL;
    strcpy(Settings.szTitle, TITLE_OFF);
}
