// The pictures as LoadBitmapA gives them are the pixels their resources
// store: the button faces in 256 colours, the About picture in 16. The
// resource is decoded here by hand, not by GDI, so a format that GDI (or
// Wine's GDI) reads otherwise shows up. Whether the stored pixels keep the
// faces' look is tests/res_faces_test.py's concern.
#include <doctest.h>
#include <windows.h>
#include <string.h>
#include <string>
#include <vector>

// 0x00RRGGBB per pixel, rows top down; false for a format not read here.
static bool DecodeResource(const char *name, std::vector<DWORD> *pixels, int *w, int *h,
                           int *bpp)
{
    HRSRC res = FindResourceA(NULL, name, MAKEINTRESOURCEA(2));   // RT_BITMAP
    if (!res)
        return false;
    const BYTE *p = (const BYTE *)LockResource(LoadResource(NULL, res));
    BITMAPINFOHEADER bih;
    memcpy(&bih, p, sizeof bih);
    *w = bih.biWidth;
    *h = bih.biHeight;
    *bpp = bih.biBitCount;
    if (bih.biCompression != BI_RGB || bih.biHeight <= 0 ||
        (bih.biBitCount != 4 && bih.biBitCount != 8 && bih.biBitCount != 24))
        return false;
    DWORD nColours = bih.biBitCount > 8 ? 0 : bih.biClrUsed ? bih.biClrUsed : 1u << bih.biBitCount;
    const BYTE *palette = p + bih.biSize;
    const BYTE *bits = palette + nColours * 4;
    size_t stride = ((size_t)*w * *bpp + 31) / 32 * 4;
    if (bih.biSize + nColours * 4 + stride * *h > SizeofResource(NULL, res))
        return false;
    pixels->assign((size_t)*w * *h, 0);
    for (int y = 0; y < *h; y++) {
        const BYTE *row = bits + stride * (*h - 1 - y);   // stored bottom up
        for (int x = 0; x < *w; x++) {
            const BYTE *bgr;
            if (*bpp == 24)
                bgr = row + 3 * x;
            else if (*bpp == 8)
                bgr = palette + 4 * row[x];
            else
                bgr = palette + 4 * ((row[x / 2] >> (x & 1 ? 0 : 4)) & 15);
            (*pixels)[(size_t)y * *w + x] = (DWORD)bgr[2] << 16 | (DWORD)bgr[1] << 8 | bgr[0];
        }
    }
    return true;
}

// What GDI made of it: the bitmap LoadBitmapA returns, read back as 32-bit
// pixels (the display is true colour, so no colour is approximated).
static bool LoadedPixels(const char *name, std::vector<DWORD> *pixels, int *w, int *h)
{
    HBITMAP bmp = LoadBitmapA(GetModuleHandleA(NULL), name);
    BITMAP bm;
    if (!bmp || !GetObjectA(bmp, sizeof bm, &bm)) {
        if (bmp)
            DeleteObject(bmp);
        return false;
    }
    *w = bm.bmWidth;
    *h = bm.bmHeight;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = *w;
    bi.bmiHeader.biHeight = -*h;   // rows top to bottom
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    pixels->assign((size_t)*w * *h, 0);
    HDC dc = GetDC(NULL);
    int rows = GetDIBits(dc, bmp, 0, *h, pixels->data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(NULL, dc);
    DeleteObject(bmp);
    for (DWORD &px : *pixels)
        px &= 0xFFFFFF;
    return rows == *h;
}

TEST_CASE("LoadBitmapA shows every picture with the colours its resource stores")
{
    struct { const char *name; int w, h, bpp; } rows[] = {
        {"GOBMP", 165, 65, 8},
        {"STOPBMP", 165, 65, 8},
        {"KQBMP", 381, 103, 4},
    };
    for (auto &r : rows) {
        std::string name = r.name;
        CAPTURE(name);
        std::vector<DWORD> stored, loaded;
        int sw = 0, sh = 0, bpp = 0, lw = 0, lh = 0;
        REQUIRE(DecodeResource(r.name, &stored, &sw, &sh, &bpp));
        CHECK(sw == r.w);
        CHECK(sh == r.h);
        CHECK(bpp == r.bpp);
        REQUIRE(LoadedPixels(r.name, &loaded, &lw, &lh));
        REQUIRE(lw == sw);
        REQUIRE(lh == sh);
        size_t nDiffer = 0, nFirst = stored.size();
        for (size_t i = 0; i < stored.size(); i++) {
            if (stored[i] != loaded[i]) {
                if (!nDiffer)
                    nFirst = i;
                nDiffer++;
            }
        }
        CAPTURE(nFirst);
        CHECK(nDiffer == 0);
    }
}
