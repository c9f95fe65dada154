// The trigger state machine as a table of sequences. Each sequence is a
// string of steps: "C+" / "C-" the hold key (Control) down / up, "c+" a press
// programs already had down, "X+" / "X-" another key, "M+" / "M-" the middle
// button, "L+" / "L-" the left button, "W" a wheel turn, "d" a drag tick
// delivered, "F" forget (OFF, exit, hook installed again), "k" / "K" the
// "Mouse wheel" type left / taken again, "o" scrolling switched OFF, "l"
// taps lock scrolling, "g" the injector gives back one queued event. The
// answers are one letter per event, p pass or s swallow, followed by T when
// the event ended a tap or click and D when it ended a drag.
#include <doctest.h>
#include "input/trigger.h"
#include <string>

static TRIGGEREVENT Event(char name, char sign)
{
    TRIGGEREVENT e = {};
    bool down = sign == '+' || name == 'W';
    switch (name) {
    case 'C': case 'c': e.nKind = TRIG_KEY; e.nCode = 17; e.nRawVk = 0xA2; break;
    case 'X': e.nKind = TRIG_KEY; e.nCode = 'X'; e.nRawVk = 'X'; break;
    case 'M': e.nKind = TRIG_BUTTON; e.nCode = TRIG_MIDDLE; break;
    case 'L': e.nKind = TRIG_BUTTON; e.nCode = TRIG_LEFT; break;
    case 'W': e.nKind = TRIG_WHEEL; e.nWheelDelta = 120; break;
    }
    e.bDown = down ? 1 : 0;
    e.bWasDown = name == 'c';
    return e;
}

static std::string Name(const TRIGGEREVENT &e)
{
    std::string s;
    if (e.nKind == TRIG_WHEEL)
        return "W";
    if (e.nKind == TRIG_KEY)
        s = e.nCode == 17 ? "C" : "X";
    else
        s = e.nCode == TRIG_MIDDLE ? "M" : "L";
    return s + (e.bDown ? "+" : "-");
}

struct RUN {
    std::string answers;
    std::string givenBack;     // everything the injector gave back, in order
    std::string pending;       // what is still queued at the end
};

static RUN Run(const char *steps, int nHoldVk = 17, int bMiddle = 1)
{
    TRIGGER t;
    TriggerInit(&t);
    TRIGGERCONFIG c = {1, 1, nHoldVk, bMiddle, 0, 0};
    RUN r;
    for (const char *p = steps; *p;) {
        char ch = *p++;
        switch (ch) {
        case ' ': continue;
        case 'd': c.nDrags++; continue;
        case 'F': TriggerForget(&t); continue;
        case 'k': c.bKeep = 0; continue;
        case 'K': c.bKeep = 1; continue;
        case 'o': c.bWatch = c.bKeep = 0; continue;
        case 'l': c.bLockTaps = 1; continue;
        case 'g':
            if (const TRIGGEREVENT *e = TriggerNextGiveBack(&t)) {
                r.givenBack += Name(*e);
                TriggerGiveBackDone(&t);
            }
            continue;
        }
        char sign = ch == 'W' ? 0 : *p++;
        TRIGGEREVENT e = Event(ch, sign);
        TRIGGERANSWER a = TriggerOnEvent(&t, &e, &c);
        r.answers += a.bSwallow ? 's' : 'p';
        if (a.nReleased == RELEASED_TAP)
            r.answers += 'T';
        if (a.nReleased == RELEASED_DRAG)
            r.answers += 'D';
        if (a.bGiveBack)
            CHECK(TriggerNextGiveBack(&t) != NULL);
    }
    for (int i = 0; i < t.nPending; i++)
        r.pending += Name(t.aPending[i]);
    return r;
}

struct ROW {
    const char *name;
    const char *steps;
    const char *answers;
    const char *givenBack;
    const char *pending;
};

static void CheckRows(const ROW *rows, int n, int nHoldVk = 17, int bMiddle = 1)
{
    for (int i = 0; i < n; i++) {
        const ROW &r = rows[i];
        CAPTURE(r.name);
        RUN run = Run(r.steps, nHoldVk, bMiddle);
        CHECK(run.answers == r.answers);
        CHECK(run.givenBack == r.givenBack);
        CHECK(run.pending == r.pending);
    }
}
#define CHECK_ROWS(rows, ...) CheckRows(rows, (int)(sizeof rows / sizeof rows[0]), ##__VA_ARGS__)

