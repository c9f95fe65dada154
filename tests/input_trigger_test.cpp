// The trigger state machine as a table of sequences. Each sequence is a
// string of steps: "C+" / "C-" the hold key (left Control) down / up, "R+" /
// "R-" right Control, "c+" / "c-" left Control and "S+" / "S-" right Control
// while the key state says programs have it down (GetAsyncKeyState), "X+" / "X-" another key, "M+" / "M-" the middle
// button, "L+" / "L-" the left button, "B+" / "B-" the Back button, "W" a
// wheel turn, "m" the pointer moved well away, "n" moved a pixel, "d" a drag
// tick delivered, "F" forget at OFF (the mouse hook stays, the keyboard hook
// goes), "f" forget with both hooks staying (a hook repaired), "r" a release
// of Control that the hook missed, "k" / "K" the classic types taken / the
// "Mouse wheel" type again, "o" scrolling switched OFF, "l" taps lock
// scrolling, "a" nothing is scrolled where the next presses happen (again: it
// is), "g" the injector gives back one queued event, "?" whether the hold key
// drags now (K or -). The answers are one letter per event, p pass or s
// swallow, followed by T when the event ended a tap or click, D when it ended
// a drag, and G when it ended a drag let go cleanly (which may glide).
#include <doctest.h>
#include "input/trigger.h"
#include <string>

static int bNothingScrolls;
static int NothingScrolls(void)
{
    return bNothingScrolls;
}

static TRIGGEREVENT Event(char name, char sign, int x)
{
    TRIGGEREVENT e = {};
    bool down = sign == '+' || name == 'W';
    switch (name) {
    case 'C': case 'c': e.nKind = TRIG_KEY; e.nCode = 17; e.nRawVk = 0xA2; break;
    case 'R': case 'S': e.nKind = TRIG_KEY; e.nCode = 17; e.nRawVk = 0xA3; break;
    case 'X': e.nKind = TRIG_KEY; e.nCode = 'X'; e.nRawVk = 'X'; break;
    case 'M': e.nKind = TRIG_BUTTON; e.nCode = TRIG_MIDDLE; break;
    case 'L': e.nKind = TRIG_BUTTON; e.nCode = TRIG_LEFT; break;
    case 'B': e.nKind = TRIG_BUTTON; e.nCode = TRIG_X1; break;
    case 'W': e.nKind = TRIG_WHEEL; e.nWheelDelta = 120; break;
    }
    e.bDown = down ? 1 : 0;
    e.bWasDown = name == 'c' || name == 'S';
    e.nX = x;
    return e;
}

static std::string Name(const TRIGGEREVENT &e)
{
    if (e.nKind == TRIG_WHEEL)
        return e.nWheelDelta ? "W" : "";   // a turn of 0 only fills the queue
    std::string s;
    if (e.nKind == TRIG_KEY)
        s = e.nRawVk == 0xA2 ? "C" : e.nRawVk == 0xA3 ? "R" : "X";
    else
        s = e.nCode == TRIG_MIDDLE ? "M" : e.nCode == TRIG_X1 ? "B" : "L";
    return s + (e.bDown ? "+" : "-");
}

struct RUN {
    std::string answers;
    std::string givenBack;     // everything the injector gave back, in order
    std::string pending;       // what is still queued at the end
};

