// Notice and restart texts; see elevate_text.h.
#include "app/elevate_text.h"
#include <stdio.h>
#include <string.h>

void FormatElevatedNotice(char *szOut, size_t cbOut, const char *szTitle)
{
    const char *szName = szTitle && szTitle[0] ? szTitle : "the window in front";
    snprintf(szOut, cbOut,
             "Veltrac cannot scroll %.*s: it runs as administrator. "
             "Click here to restart Veltrac as administrator.",
             NOTICE_TITLE_CHARS, szName);
}

#define RESTART_SWITCH "-restartof"

void FormatRestartSwitches(char *szOut, size_t cbOut, int bOn, int bInTray, const char *szToken)
{
    snprintf(szOut, cbOut, "-letmeopen2%s%s " RESTART_SWITCH " %s", bOn ? " -start" : "",
             bInTray ? " -tosystemtray" : "", szToken);
}

static char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

int FindRestartToken(const char *cmd, char szToken[RESTART_TOKEN_SIZE])
{
    szToken[0] = '\0';
    size_t cbSwitch = sizeof RESTART_SWITCH - 1;
    for (const char *p = cmd; p && *p; p++) {
        size_t i = 0;
        while (i < cbSwitch && p[i] && LowerAscii(p[i]) == RESTART_SWITCH[i])
            i++;
        if (i < cbSwitch)
            continue;
        const char *q = p + cbSwitch;
        while (*q == ' ' || *q == '\t')
            q++;
        size_t n = 0;
        while (n < RESTART_TOKEN_SIZE - 1 && ((q[n] >= '0' && q[n] <= '9') || q[n] == '.'))
            n++;
        memcpy(szToken, q, n);
        szToken[n] = '\0';
        return n > 0;
    }
    return 0;
}

void FormatRestartLockName(char *szOut, size_t cbOut, const char *szToken)
{
    snprintf(szOut, cbOut, "Local\\Veltrac restart %s", szToken);
}

void FormatRestartSaveError(char *szOut, size_t cbOut, const char *szFile)
{
    snprintf(szOut, cbOut,
             "Unable to write: %s\n\nThe settings could not be saved, so Veltrac was not "
             "restarted as administrator. It goes on running as before.",
             szFile && szFile[0] ? szFile : "settings.dat");
}
