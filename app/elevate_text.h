// The texts of meeting a program run as administrator: the notice the tray
// balloon shows, and the switches of the elevated restart. No window calls.
#pragma once
#include <stddef.h>

// Of a long title, the notice shows this many characters.
#define NOTICE_TITLE_CHARS 60

// "Veltrac cannot scroll <title>: it runs as administrator. Click here to
// restart Veltrac as administrator.", the title cut to NOTICE_TITLE_CHARS;
// an untitled window is "the window in front". Always zero-terminated.
void FormatElevatedNotice(char *szOut, size_t cbOut, const char *szTitle);

// The restarted copy starts while this one still runs, hence "-letmeopen2";
// it is switched ON and goes to the tray as this one is.
void FormatRestartSwitches(char *szOut, size_t cbOut, int bOn, int bInTray);
