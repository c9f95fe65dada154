// "Start With Windows": a shortcut Veltrac.lnk in the user's Startup folder
// that starts this executable in the current folder, where its settings
// live. The shortcut itself is the state; no settings line holds it.
#pragma once
#include <windows.h>

// Whether Windows will start this copy of Veltrac at logon: the shortcut is
// there, points at this executable and folder, and the Startup apps page has
// not turned it off (store/startup_link.cpp decides).
int IsStartupLinkOn(void);

// Makes the shortcut (and turns it back on in the Startup apps page), or
// deletes it; only Veltrac.lnk is ever touched. FALSE when the Startup
// folder could not be changed.
BOOL SetStartupLink(int bOn);

#define STARTUP_LINK_NAME L"Veltrac.lnk"
#define STARTUP_LINK_ARGS L"-tosystemtray -start"
#define STARTUP_APPROVED_KEY \
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder"