// nButton: the drag button; nFill: turns of 0 already waiting in the queue.
static RUN Run(const char *steps, int nHoldVk = 17, int nButton = TRIG_MIDDLE, int nFill = 0)
{
    TRIGGER t;
    TriggerInit(&t, 4, 4);
    TRIGGERCONFIG c = {1, 1, 1, nHoldVk, nButton, 0, 0, NothingScrolls};
    bNothingScrolls = 0;
    int x = 0;
    TRIGGEREVENT fill = Event('W', 0, 0);
    fill.nWheelDelta = 0;
    for (int i = 0; i < nFill; i++)
        t.give.aPending[t.give.nPending++] = fill;
    RUN r;
    for (const char *p = steps; *p;) {
        char ch = *p++;
        switch (ch) {
        case ' ': continue;
        case 'd': c.nDrags++; continue;
        case 'F': TriggerForget(&t, FORGET_KEEP_BUTTONS); continue;
        case 'f': TriggerForget(&t, FORGET_KEEP_KEYS | FORGET_KEEP_BUTTONS); continue;
        case 'r': TriggerMissedRelease(&t, 17); continue;
        case 'k': c.bKeepKey = 0; c.bKeepButton = nButton != TRIG_MIDDLE; continue;
        case 'K': c.bKeepKey = c.bKeepButton = 1; continue;
        case 'o': c.bWatch = c.bKeepKey = c.bKeepButton = 0; continue;
        case 'l': c.bLockTaps = 1; continue;
        case 'a': bNothingScrolls = !bNothingScrolls; continue;
        case 'm': TriggerOnMove(&t, x += 50, 0); continue;
        case 'n': TriggerOnMove(&t, x += 1, 0); continue;
        case '?': r.answers += TriggerKeyDrags(&t, &c) ? 'K' : '-'; continue;
        case 'g':
            if (const TRIGGEREVENT *e = GiveBackNext(&t.give)) {
                r.givenBack += Name(*e);
                GiveBackTaken(&t.give);
            }
            continue;
        }
        char sign = ch == 'W' ? 0 : *p++;
        TRIGGEREVENT e = Event(ch, sign, x);
        TRIGGERANSWER a = TriggerOnEvent(&t, &e, &c);
        r.answers += a.bSwallow ? 's' : 'p';
        if (a.nReleased == RELEASED_TAP)
            r.answers += 'T';
        if (a.nReleased == RELEASED_DRAG)
            r.answers += a.bClean ? 'G' : 'D';
        if (a.bGiveBack)
            CHECK(GiveBackNext(&t.give) != NULL);
    }
    for (int i = 0; i < t.give.nPending; i++)
        r.pending += Name(t.give.aPending[i]);
    return r;
}

struct ROW {
    const char *name;
    const char *steps;
    const char *answers;
    const char *givenBack;
    const char *pending;
};

static void CheckRows(const ROW *rows, int n, int nHoldVk = 17, int nButton = TRIG_MIDDLE,
                      int nFill = 0)
{
    for (int i = 0; i < n; i++) {
        const ROW &r = rows[i];
        std::string name = r.name;
        CAPTURE(name);
        RUN run = Run(r.steps, nHoldVk, nButton, nFill);
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
        {"a drag keeps the key from programs, release too", "C+ d C+ d C-", "sssG", "", ""},
        {"Control+X: the key, then X, then everything passes", "C+ X+ gg X- C-", "sspp", "C+X+", ""},
        {"a chord after a drag still gives the key back", "C+ d X+ gg X- C-", "ssppD", "C+X+", ""},
        {"Control+click", "C+ L+ gg L- C-", "sspp", "C+L+", ""},
        {"Control+wheel zooms as programs expect", "C+ W gg W C-", "sspp", "C+W", ""},
        {"a release of a key pressed before passes", "X+ C+ X- C- gg", "pspsT", "C+C-", ""},
        {"the key down before scrolling went ON is never kept", "c+ d C-", "ppD", "", ""},
        {"a slow drag that scrolled nothing keeps both halves", "C+ nnnn m C- gg", "ss", "", ""},
        {"a pixel's wobble is still a tap", "C+ nn C- gg", "ssT", "C+C-", ""},
        {"after a chord the key drags no more, until pressed again", "C+ ? X+ ? gg X- C- ? C+ ?",
         "sKs-pp-sK", "C+X+", ""},
        {"its release passes when programs got the press after all", "C+ c-", "spT", "", ""},
        {"a release the hook missed: the next click is no chord", "C+ ? r ? L+ L- C+ ?",
         "sK-ppsK", "", ""},
        {"pressed in a classic type, it drags no more once the key is kept",
         "k C+ ? K ? C-", "pK-pT", "", ""},
    };
    CHECK_ROWS(rows);
}

TEST_CASE("left and right Control are two keys of one trigger")
{
    const ROW rows[] = {
        {"held while either side is down", "C+ R+ ? C- ? R- ?", "ssKsKs-", "", "C+C-R+R-"},
        {"one side tapped while the other is held: given back, no tap", "C+ R+ R- gg C- gg",
         "ssss", "R+R-C+C-", ""},
        {"no Control left down in programs",
         "C+ R+ R- gg R+ d C- R- g g", "sssssDsD", "R+R-", ""},
        {"a drag with the other side tapped keeps Control from programs", "C+ R+ R- gg ? d C-",
         "sssKsD", "R+R-", ""},
        {"a chord gives back the sides in the order they were pressed, not their places",
         "C+ R+ C- gg C+ X+ ggg X- C- R-", "sssssppp", "C+C-R+C+X+", ""},
        {"a chord during the other side's tap gives back both, in order",
         "l R+ C+ C- gg X+ ggg X- R-", "sssspp", "C+C-R+X+", ""},
        {"each release matches its own press", "C+ d R+ C- R-", "sssDs", "", "R+R-"},
        {"pressed again right after its own tap: the queue knows, not the lagging key state",
         "C+ R+ R- S+ ? gg d R- C-", "ssssKsDsD", "R+R-", ""},
    };
    CHECK_ROWS(rows);
}

