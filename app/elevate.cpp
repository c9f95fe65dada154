// Notice and restart texts; see elevate.h. Put together by hand: the
// C library's snprintf would bring its whole floating-point printer along.
#include "app/elevate.h"
#include <string.h>

// Appends at most nMax characters of szText at *pnLen, stopping where only
// the terminator still fits in cbOut, and keeps the text zero-terminated.
static void Append(char *szOut, size_t cbOut, size_t *pnLen, const char *szText, size_t nMax)
{
    for (size_t i = 0; i < nMax && szText[i] && *pnLen + 1 < cbOut; i++)
        szOut[(*pnLen)++] = szText[i];
    szOut[*pnLen] = '\0';
}

static void AppendUnsigned(char *szOut, size_t cbOut, size_t *pnLen, unsigned long n)
{
    char digits[24];
    int i = (int)sizeof digits - 1;
    digits[i] = '\0';
    do {
        digits[--i] = (char)('0' + n % 10);
        n /= 10;
    } while (n && i > 0);
    Append(szOut, cbOut, pnLen, digits + i, (size_t)-1);
}

void FormatRestartToken(char *szOut, size_t cbOut, unsigned long dwPid, unsigned nAttempt)
{
    if (cbOut == 0)
        return;
    size_t n = 0;
    szOut[0] = '\0';
    AppendUnsigned(szOut, cbOut, &n, dwPid);
    Append(szOut, cbOut, &n, ".", 1);
    AppendUnsigned(szOut, cbOut, &n, nAttempt);
}

void FormatElevatedNotice(char *szOut, size_t cbOut, const char *szTitle)
{
    if (cbOut == 0)
        return;
    const char *szName = szTitle && szTitle[0] ? szTitle : "the window in front";
    size_t n = 0;
    Append(szOut, cbOut, &n, "Veltrac cannot scroll ", (size_t)-1);
    Append(szOut, cbOut, &n, szName, NOTICE_TITLE_CHARS);
    Append(szOut, cbOut, &n,
           ": it runs as administrator. Click here to restart Veltrac as administrator.",
           (size_t)-1);
}

#define RESTART_SWITCH "-restartof"

void FormatRestartSwitches(char *szOut, size_t cbOut, int bOn, int bInTray, const char *szToken)
{
    if (cbOut == 0)
        return;
    size_t n = 0;
    Append(szOut, cbOut, &n, "-letmeopen2", (size_t)-1);
    Append(szOut, cbOut, &n, bOn ? " -start" : "", (size_t)-1);
    Append(szOut, cbOut, &n, bInTray ? " -tosystemtray" : "", (size_t)-1);
    Append(szOut, cbOut, &n, " " RESTART_SWITCH " ", (size_t)-1);
    Append(szOut, cbOut, &n, szToken, (size_t)-1);
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
    if (cbOut == 0)
        return;
    size_t n = 0;
    Append(szOut, cbOut, &n, "Local\\Veltrac restart ", (size_t)-1);
    Append(szOut, cbOut, &n, szToken, (size_t)-1);
}

void FormatRestartSaveError(char *szOut, size_t cbOut, const char *szFile)
{
    if (cbOut == 0)
        return;
    size_t n = 0;
    Append(szOut, cbOut, &n, "Unable to write: ", (size_t)-1);
    Append(szOut, cbOut, &n, szFile && szFile[0] ? szFile : "settings.dat", (size_t)-1);
    Append(szOut, cbOut, &n,
           "\n\nThe settings could not be saved, so Veltrac was not restarted as "
           "administrator. It goes on running as before.",
           (size_t)-1);
}
