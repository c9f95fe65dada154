// Notice and restart texts; see elevate_text.h.
#include "app/elevate_text.h"
#include <stdio.h>

void FormatElevatedNotice(char *szOut, size_t cbOut, const char *szTitle)
{
    const char *szName = szTitle && szTitle[0] ? szTitle : "the window in front";
    snprintf(szOut, cbOut,
             "Veltrac cannot scroll %.*s: it runs as administrator. "
             "Click here to restart Veltrac as administrator.",
             NOTICE_TITLE_CHARS, szName);
}

void FormatRestartSwitches(char *szOut, size_t cbOut, int bOn, int bInTray)
{
    snprintf(szOut, cbOut, "-letmeopen2%s%s", bOn ? " -start" : "",
             bInTray ? " -tosystemtray" : "");
}
