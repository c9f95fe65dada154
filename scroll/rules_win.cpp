// Matching programs.txt against a window: its program (scroll/program_win.h),
// its class and title and those of its owner and of the window under the
// pointer, then the merged rule over the global options.
#include "scroll/rules_win.h"
#include "scroll/program_win.h"
#include "scroll/receiver.h"
#include "scroll/settings.h"

static const RULESET *pRules;
static unsigned nGeneration;        // counts changes of the rules
static OPTIONSNOW now;
static BOOL bNowSet;

// The last answer, for the same windows and rules.
static struct {
    HWND hRoot, hPointer;
    unsigned nGeneration;
    OPTIONSNOW options;
    BOOL bValid;
} last;

static OPTIONSNOW GlobalOptions(void)
{
    OPTIONSNOW o = {};
    o.nMessageType = Settings.nMessageType;
    o.nForcedWay = WAY_NONE;
    o.bReverse = Settings.bReverse;
    o.bGlide = Settings.bGlide;
    o.bKeepPointerStill = Settings.bKeepPointerStill;
    o.bUnderPointer = Settings.bUnderPointer;
    o.bHorizontal = 1;
    o.nSpeed = 100;
    return o;
}

void SetProgramRules(const RULESET *rules)
{
    pRules = rules;
    nGeneration++;
    last.bValid = FALSE;
}

const RULESET *ProgramRules(void)
{
    return pRules;
}

static void Title(HWND hwnd, char *sz, int cb)
{
    sz[0] = '\0';
    if (hwnd)
        GetWindowTextA(hwnd, sz, cb);
}

const OPTIONSNOW *OptionsFor(HWND hRoot, HWND hPointer)
{
    if (last.bValid && last.hRoot == hRoot && last.hPointer == hPointer &&
        last.nGeneration == nGeneration) {
        // The global options may have changed since; the rule has not.
        return &last.options;
    }
    OPTIONSNOW o = GlobalOptions();
    if (pRules && hRoot && !pRules->lines.empty()) {
        char szRootClass[64] = "", szPointerClass[64] = "", szTitle[256], szOwnerTitle[256];
        GetClassNameA(hRoot, szRootClass, sizeof szRootClass);
        if (hPointer)
            GetClassNameA(hPointer, szPointerClass, sizeof szPointerClass);
        Title(hRoot, szTitle, sizeof szTitle);
        HWND hOwner = GetAncestor(hRoot, GA_ROOTOWNER);
        Title(hOwner != hRoot ? hOwner : NULL, szOwnerTitle, sizeof szOwnerTitle);
        RULEWINDOW w = {ProgramOfWindow(hRoot), szRootClass, szPointerClass, szTitle, szOwnerTitle};
        PROGRAMRULE r = MatchRules(*pRules, w);
        if (r.nSet & RULE_OFF) o.bOff = r.bOff;
        if (r.nSet & RULE_SPEED) o.nSpeed = r.nSpeed;
        if (r.nSet & RULE_REVERSE) o.bReverse = r.bReverse;
        if (r.nSet & RULE_HORIZONTAL) o.bHorizontal = r.bHorizontal;
        if (r.nSet & RULE_TARGET) o.bUnderPointer = r.bPointer;
        if (r.nSet & RULE_GLIDE) o.bGlide = r.bGlide;
        if (r.nSet & RULE_STILL) o.bKeepPointerStill = r.bStill;
        if (r.nSet & RULE_DELIVERY) {
            static const int anType[] = {MESSAGE_AUTO, MESSAGE_AUTO, MESSAGE_WHEEL, MESSAGE_AUTO,
                                         MESSAGE_AUTO, MESSAGE_AUTO};
            static const int anWay[] = {WAY_NONE, WAY_LINES, WAY_NONE, WAY_NOTCHED, WAY_PRECISE,
                                        WAY_REAL};
            o.nMessageType = anType[r.nDelivery];
            o.nForcedWay = anWay[r.nDelivery];
        }
    }
    last.hRoot = hRoot;
    last.hPointer = hPointer;
    last.nGeneration = nGeneration;
    last.options = o;
    last.bValid = TRUE;
    return &last.options;
}

const OPTIONSNOW *UseOptionsOf(HWND hRoot, HWND hPointer)
{
    now = *OptionsFor(hRoot, hPointer);
    bNowSet = TRUE;
    return &now;
}

void UseGlobalOptions(void)
{
    bNowSet = FALSE;
    last.bValid = FALSE;
}

const OPTIONSNOW *OptionsNow(void)
{
    if (!bNowSet)
        now = GlobalOptions();
    return &now;
}

int SensitivityNow(void)
{
    int s = Settings.nSensitivity, nSpeed = OptionsNow()->nSpeed;
    if (nSpeed >= 100 || s <= 0)
        return s;
    long long v = ((long long)s * 100 + nSpeed / 2) / nSpeed;
    return v < 1 ? 1 : (int)v;
}

int AtSpeed(int n)
{
    int nSpeed = OptionsNow()->nSpeed;
    if (nSpeed == 100 || n <= 0)
        return n;
    long long v = ((long long)n * nSpeed + 50) / 100;
    return v < 1 ? 1 : v > 0x7FFFFFFF ? 0x7FFFFFFF : (int)v;
}

int DragTimesNow(int nTimes)
{
    return OptionsNow()->nSpeed > 100 ? AtSpeed(nTimes) : nTimes;
}

void StepsAtDragSpeed(TICKPLAN *drag)
{
    for (int i = 0; i < drag->nSegments; i++)
        drag->aSegments[i].nRepeat = DragTimesNow(drag->aSegments[i].nRepeat);
}
