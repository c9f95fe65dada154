// The texts of meeting a program run as administrator: the notice the tray
// balloon shows, the switches of the elevated restart, the name of the lock
// the restarted copy waits on, and the error box of a restart whose save
// failed. No window calls.
#pragma once
#include <stddef.h>

// Of a long title, the notice shows this many characters.
#define NOTICE_TITLE_CHARS 60

// Room for a restart token: "<process id>.<attempt>", digits and a dot.
#define RESTART_TOKEN_SIZE 32

// "Veltrac cannot scroll <title>: it runs as administrator. Click here to
// restart Veltrac as administrator.", the title cut to NOTICE_TITLE_CHARS;
// an untitled window is "the window in front". Always zero-terminated.
void FormatElevatedNotice(char *szOut, size_t cbOut, const char *szTitle);

// "<process id>.<attempt>".
void FormatRestartToken(char *szOut, size_t cbOut, unsigned long dwPid, unsigned nAttempt);

// The restarted copy starts while this one still runs, hence "-letmeopen2";
// it is switched ON and goes to the tray as this one is; "-restartof" and
// the token name the lock it waits on before it reads any file.
void FormatRestartSwitches(char *szOut, size_t cbOut, int bOn, int bInTray, const char *szToken);

// The token after "-restartof" (found as the other switches are: anywhere,
// in any letter case), after any blanks: its digits and dots. 0 when there
// is no such switch or no token (szToken is then empty), else 1.
int FindRestartToken(const char *cmd, char szToken[RESTART_TOKEN_SIZE]);

// "Local\Veltrac restart <token>": held by the copy that restarts until it
// ends, given back when it stays.
void FormatRestartLockName(char *szOut, size_t cbOut, const char *szToken);

// The error box of a restart whose save of szFile failed.
void FormatRestartSaveError(char *szOut, size_t cbOut, const char *szFile);
