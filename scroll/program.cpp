// The frame host rule as arithmetic on process ids.
#include "scroll/program.h"
#include "scroll/text_match.h"

unsigned long ProgramProcess(unsigned long dwWindowPid, const char *szProgram,
                             const unsigned long *adwChildPids, int nChildren)
{
    if (!SameTextAnyCase(szProgram ? szProgram : "", FRAME_HOST_PROGRAM))
        return dwWindowPid;
    for (int i = 0; i < nChildren; i++)
        if (adwChildPids[i] != dwWindowPid)
            return adwChildPids[i];
    return dwWindowPid;
}
