// The frame host rule as arithmetic on process ids.
#include "scroll/program.h"

static int SameName(const char *a, const char *b)
{
    for (; *a && *b; a++, b++) {
        char ca = *a >= 'A' && *a <= 'Z' ? (char)(*a - 'A' + 'a') : *a;
        char cb = *b >= 'A' && *b <= 'Z' ? (char)(*b - 'A' + 'a') : *b;
        if (ca != cb)
            return 0;
    }
    return *a == *b;
}

unsigned long ProgramProcess(unsigned long dwWindowPid, const char *szProgram,
                             const unsigned long *adwChildPids, int nChildren)
{
    if (!SameName(szProgram ? szProgram : "", FRAME_HOST_PROGRAM))
        return dwWindowPid;
    for (int i = 0; i < nChildren; i++)
        if (adwChildPids[i] != dwWindowPid)
            return adwChildPids[i];
    return dwWindowPid;
}