TEST_CASE("the drag button in the wheel type: clicks and drags")
{
    const ROW rows[] = {
        {"a click is given back", "M+ M- gg", "ssT", "M+M-", ""},
        {"a drag keeps both halves", "M+ d M-", "ssG", "", ""},
        {"other buttons pass while it is down", "M+ L+ L- d M-", "sppsD", "", ""},
        {"a press meanwhile spoils the click, still given back", "M+ L+ L- M- gg", "spps", "M+M-", ""},
        {"with the hold key down it scrolls, no chord", "C+ M+ d M- C-", "sssGsD", "", ""},
        {"both clicked: no tap, both given back", "C+ M+ M- C- gggg", "sssTs", "M+M-C+C-", ""},
        {"a drag that scrolled nothing is no click", "M+ nnm M- gg", "ss", "", ""},
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
    CHECK_ROWS(nokey, 0, TRIG_MIDDLE);
    const ROW back[] = {
        {"Back: a click is given back", "B+ B- gg", "ssT", "B+B-", ""},
        {"Back: a drag keeps both halves", "B+ d B-", "ssG", "", ""},
        {"Back: the middle button is any button", "M+ M-", "pp", "", ""},
        {"Back: kept in the classic types too", "k B+ B- gg", "ssT", "B+B-", ""},
    };
    CHECK_ROWS(back, 17, TRIG_X1);
}

TEST_CASE("taps that lock scrolling, in every type")
{
    const ROW rows[] = {
        {"classic: a tap passes, and is a tap", "k C+ C-", "ppT", "", ""},
        {"classic: a drag", "k C+ d C-", "ppG", "", ""},
        {"classic: a chord is no tap", "k C+ X+ X- C-", "pppp", "", ""},
        {"classic: a middle click", "k M+ M-", "ppT", "", ""},
        {"classic: a slow drag is no tap", "k C+ m C-", "pp", "", ""},
        {"wheel: a locking tap is not given back", "l C+ C- gg", "ssT", "", ""},
        {"wheel: a locking click neither", "l M+ M- gg", "ssT", "", ""},
        {"wheel: chords still are", "l C+ X+ gg X- C-", "sspp", "C+X+", ""},
        {"OFF: no taps at all", "o C+ C- M+ M-", "pppp", "", ""},
        {"switched OFF mid-press: the release passes, no tap", "C+ o C-", "sp", "", ""},
        {"where nothing scrolls: untouched, no tap", "l a C+ C+ C- M+ M- a C+ C-", "pppppssT",
         "", ""},
        {"decided at the press", "a C+ a C- C+ a d C-", "ppssG", "", ""},
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
        {"OFF with the button kept: its release stays kept", "M+ F M-", "ss", "", ""},
        {"a hook repaired: both halves of the key stay kept", "C+ f C+ C- C+ C-", "sssssT", "", "C+C-"},
        {"type changed while kept: forgotten, kept to its end", "C+ k C- K C+ C- gg", "ssssT", "C+C-", ""},
        {"type changed while the button is kept: its release too", "M+ k M- L+", "ssp", "", ""},
        {"forgetting keeps what is queued", "C+ X+ F X- gg", "sss", "C+X+", "X-"},
        {"in the classic types nothing is kept", "k C+ X+ M+ M- C-", "ppppTp", "", ""},
        {"a press given back but not yet injected is down for programs",
         "l C+ X+ F C+ gg C- gg", "ssss", "C+X+C+C-", ""},
    };
    CHECK_ROWS(rows);
}

TEST_CASE("a full give-back queue gives back whole or not at all")
{
    // 63 waiting: one place left, too few for a tap or a chord.
    const ROW nearly[] = {
        {"a tap is lost whole", "C+ C- g", "ssT", "", ""},
        {"a chord keeps its key whole: X lost too, and its release", "C+ X+ X- C- g", "ssss", "", ""},
        {"a click is lost whole", "M+ M-", "ssT", "", ""},
        {"a wheel turn still fits", "W", "s", "", "W"},
        {"a new press does not fit with its release", "X+ X- L+", "sss", "", ""},
    };
    CHECK_ROWS(nearly, 17, TRIG_MIDDLE, GIVEBACK_QUEUE_SIZE - 1);
    // 62 waiting: a tap fits, and everything after it waits or is lost whole.
    const ROW two[] = {
        {"a tap fits whole", "C+ C- X+ X-", "ssTss", "", "C+C-"},
        {"a chord needs room for both releases: the key is lost", "C+ X+ X- C-", "ssss", "", "X+X-"},
    };
    CHECK_ROWS(two, 17, TRIG_MIDDLE, GIVEBACK_QUEUE_SIZE - 2);
    // Filling up: a repeat is dropped, a release always has its place.
    const ROW full[] = {{"a release is never lost", "X+ X+ X+ X-", "ssss", "", "X+X+X-"}};
    CHECK_ROWS(full, 17, TRIG_MIDDLE, GIVEBACK_QUEUE_SIZE - 3);
}

// What programs see, event by event, in a model: every event that passes or
// is given back. Each event carries its place in the real sequence in nScan.
struct PROGRAMS {
    int abDown[INPUT_ID_COUNT];
    int anLast[INPUT_ID_COUNT];
    bool bOk;
    const char *szWhy;
    std::string seen;
    void Fail(const char *why)
    {
        if (bOk)
            szWhy = why;
        bOk = false;
    }
    void Reset()
    {
        for (int i = 0; i < INPUT_ID_COUNT; i++)
            abDown[i] = 0, anLast[i] = -1;
        bOk = true;
        szWhy = "";
        seen.clear();
    }
    void See(const TRIGGEREVENT &e)
    {
        int id = InputId(&e);
        seen += Name(e) + std::to_string(e.nScan) + " ";
        // A release of a press programs never got (forgotten at OFF, say)
        // is harmless wherever it lands.
        if (id < 0 || (!e.bDown && !abDown[id]))
            return;
        if (e.nScan <= anLast[id])
            Fail("out of order");
        if (e.nKind == TRIG_BUTTON && e.bDown && abDown[id])
            Fail("a button pressed twice");
        anLast[id] = e.nScan;
        abDown[id] = e.bDown;
    }
};

TEST_CASE("random sequences: nothing left down in programs, nothing out of order")
{
    // Left and right Control, X, the left, middle and Back buttons.
    static const char acInputs[] = {'C', 'R', 'X', 'L', 'M', 'B'};
    unsigned seed = 20261207;
    auto rnd = [&seed](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    PROGRAMS programs;
    int nFailures = 0, nChords = 0, nTaps = 0, nDrags = 0;
    for (int nSequence = 0; nSequence < 300000 && nFailures < 5; nSequence++) {
        TRIGGER t;
        TriggerInit(&t, 4, 4);
        static const int anButtons[] = {TRIG_MIDDLE, TRIG_X1, 0};
        int nButton = anButtons[rnd(3)];
        TRIGGERCONFIG c = {1, 1, 1, rnd(4) ? 17 : 0, nButton, (int)rnd(2), 0, NothingScrolls};
        auto SetKeep = [&](int bWheel) {
            c.bKeepKey = c.bWatch && bWheel;
            c.bKeepButton = c.bKeepKey || (c.bWatch && nButton && nButton != TRIG_MIDDLE);
        };
        SetKeep(rnd(4) != 0);
        bNothingScrolls = 0;
        programs.Reset();
        TRIGGEREVENT fill = Event('W', 0, 0);
        fill.nWheelDelta = 0;
        for (unsigned i = 0, n = rnd(3) ? 0 : rnd(GIVEBACK_QUEUE_SIZE + 1); i < n; i++)
            t.give.aPending[t.give.nPending++] = fill;
        bool abPhysical[6] = {};
        unsigned anPressedAt[6] = {};
        int nIndex = 0, x = 0;
        bool bSimple = t.give.nPending < 8;   // no loss, no change of the program
        std::string log;
        auto Send = [&](TRIGGEREVENT e) {
            e.nScan = ++nIndex;
            bool bEmpty = t.give.nPending == 0;
            TRIGGERANSWER a = TriggerOnEvent(&t, &e, &c);
            if (!a.bSwallow) {
                if (!bEmpty && e.bDown)
                    programs.Fail("a press overtook a give-back");
                programs.See(e);
            }
            if (t.give.nPending + t.give.nDown > GIVEBACK_QUEUE_SIZE - 8)
                bSimple = false;
        };
        auto GiveBackOne = [&]() {
            if (const TRIGGEREVENT *e = GiveBackNext(&t.give)) {
                TRIGGEREVENT copy = *e;
                GiveBackTaken(&t.give);
                // A key or button pressed: every Control side held since
                // before it must be down for programs (a chord).
                bool bTrigger = copy.nKind == TRIG_KEY ? copy.nCode == 17
                                                       : copy.nCode == nButton;
                if (bSimple && copy.bDown && copy.nKind != TRIG_WHEEL && !bTrigger)
                    for (int k = 0; k < 2; k++)
                        if (abPhysical[k] && anPressedAt[k] < (unsigned)copy.nScan &&
                            !programs.abDown[k ? 0xA3 : 0xA2])
                            programs.Fail("a chord without its Control");
                programs.See(copy);
            }
        };
        int nSteps = 6 + (int)rnd(18);
        for (int step = 0; step < nSteps; step++) {
            unsigned r = rnd(100);
            if (r < 50) {
                int i = (int)rnd(6);
                char name = acInputs[i];
                bool bRepeat = abPhysical[i] && i < 3 && rnd(3) == 0;
                TRIGGEREVENT e = Event(name, abPhysical[i] && !bRepeat ? '-' : '+', x);
                if (!abPhysical[i])
                    anPressedAt[i] = (unsigned)nIndex + 1;
                abPhysical[i] = bRepeat || !abPhysical[i];
                log += name;
                log += e.bDown ? '+' : '-';
                Send(e);
            } else if (r < 55) {
                log += 'W';
                Send(Event('W', 0, x));
            } else if (r < 62) {
                TriggerOnMove(&t, x += rnd(2) ? 50 : 1, 0);
                log += 'm';
            } else if (r < 70) {
                // The engine delivers no step while a give-back waits, and
                // where triggers are kept a drag never carries Control.
                if (t.give.nPending == 0) {
                    if (bSimple && c.bKeepKey && TriggerKeyDrags(&t, &c) &&
                        (programs.abDown[0xA2] || programs.abDown[0xA3]))
                        programs.Fail("a drag step with Control down");
                    c.nDrags++;
                    log += 'd';
                }
            } else if (r < 88) {
                GiveBackOne();
                log += 'g';
            } else {
                bSimple = false;
                switch (rnd(5)) {
                case 0:                         // OFF gives back first, then forgets
                    while (GiveBackNext(&t.give))
                        GiveBackOne();
                    c.bWatch = !c.bWatch;
                    SetKeep(c.bKeepKey || !c.bWatch);
                    TriggerForget(&t, FORGET_KEEP_BUTTONS);
                    log += 'o';
                    break;
                case 1: SetKeep(!c.bKeepKey); log += 'k'; break;
                case 2: c.bLockTaps = !c.bLockTaps; log += 'l'; break;
                case 3: bNothingScrolls = !bNothingScrolls; log += 'a'; break;
                default: TriggerForget(&t, (int)rnd(4)); log += 'F'; break;
                }
            }
        }
        for (int i = 0; i < 6; i++)
            if (abPhysical[i]) {
                log += acInputs[i];
                log += '-';
                Send(Event(acInputs[i], '-', x));
            }
        while (GiveBackNext(&t.give))
            GiveBackOne();
        for (int id = 0; id < INPUT_ID_COUNT; id++)
            if (programs.abDown[id])
                programs.Fail("left down");
        // What the run went through, so that a generator gone astray shows.
        nChords += programs.seen.find("X+") != std::string::npos &&
                   (programs.seen.find("C+") != std::string::npos ||
                    programs.seen.find("R+") != std::string::npos);
        nTaps += log.find("C+C-") != std::string::npos;
        nDrags += log.find('d') != std::string::npos;
        if (!programs.bOk) {
            nFailures++;
            CAPTURE(nSequence);
            CAPTURE(log);
            std::string why = programs.szWhy;
            CAPTURE(why);
            CAPTURE(programs.seen);
            CAPTURE(c.bKeepKey);
            CAPTURE(c.nHoldVk);
            CAPTURE(nButton);
            CHECK(programs.bOk);
        }
    }
    CHECK(nFailures == 0);
    CHECK(nChords > 10000);
    CHECK(nTaps > 1000);
    CHECK(nDrags > 10000);
}
