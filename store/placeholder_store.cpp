// Settings files are not read or written yet.
#include "store/settings_store.h"

void LoadSettings(void)
{
}

void SaveSettings(void)
{
}
