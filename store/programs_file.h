// programs.txt, beside settings.dat in the current folder: read just after
// start-up (at ON if that comes first), at Load Settings, after the dialog saves it, and when another program
// changed it (its last-write time, looked at no more than once a second,
// never inside a hook); written through a temporary file and a rename.
#pragma once
#include <windows.h>
#include <string>
#include "scroll/program_rules.h"

#define PROGRAMS_FILE L"programs.txt"

// Reads the file (a missing one is empty) and puts its rules in force.
void LoadProgramRules(void);
// Writes the rules, every unreadable line as it stands, and reads the file
// back. FALSE when it could not be written (the file is then unchanged).
BOOL SaveProgramRules(const RULESET &rules);
// Reads the file again when its last-write time changed since it was read.
// TRUE when it did.
BOOL CheckProgramRulesFile(void);
// The same without the once-a-second limit (the dialog, back in front).
BOOL CheckProgramRulesFileNow(void);

// The rules in force, as last read.
const RULESET &CurrentProgramRules(void);
