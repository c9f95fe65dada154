// The script is read token by token and each token injected at once, so a
// gesture keeps the pace of the input helpers (a short gap after each move).
#include "testkit/kit_gesture.h"
#include "testkit/kit_input.h"
#include <ctype.h>
#include <stdlib.h>
#include <string.h>
#include <string>

// The virtual key of a key name, 0 for none.
static WORD KeyOf(const std::string &name)
{
    static const struct { const char *szName; WORD vk; } keys[] = {
        {"C", VK_CONTROL}, {"Cl", VK_LCONTROL}, {"Cr", VK_RCONTROL}, {"S", VK_SHIFT},
        {"A", VK_MENU},    {"#Down", VK_DOWN},  {"#Up", VK_UP},      {"#Left", VK_LEFT},
        {"#Right", VK_RIGHT},
    };
    for (const auto &k : keys)
        if (name == k.szName)
            return k.vk;
    if (name.size() == 2 && name[0] == '#' && isalnum((unsigned char)name[1]))
        return (WORD)toupper((unsigned char)name[1]);
    return 0;
}

// A button's SendInput flags down (up is the next flag) and data.
static bool ButtonOf(const std::string &name, DWORD *pDown, DWORD *pData)
{
    *pData = 0;
    if (name == "L")
        *pDown = MOUSEEVENTF_LEFTDOWN;
    else if (name == "M")
        *pDown = MOUSEEVENTF_MIDDLEDOWN;
    else if (name == "B" || name == "F") {
        *pDown = MOUSEEVENTF_XDOWN;
        *pData = name == "B" ? XBUTTON1 : XBUTTON2;
    } else
        return false;
    return true;
}

static void Press(WORD vk, DWORD down, DWORD data, bool bDown)
{
    INPUT in = vk ? KeyInput(vk, !bDown) : MouseInput(bDown ? down : down << 1, data);
    SendInput(1, &in, sizeof in);
}

// A move token: direction letters and a distance; false when it is none.
static bool MoveOf(const std::string &t, int *pdx, int *pdy)
{
    size_t i = 0;
    *pdx = *pdy = 0;
    int sx = 0, sy = 0;
    for (; i < t.size() && strchr("v^<>", t[i]); i++) {
        sy += t[i] == 'v' ? 1 : t[i] == '^' ? -1 : 0;
        sx += t[i] == '>' ? 1 : t[i] == '<' ? -1 : 0;
    }
    if (i == 0 || t.find_first_not_of("0123456789", i) != std::string::npos)
        return false;
    int n = i < t.size() ? atoi(t.c_str() + i) : 12;
    *pdx = sx * n;
    *pdy = sy * n;
    return true;
}

static bool PlayToken(const std::string &t, POINT *pt)
{
    int dx, dy;
    if (t[0] == '~' && MoveOf(t.substr(1), &dx, &dy)) {
        MoveMouseBy(dx, dy);
        return true;
    }
    if (MoveOf(t, &dx, &dy)) {
        pt->x += dx;
        pt->y += dy;
        MoveMouseTo(pt->x, pt->y);
        return true;
    }
    if (t[0] == '@') {
        const char *comma = strchr(t.c_str(), ',');
        if (!comma)
            return false;
        pt->x = atoi(t.c_str() + 1);
        pt->y = atoi(comma + 1);
        MoveMouseTo(pt->x, pt->y);
        return true;
    }
    if (t == "W") {
        WheelTurn(120);
        return true;
    }
    char last = t[t.size() - 1];
    bool bHalf = last == '+' || last == '-';
    std::string name = bHalf ? t.substr(0, t.size() - 1) : t;
    WORD vk = KeyOf(name);
    DWORD down = 0, data = 0;
    if (!vk && !ButtonOf(name, &down, &data))
        return false;
    if (!bHalf || last == '+')
        Press(vk, down, data, true);
    if (!bHalf || last == '-')
        Press(vk, down, data, false);
    return true;
}

bool PlayGestureFrom(const char *script, POINT *pAt)
{
    for (const char *p = script; *p;) {
        if (*p == ' ') {
            p++;
            continue;
        }
        size_t n = strcspn(p, " ");
        std::string token(p, n);
        p += n;
        int nTimes = 1;
        size_t star = token.find('*');
        if (star != std::string::npos && star > 0) {
            nTimes = atoi(token.c_str() + star + 1);
            token.resize(star);
        }
        for (int i = 0; i < nTimes; i++)
            if (!PlayToken(token, pAt))
                return false;
    }
    return true;
}

bool PlayGesture(const char *script, int x, int y, POINT *pEnd)
{
    POINT pt = {x, y};
    Rest(x, y);
    bool ok = PlayGestureFrom(script, &pt);
    if (pEnd)
        *pEnd = pt;
    return ok;
}
