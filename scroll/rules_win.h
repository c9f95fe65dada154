// The options in force where the program scrolls: the global ones of the
// Settings record, as the rules of programs.txt change them for the window
// chosen. The rules are matched when a target is chosen (a trigger's
// press, a drag's start, the pointer crossing into another window), never
// per move; the engine and delivery read the options from here.
#pragma once
#include <windows.h>
#include "scroll/program_rules.h"
#include "scroll/tick_plan.h"

struct OPTIONSNOW {
    int bOff;               // hands off: nothing scrolled, nothing kept
    int nMessageType;       // MESSAGE_*
    int nForcedWay;         // in Automatic, WAY_* for every receiver; WAY_NONE the table's
    int bReverse, bGlide, bKeepPointerStill, bUnderPointer;
    int bHorizontal;        // sideways scrolling at all
    int nSpeed;             // percent of the amount: 100 as set
};

// The rules in force (read by store/programs_file_win.cpp); NULL: none.
void SetProgramRules(const RULESET *rules);
const RULESET *ProgramRules(void);

// The options for a top-level window (hPointer: the window under the
// pointer, whose class a rule may name; NULL none): matched now, or kept
// from the last time for the same windows and rules.
const OPTIONSNOW *OptionsFor(HWND hRoot, HWND hPointer);
// Makes those the options in force, and returns them.
const OPTIONSNOW *UseOptionsOf(HWND hRoot, HWND hPointer);
// The options in force: of the window chosen last; the global ones before
// any was chosen or when no rule applies.
const OPTIONSNOW *OptionsNow(void);
// The global options alone (the rules changed, or OFF).
void UseGlobalOptions(void);

// The drag's pixels per line at the speed in force: the sensitivity, more
// at a lower speed; 0 and negative values stay as they are. A higher speed
// does not take fewer pixels: a move gives at most one step however far it
// goes, so it would add nothing. It gives more lines per step instead.
int SensitivityNow(void);
// The lines of drag or glide steps (nTimes as planned) at the speed in
// force: more at a higher speed, as planned at a lower one; and a drag's
// planned steps made so.
int DragTimesNow(int nTimes);
void StepsAtDragSpeed(TICKPLAN *drag);

// An amount (lines, steps) at the speed in force: speed% of it, rounded,
// and at least 1 where it was at least 1.
int AtSpeed(int n);