TEST_CASE("the hold key in the wheel type: taps, drags and chords")
{
    const ROW rows[] = {
        {"a tap is given back whole", "C+ C- g g", "ssT", "C+C-", ""},
        {"auto-repeat stays hidden", "C+ C+ C+ C- gg", "ssssT", "C+C-", ""},
        {"a drag keeps the key from programs, release too", "C+ d C+ d C-", "sssD", "", ""},
        {"Control+X: the key, then X, then everything passes", "C+ X+ gg X- C-", "sspp", "C+X+", ""},
        {"a chord after a drag still gives the key back", "C+ d X+ gg X- C-", "ssppD", "C+X+", ""},
        {"Control+click", "C+ L+ gg L- C-", "sspp", "C+L+", ""},
        {"Control+wheel zooms as programs expect", "C+ W gg W C-", "sspp", "C+W", ""},
        {"a release of a key pressed before passes", "X+ C+ X- C- gg", "pspsT", "C+C-", ""},
        {"the key down before scrolling went ON is never kept", "c+ d C-", "ppD", "", ""},
    };
    CHECK_ROWS(rows);
}

TEST_CASE("the middle button in the wheel type: clicks and drags")
{
    const ROW rows[] = {
        {"a click is given back", "M+ M- gg", "ssT", "M+M-", ""},
        {"a drag keeps both halves", "M+ d M-", "ssD", "", ""},
        {"other buttons pass while it is down", "M+ L+ L- d M-", "sppsD", "", ""},
        {"a press meanwhile spoils the click, still given back", "M+ L+ L- M- gg", "spps", "M+M-", ""},
        {"with the hold key down it scrolls, no chord", "C+ M+ d M- C-", "sssDsD", "", ""},
        {"both clicked: no tap, both given back", "C+ M+ M- C- gggg", "sssTs", "M+M-C+C-", ""},
    };
    CHECK_ROWS(rows);
    // When the middle button does not scroll, it is an ordinary button: a
    // chord with the hold key, and its own click passes.
    const ROW plain[] = {
        {"an ordinary middle button", "M+ M- C+ M+ gg M- C-", "ppsspp", "C+M+", ""},
    };
    CHECK_ROWS(plain, 17, 0);
    // Holding a key that does not scroll: Control passes like any key.
    const ROW nokey[] = {{"no hold key", "C+ d C-", "pp", "", ""}};
    CHECK_ROWS(nokey, 0, 1);
}

TEST_CASE("taps that lock scrolling, in every type")
{
    const ROW rows[] = {
        {"classic: a tap passes, and is a tap", "k C+ C-", "ppT", "", ""},
        {"classic: a drag", "k C+ d C-", "ppD", "", ""},
        {"classic: a chord is no tap", "k C+ X+ X- C-", "pppp", "", ""},
        {"classic: a middle click", "k M+ M-", "ppT", "", ""},
        {"wheel: a locking tap is not given back", "l C+ C- gg", "ssT", "", ""},
        {"wheel: a locking click neither", "l M+ M- gg", "ssT", "", ""},
        {"wheel: chords still are", "l C+ X+ gg X- C-", "sspp", "C+X+", ""},
        {"OFF: no taps at all", "o C+ C- M+ M-", "pppp", "", ""},
        {"switched OFF mid-press: the release passes, no tap", "C+ o C-", "sp", "", ""},
    };
    CHECK_ROWS(rows);
}

TEST_CASE("nothing overtakes a give-back, and nothing is left pressed")
{
    const ROW rows[] = {
        {"events behind a pending chord queue up in order", "C+ X+ X- C- g g g g", "ssss",
         "C+X+X-C-", ""},
        {"a tap not yet given back holds the next press", "C+ C- L+ L- gggg", "ssTss", "C+C-L+L-", ""},
        {"given back one at a time, the rest still waits", "C+ C- g X+ g g X-", "ssTsp", "C+C-X+", ""},
        {"OFF with the key kept: nothing given back, release passes", "C+ d F C-", "sp", "", ""},
        {"OFF with the button kept", "M+ F M-", "sp", "", ""},
        {"type changed while kept: forgotten", "C+ k C- K C+ C- gg", "spssT", "C+C-", ""},
        {"type changed while the button is kept", "M+ k M- L+", "spp", "", ""},
        {"forgetting keeps what is queued", "C+ X+ F X- gg", "sss", "C+X+", "X-"},
        {"in the classic types nothing is kept", "k C+ X+ M+ M- C-", "ppppTp", "", ""},
    };
    CHECK_ROWS(rows);
}

TEST_CASE("a full give-back queue lets events through rather than lose them")
{
    TRIGGER t;
    TriggerInit(&t);
    TRIGGERCONFIG c = {1, 1, 17, 1, 0, 0};
    TRIGGEREVENT down = Event('C', '+'), x = Event('X', '+');
    TriggerOnEvent(&t, &down, &c);
    TriggerOnEvent(&t, &x, &c);           // a chord: two queued
    int passed = 0;
    for (int i = 0; i < TRIGGER_QUEUE_SIZE + 10; i++) {
        TRIGGEREVENT e = Event('L', i % 2 ? '-' : '+');
        passed += !TriggerOnEvent(&t, &e, &c).bSwallow;
    }
    CHECK(t.nPending == TRIGGER_QUEUE_SIZE);
    CHECK(passed == 12);
}
