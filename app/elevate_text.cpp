// Notice and restart texts; see elevate_text.h. Put together by hand: the
// C library's snprintf would bring its whole floating-point printer along.
#include "app/elevate_text.h"

// Appends at most nMax characters of szText at *pnLen, stopping where only
// the terminator still fits in cbOut, and keeps the text zero-terminated.
static void Append(char *szOut, size_t cbOut, size_t *pnLen, const char *szText, size_t nMax)
{
    for (size_t i = 0; i < nMax && szText[i] && *pnLen + 1 < cbOut; i++)
        szOut[(*pnLen)++] = szText[i];
    szOut[*pnLen] = '\0';
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

void FormatRestartSwitches(char *szOut, size_t cbOut, int bOn, int bInTray)
{
    if (cbOut == 0)
        return;
    size_t n = 0;
    Append(szOut, cbOut, &n, "-letmeopen2", (size_t)-1);
    Append(szOut, cbOut, &n, bOn ? " -start" : "", (size_t)-1);
    Append(szOut, cbOut, &n, bInTray ? " -tosystemtray" : "", (size_t)-1);
}
