// Screen captures and the two readings made from them. The screen DC shows
// every program's windows, and the pictures are drawn unscaled, so exact
// pixel comparison is enough.
#include "e2e_support_screen.h"
#include "e2e_support.h"
#include <string.h>

static BITMAPINFO TopDown32(int w, int h)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;   // rows top to bottom
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

bool CaptureScreen(const RECT &rc, std::vector<DWORD> *pixels)
{
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    pixels->assign(w > 0 && h > 0 ? (size_t)w * h : 0, 0);
    if (w <= 0 || h <= 0)
        return false;
    HDC screen = GetDC(NULL);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = TopDown32(w, h);
    void *bits = NULL;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BOOL ok = dib && BitBlt(mem, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    if (ok)
        memcpy(pixels->data(), bits, (size_t)w * h * 4);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(NULL, screen);
    return ok != 0;
}

static bool LoadPicture(const char *name, std::vector<DWORD> *pixels, int *w, int *h)
{
    HBITMAP bmp = LoadBitmapA(GetModuleHandleA(NULL), name);
    BITMAP bm;
    if (!bmp || !GetObjectA(bmp, sizeof bm, &bm))
        return false;
    *w = bm.bmWidth;
    *h = bm.bmHeight;
    pixels->assign((size_t)*w * *h, 0);
    BITMAPINFO bi = TopDown32(*w, *h);
    HDC dc = GetDC(NULL);
    int rows = GetDIBits(dc, bmp, 0, *h, pixels->data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(NULL, dc);
    DeleteObject(bmp);
    return rows == *h;
}

bool WindowShowsPicture(HWND hwnd, const char *bitmapName)
{
    std::vector<DWORD> pic, shot;
    int pw, ph;
    RECT rc;
    if (!LoadPicture(bitmapName, &pic, &pw, &ph) || !GetWindowRect(hwnd, &rc) ||
        !CaptureScreen(rc, &shot))
        return false;
    int sw = rc.right - rc.left, sh = rc.bottom - rc.top;
    // A block from the middle of the picture, looked for around the middle
    // of the window (a centred picture, give or take a pressed button).
    const int bw = 60, bh = 24, slack = 6;
    int px0 = pw / 2 - bw / 2, py0 = ph / 2 - bh / 2;
    for (int dy = -slack; dy <= slack; dy++) {
        for (int dx = -slack; dx <= slack; dx++) {
            int sx0 = sw / 2 - bw / 2 + dx, sy0 = sh / 2 - bh / 2 + dy;
            if (sx0 < 0 || sy0 < 0 || sx0 + bw > sw || sy0 + bh > sh)
                continue;
            int same = 0;
            for (int y = 0; y < bh; y++)
                for (int x = 0; x < bw; x++)
                    same += (shot[(size_t)(sy0 + y) * sw + sx0 + x] & 0xFFFFFF) ==
                            (pic[(size_t)(py0 + y) * pw + px0 + x] & 0xFFFFFF);
            if (same * 100 >= bw * bh * 98)
                return true;
        }
    }
    return false;
}

struct POPUPQUERY {
    DWORD pid;
    HWND hExcept, hFound;
};

static BOOL CALLBACK MatchPopup(HWND hwnd, LPARAM lParam)
{
    POPUPQUERY *q = (POPUPQUERY *)lParam;
    char cls[16];
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != q->pid || hwnd == q->hExcept || !IsWindowVisible(hwnd) ||
        !GetClassNameA(hwnd, cls, sizeof cls) || strcmp(cls, "#32768"))
        return TRUE;
    q->hFound = hwnd;
    return FALSE;
}

HWND FindVisiblePopup(DWORD pid, HWND except)
{
    POPUPQUERY q = {pid, except, NULL};
    EnumWindows(MatchPopup, (LPARAM)&q);
    return q.hFound;
}

HWND WaitPopup(DWORD pid, HWND except)
{
    HWND popup = NULL;
    WaitFor([&] { return (popup = FindVisiblePopup(pid, except)) != NULL; });
    return popup;
}

// The rows above the first separator hold the items, all of one height. The
// separator is the first row (below the border) mostly in the border colour.
static bool AnalysePopup(const std::vector<DWORD> &px, int w, int h, int nItems, bool *grayed)
{
    if (w < 8 || h < 8)
        return false;
    DWORD border = px[0] & 0xFFFFFF;
    int sep = -1;
    for (int y = 2; y < h && sep < 0; y++) {
        int n = 0;
        for (int x = 0; x < w; x++)
            n += (px[(size_t)y * w + x] & 0xFFFFFF) == border;
        if (n * 3 > w * 2)
            sep = y;
    }
    if (sep < 0)
        return false;
    // Enabled text is black (white on the highlight); grayed text is a
    // neutral mid gray. The colour is not taken from GetSysColor: Wine draws
    // grayed items in a gray of its own.
    int top = 1, rowH = (sep - top) / nItems;
    for (int i = 0; i < nItems; i++) {
        int nGray = 0, nDark = 0;
        for (int y = top + i * rowH; y < top + (i + 1) * rowH; y++) {
            for (int x = 2; x < w - 2; x++) {
                DWORD p = px[(size_t)y * w + x];
                int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
                if (r == g && g == b && r >= 40 && r <= 230)
                    nGray++;
                if (r < 40 && g < 40 && b < 40)
                    nDark++;
            }
        }
        grayed[i] = nGray >= 8 && nDark < 4;
    }
    return true;
}

bool ReadGrayedItems(HWND popup, int nItems, bool *grayed)
{
    // A popup can be visible before it has finished painting: read it only
    // once two captures a little apart agree.
    std::vector<DWORD> last;
    return WaitFor([&] {
        RECT rc;
        std::vector<DWORD> px;
        if (!GetWindowRect(popup, &rc) || !CaptureScreen(rc, &px))
            return false;
        bool stable = px == last;
        last = px;
        Sleep(50);
        return stable &&
               AnalysePopup(px, rc.right - rc.left, rc.bottom - rc.top, nItems, grayed);
    });
}
