// The trigger state machine as a table of sequences. Each sequence is a
// string of steps: "C+" / "C-" the hold key (Control) down / up, "c+" an
// auto-repeat seen when programs already had it down, "X+" / "X-" another
// key, "M+" / "M-" the middle button, "L+" / "L-" the left button, "W" a
// wheel turn, "d" a drag tick delivered, "F" forget (OFF, exit, hook
// installed again), "k" / "K" triggers no longer / again kept back (message
// type changed), "g" the injector gives back one queued event. The answers
// are one letter per event: p pass, s swallow.
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
    TRIGGERCONFIG c = {1, nHoldVk, bMiddle, 0};
    RUN r;
    for (const char *p = steps; *p;) {
        char ch = *p++;
        if (ch == ' ')
            continue;
        if (ch == 'd') { c.nDrags++; continue; }
        if (ch == 'F') { TriggerForget(&t); continue; }
        if (ch == 'k') { c.bKeep = 0; continue; }
        if (ch == 'K') { c.bKeep = 1; continue; }
        if (ch == 'g') {
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

TEST_CASE("the hold key: taps, drags and chords")
{
    const ROW rows[] = {
        {"a tap is given back whole", "C+ C- g g", "ss", "C+C-", ""},
        {"auto-repeat stays hidden", "C+ C+ C+ C- gg", "ssss", "C+C-", ""},
        {"a drag keeps the key from programs, release too", "C+ d C+ d C-", "sss", "", ""},
        {"Control+X: the key, then X, then everything passes", "C+ X+ gg X- C-", "sspp", "C+X+", ""},
        {"a chord after a drag still gives the key back", "C+ d X+ gg X- C-", "sspp", "C+X+", ""},
        {"Control+click", "C+ L+ gg L- C-", "sspp", "C+L+", ""},
        {"Control+wheel zooms as programs expect", "C+ W gg W C-", "sspp", "C+W", ""},
        {"a release of a key pressed before passes", "X+ C+ X- C- gg", "psps", "C+C-", ""},
        {"the key down before scrolling went ON is never kept", "c+ d C-", "pp", "", ""},
    };
    for (const ROW &r : rows) {
        CAPTURE(r.name);
        RUN run = Run(r.steps);
        CHECK(run.answers == r.answers);
        CHECK(run.givenBack == r.givenBack);
        CHECK(run.pending == r.pending);
    }
}

TEST_CASE("the middle button: clicks and drags")
{
    const ROW rows[] = {
        {"a click is given back", "M+ M- gg", "ss", "M+M-", ""},
        {"a drag keeps both halves", "M+ d M-", "ss", "", ""},
        {"other buttons pass while it is down", "M+ L+ L- d M-", "spps", "", ""},
        {"with the hold key down it scrolls, no chord", "C+ M+ d M- C-", "ssss", "", ""},
    };
    for (const ROW &r : rows) {
        CAPTURE(r.name);
        RUN run = Run(r.steps);
        CHECK(run.answers == r.answers);
        CHECK(run.givenBack == r.givenBack);
        CHECK(run.pending == r.pending);
    }
    // When the middle button does not scroll, it is an ordinary button: a
    // chord with the hold key, and its own click passes.
    RUN run = Run("M+ M- C+ M+ gg M- C-", 17, 0);
    CHECK(run.answers == "ppsspp");
    CHECK(run.givenBack == "C+M+");
    // Holding a key that does not scroll: Control passes like any key.
    run = Run("C+ d C-", 0, 1);
    CHECK(run.answers == "pp");
}

TEST_CASE("nothing overtakes a give-back, and nothing is left pressed")
{
    const ROW rows[] = {
        {"events behind a pending chord queue up in order", "C+ X+ X- C- g g g g", "ssss",
         "C+X+X-C-", ""},
        {"a tap not yet given back holds the next press", "C+ C- L+ L- gggg", "ssss", "C+C-L+L-", ""},
        {"given back one at a time, the rest still waits", "C+ C- g X+ g g X-", "sssp", "C+C-X+", ""},
        {"OFF with the key kept: nothing given back, release passes", "C+ d F C-", "sp", "", ""},
        {"OFF with the button kept", "M+ F M-", "sp", "", ""},
        {"type changed while kept: forgotten", "C+ k C- K C+ C- gg", "spss", "C+C-", ""},
        {"type changed while the button is kept", "M+ k M- L+", "spp", "", ""},
        {"forgetting keeps what is queued", "C+ X+ F X- gg", "sss", "C+X+", "X-"},
        {"in the classic types nothing is kept", "k C+ X+ M+ M- C-", "ppppp", "", ""},
    };
    for (const ROW &r : rows) {
        CAPTURE(r.name);
        RUN run = Run(r.steps);
        CHECK(run.answers == r.answers);
        CHECK(run.givenBack == r.givenBack);
        CHECK(run.pending == r.pending);
    }
}

TEST_CASE("a full give-back queue lets events through rather than lose them")
{
    TRIGGER t;
    TriggerInit(&t);
    TRIGGERCONFIG c = {1, 17, 1, 0};
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
