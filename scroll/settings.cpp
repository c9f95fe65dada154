// The Settings record and its start-up values.
#include "scroll/settings.h"
#include <string.h>

SETTINGS Settings;

void SetDefaultSettings(void)
{
    memset(&Settings, 0, sizeof Settings);
    Settings.nSensitivity = 5;
    Settings.nScrollTimes = 1;
    Settings.nMessageType = MESSAGE_SEND;
    Settings.bHoldKey = 1;
    Settings.bEdgeScroll = 1;
    Settings.bEdgeRepeat = 1;
    Settings.nRepeatMs = 50;
    Settings.bClassEdit = 1;              // Edit, Afx:, channel on; other, middle off
    Settings.bClassAfx = 1;
    Settings.bClassChannel = 1;
    Settings.bSaveOnExit = 1;
    strcpy(Settings.szScrollKey, "Control");
    Settings.bExcludeList = 1;
    Settings.nWindowX = CW_USEDEFAULT;
    Settings.nWindowY = CW_USEDEFAULT;
    Settings.nScrollVk = VK_CONTROL;
    strcpy(Settings.szTitle, TITLE_OFF);
}
