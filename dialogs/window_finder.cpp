// The window finder's verdict text and its two small decisions.
#include "dialogs/window_finder.h"
#include "res/resource.h"
#include "scroll/program_rules.h"
#include "scroll/receiver.h"

const char *NeverScrolledKind(const char *szClass)
{
    static const struct { const char *pattern, *kind; } aKinds[] = {
        {"ComboBox*", "combo box"},     {"msctls_updown32", "spin box"},
        {"*updown*", "spin box"},       {"msctls_trackbar32", "slider"},
        {"*trackbar*", "slider"},       {"NetUIHWND", "ribbon"},
        {"PseudoConsoleWindow", "console"},
    };
    for (const auto &k : aKinds)
        if (ClassMatches(k.pattern, szClass ? szClass : ""))
            return k.kind;
    return "control that changes its value";
}

int ProgramNeedsClass(const char *szProgram)
{
    static const char *const aszHosts[] = {
        "javaw", "java", "ApplicationFrameHost", "electron", "python", "pythonw", "rundll32",
        "dllhost", "mmc", "wscript", "cscript", "mshta",
    };
    for (const char *host : aszHosts)
        if (ProgramMatches(host, szProgram ? szProgram : ""))
            return 1;
    return 0;
}

static const char *WayText(int nWay)
{
    switch (nWay) {
    case WAY_LINES: return "line messages";
    case WAY_NOTCHED: return "wheel messages by the notch";
    case WAY_PRECISE: return "smooth wheel messages";
    case WAY_REAL: return "real wheel input";
    default: return "nothing";
    }
}

static std::string HowScrolled(const FINDERFACTS &f)
{
    switch (f.nMessageType) {
    case MESSAGE_SEND: return "SendMessage, line messages";
    case MESSAGE_POST: return "PostMessage, line messages";
    case MESSAGE_WHEEL: return "Mouse wheel, wheel messages";
    default: break;
    }
    // A rule's delivery chooses one way for every window of the program,
    // except those the table never scrolls.
    int nWay = f.nForcedWay != WAY_NONE ? f.nForcedWay : f.nTableWay;
    return std::string("Automatic, ") + WayText(nWay);
}

std::string FinderVerdict(const FINDERFACTS &f)
{
    if (!f.bWindow)
        return "";
    std::string s;
    if (f.bOwn)
        s = "left alone: one of Veltrac's own windows";
    else if (f.bShell)
        s = "never scrolled: part of the Windows shell";
    else if (f.nTitles == TITLES_EXCLUDED)
        s = "left alone: excluded by the title list";
    else if (f.nTitles == TITLES_NOT_INCLUDED)
        s = "left alone: not in the include list";
    else if (f.bRuleOff)
        s = "left alone: hands off by programs.txt";
    else if (f.bFullScreenPaused)
        s = "left alone: full-screen program";
    else if (f.bAboveUs)
        s = "left alone: runs as administrator";
    else if (f.nMessageType == MESSAGE_AUTO && f.nTableWay == WAY_NEVER)
        s = std::string("never scrolled: ") + NeverScrolledKind(f.szReceiverClass);
    else {
        s = "scrolled: " + HowScrolled(f);
        if (f.nSpeed != 100)
            s += ", speed " + std::to_string(f.nSpeed) + "%";
        if (f.bReverse)
            s += ", reversed";
    }
    if (!f.bScrolling && !f.bOwn)
        s += " (once switched ON)";
    return s;
}
