// A session is started in the order its parts need: the settings before the
// program, the target before the program (which then comes up in front of
// it), and the classic target put back in front afterwards.
#include "e2e_support_session.h"
#include "scroll/settings.h"

void WheelType(void)
{
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.bMiddleButton = 1;
    Settings.bEdgeRepeat = 0;
}

void WheelNoEdges(void)
{
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.bEdgeScroll = 0;
    Settings.bEdgeRepeat = 0;
}

SESSION::SESSION(const std::function<void()> &edit, bool bClassic)
    : app(), rec(), target(NULL), anSeen(), anSeenWheels(), nSeenOther(0)
{
    EnterScratchDir("e2e_session");
    bool bReady = WriteSettingsDat([&] {
        Settings.bSaveOnExit = 0;
        edit();
    });
    if (bClassic)
        bReady = bReady && (target = StartThreadTarget("Session Target", "ThrdEdit", 1)) != NULL;
    else
        bReady = bReady && StartRecorder(&rec);
    app = StartVeltrac("-start");
    bReady = bReady && app.hwnd && WaitTitle(app.hwnd, TITLE_ON);
    // The program's window came up in front: the target goes back there.
    if (bReady)
        bReady = bClassic ? MakeForeground(ThreadTargetWindow(target))
                          : RecorderForeground(rec.hPlain);
    if (!bReady)
        app.hwnd = NULL;
    if (bReady)
        Scrolled(*this);
    if (bReady && !bClassic)
        TakeInputs();
}

SESSION::~SESSION()
{
    EndVeltrac(&app);
    CloseChild(&app);
    if (target)
        StopThreadTarget(target);
    else
        StopRecorder();
    LeaveScratchDir();
}

std::string Scrolled(SESSION &s)
{
    if (s.target) {
        LONG an[DIR_COUNT], anWheels[DIR_COUNT];
        ThreadTargetDrain(s.target, WAIT_MS);
        const WINDOWCOUNTS &w = ThreadTargetCounts(s.target);
        LONG nOther = w.nScrolls;
        for (int d = 0; d < DIR_COUNT; d++) {
            an[d] = w.anScrolls[d] - s.anSeen[d];
            anWheels[d] = w.anWheels[d] - s.anSeenWheels[d];
            s.anSeen[d] = w.anScrolls[d];
            s.anSeenWheels[d] = w.anWheels[d];
            nOther -= w.anScrolls[d];
        }
        std::string text = DirectionText(an), wheels = DirectionText(anWheels);
        if (!wheels.empty())
            text += "w" + wheels;
        if (nOther != s.nSeenOther)
            text += "?" + std::to_string(nOther - s.nSeenOther);   // codes other than a line
        s.nSeenOther = nOther;
        return text;
    }
    LONG anPlain[DIR_COUNT] = {}, anControl[DIR_COUNT] = {};
    for (const WHEELRECORD &w : TakeWheels()) {
        bool bForward = w.turn > 0;
        int d = w.msg == WM_MOUSEHWHEEL ? (bForward ? DIR_RIGHT : DIR_LEFT)
                                        : (bForward ? DIR_UP : DIR_DOWN);
        (w.bControl ? anControl : anPlain)[d]++;
    }
    std::string control = DirectionText(anControl);
    return DirectionText(anPlain) + (control.empty() ? "" : "^" + control);
}
