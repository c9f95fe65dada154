// The recorded inputs by name, and the mark that tells when everything
// given back before it has come.
#include "e2e_support_recorder.h"

static std::string KeyName(WPARAM vk)
{
    switch (vk) {
    case VK_CONTROL: return "Ctl";
    case VK_SHIFT: return "Shift";
    case VK_MENU: return "Alt";
    default: return std::string(1, (char)vk);
    }
}

std::string InputNames(const std::vector<INPUTRECORD> &in)
{
    std::string s;
    for (const INPUTRECORD &r : in) {
        switch (r.msg) {
        case WM_KEYDOWN: s += "kd"; break;
        case WM_KEYUP: s += "ku"; break;
        case WM_SYSKEYDOWN: s += "sd"; break;
        case WM_SYSKEYUP: s += "su"; break;
        case WM_CHAR: s += "ch"; break;
        case WM_SYSCHAR: s += "sc"; break;
        case WM_LBUTTONDOWN: s += "ld"; break;
        case WM_LBUTTONUP: s += "lu"; break;
        case WM_MBUTTONDOWN: s += "md"; break;
        case WM_MBUTTONUP: s += "mu"; break;
        case WM_XBUTTONDOWN: s += "xd"; break;
        case WM_XBUTTONUP: s += "xu"; break;
        default: s += "?"; break;
        }
        bool bKey = r.msg == WM_KEYDOWN || r.msg == WM_KEYUP || r.msg == WM_SYSKEYDOWN ||
                    r.msg == WM_SYSKEYUP;
        if (bKey)
            s += KeyName(r.wParam);
        if (r.msg == WM_CHAR || r.msg == WM_SYSCHAR)
            s += std::to_string((int)r.wParam);
        if (r.bControl && !bKey)
            s += "^";
        if (r.hwnd == RecorderWindows().hExcluded) {
            s += "@excluded";
        } else if (r.hwnd != RecorderWindows().hPlain) {
            char cls[64] = "";
            GetClassNameA(r.hwnd, cls, sizeof cls);
            s += std::string("@") + cls;
        }
        s += " ";
    }
    return s;
}

// The program gives back what it kept from a message it posts itself, later
// than the input that caused it, but always in order: once the mark has come
// through, so has everything before it. The mark is a chord of the hold key,
// so it goes the same way as what it follows, and unlike a plain tap it
// cannot be taken for a tap that is still on its way.
//
// Its character may come as a plain 'q' (markLate). Whenever one of its
// windows gets the X focus or the X pointer enters one, Wine sets its key
// state to what the X keyboard has down, and nothing is down there: the keys
// are injected. That news can come late, between the mark's Control and its
// Q. The key messages still say that Control came first.
bool InputRecordsUpToMark(std::vector<INPUTRECORD> *pOut)
{
    static const std::string mark = "kdCtl kdQ ch17^ kuQ kuCtl ";
    static const std::string markLate = "kdCtl kdQ ch113 kuQ kuCtl ";
    // Control is let go only once the letter's character has come, as a
    // user's fingers would: Wine reads the key state for a character from the
    // keyboard as it is when the character is made, not as it was at the key.
    pOut->clear();
    KeyDown(VK_CONTROL);
    KeyDown('Q');
    WaitFor([&] {
        std::vector<INPUTRECORD> more = TakeInputs();
        pOut->insert(pOut->end(), more.begin(), more.end());
        if (pOut->empty() || pOut->back().msg != WM_CHAR)
            return false;
        WPARAM ch = pOut->back().wParam;
        return ch == 17 || ch == 'q' || ch == 'Q';
    });
    KeyUp('Q');
    KeyUp(VK_CONTROL);
    bool done = WaitFor([&] {
        std::vector<INPUTRECORD> more = TakeInputs();
        pOut->insert(pOut->end(), more.begin(), more.end());
        size_t n = pOut->size() < 5 ? 0 : pOut->size() - 5;
        std::string tail = InputNames(std::vector<INPUTRECORD>(pOut->begin() + n, pOut->end()));
        return tail == mark || tail == markLate;
    });
    if (done)
        pOut->resize(pOut->size() - 5);
    return done;
}

std::string InputsUpToMark(void)
{
    std::vector<INPUTRECORD> in;
    bool done = InputRecordsUpToMark(&in);
    return (done ? "" : "(no mark) ") + InputNames(in);
}
