// Which program a window belongs to, for the rules of programs.txt: its
// process's program, except for the frame of a UWP app, whose program is
// the one behind its content. No window calls.
#pragma once

// The frame host of UWP apps: a window of it belongs to the process of its
// first child window that another process owns.
#define FRAME_HOST_PROGRAM "ApplicationFrameHost.exe"

// The process whose program a window is counted as: the window's own, or,
// when that program is the frame host, the first of its child windows'
// processes that differs (the frame host's own when there is none).
unsigned long ProgramProcess(unsigned long dwWindowPid, const char *szProgram,
                             const unsigned long *adwChildPids, int nChildren);
