// The three dialog templates as compiled into the executable: every control
// in template order with its id, class, text, rectangle and exact styles,
// and each dialog's own style, caption, font and size.
#include <doctest.h>
#include <windows.h>
#include "res/resource.h"
#include <string>
#include <vector>

namespace {

struct ITEM {
    DWORD style, exStyle;
    short x, y, cx, cy;
    WORD id;
    std::string cls;    // lower case; predefined atoms are named
    std::string text;
};

struct TEMPLATE {
    DWORD style, exStyle;
    short x, y, cx, cy;
    std::string menu, cls, caption, font;
    WORD pointSize;
    std::vector<ITEM> items;
};

struct ROW {
    int id;
    const char *cls;
    const char *text;
    short x, y, cx, cy;
    DWORD style;
};

// Reads a classic template's sz_Or_Ord field: 0 (none), 0xFFFF + ordinal,
// or a zero-terminated UTF-16 string (all our texts are ASCII).
std::string ReadField(const WORD *&p, bool bClass)
{
    if (*p == 0xFFFF) {
        WORD ord = p[1];
        p += 2;
        const char *atoms[] = {"button", "edit", "static", "listbox", "scrollbar", "combobox"};
        if (bClass && ord >= 0x80 && ord <= 0x85)
            return atoms[ord - 0x80];
        return "#" + std::to_string(ord);
    }
    std::string s;
    for (; *p; p++)
        s += (char)*p;
    p++;
    if (bClass)
        for (char &c : s)
            c = (char)tolower((unsigned char)c);
    return s;
}

const WORD *AlignDword(const WORD *p, const BYTE *base)
{
    size_t offset = (const BYTE *)p - base;
    return (const WORD *)(base + ((offset + 3) & ~(size_t)3));
}

TEMPLATE LoadTemplate(const char *name)
{
    TEMPLATE t = {};
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC res = FindResourceA(module, name, (LPCSTR)RT_DIALOG);
    REQUIRE(res != NULL);
    const BYTE *base = (const BYTE *)LockResource(LoadResource(module, res));
    REQUIRE(base != NULL);
    const DLGTEMPLATE *dlg = (const DLGTEMPLATE *)base;
    // An extended template starts with 1, 0xFFFF; ours are classic.
    REQUIRE(!(((const WORD *)base)[0] == 1 && ((const WORD *)base)[1] == 0xFFFF));
    t.style = dlg->style;
    t.exStyle = dlg->dwExtendedStyle;
    t.x = dlg->x, t.y = dlg->y, t.cx = dlg->cx, t.cy = dlg->cy;
    const WORD *p = (const WORD *)(dlg + 1);
    t.menu = ReadField(p, false);
    t.cls = ReadField(p, false);
    t.caption = ReadField(p, false);
    if (t.style & DS_SETFONT) {
        t.pointSize = *p++;
        t.font = ReadField(p, false);
    }
    for (int i = 0; i < dlg->cdit; i++) {
        p = AlignDword(p, base);
        const DLGITEMTEMPLATE *it = (const DLGITEMTEMPLATE *)p;
        ITEM item;
        item.style = it->style;
        item.exStyle = it->dwExtendedStyle;
        item.x = it->x, item.y = it->y, item.cx = it->cx, item.cy = it->cy;
        item.id = it->id;
        p = (const WORD *)(it + 1);
        item.cls = ReadField(p, true);
        item.text = ReadField(p, false);
        WORD extra = *p++;
        p = (const WORD *)((const BYTE *)p + extra);
        t.items.push_back(item);
    }
    return t;
}

void CheckItems(const TEMPLATE &t, const ROW *rows, size_t nRows)
{
    REQUIRE(t.items.size() == nRows);
    for (size_t i = 0; i < nRows; i++) {
        const ITEM &item = t.items[i];
        const ROW &row = rows[i];
        CAPTURE(i + 1);
        CAPTURE(row.text);
        CHECK(item.id == (WORD)row.id);
        CHECK(item.cls == row.cls);
        CHECK(item.text == row.text);
        CHECK(item.x == row.x);
        CHECK(item.y == row.y);
        CHECK(item.cx == row.cx);
        CHECK(item.cy == row.cy);
        CHECK(item.style == row.style);
        CHECK(item.exStyle == 0);
        CHECK((item.style & WS_GROUP) == 0);
    }
}

const DWORD CV = WS_CHILD | WS_VISIBLE;
const DWORD PUSH = CV | BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP;
const DWORD NUMEDIT = CV | WS_BORDER | WS_TABSTOP | ES_LEFT;
const DWORD LABEL = CV | SS_LEFT;
const DWORD FRAME = CV | SS_ETCHEDFRAME;
const DWORD CHECKBOX = CV | BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD RADIO = CV | BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_TABSTOP;
const DWORD DIALOG = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                     DS_SETFONT | DS_3DLOOK;

}  // namespace

TEST_CASE("OPTIONSDLG holds its 45 controls in tab order")
{
    TEMPLATE t = LoadTemplate("OPTIONSDLG");
    CHECK(t.style == DIALOG);
    CHECK(t.exStyle == WS_EX_DLGMODALFRAME);
    CHECK(t.caption == "Options");
    CHECK(t.font == "MS Sans Serif");
    CHECK(t.pointSize == 8);
    CHECK(t.menu.empty());
    CHECK(t.cls.empty());
    CHECK((t.x == 0 && t.y == 0 && t.cx == 233 && t.cy == 319));

    const ROW rows[] = {
        {IDOK, "button", "OK", 172, 6, 50, 14, PUSH},
        {IDCANCEL, "button", "Cancel", 172, 26, 50, 14, PUSH},
        {1544, "button", "Apply", 172, 47, 50, 14, PUSH},
        {1524, "edit", "Edit", 4, 12, 56, 12, NUMEDIT},
        {1532, "static", "Sensitivity", 4, 4, 56, 8, LABEL},
        {1533, "static", "Message Type:", 4, 52, 56, 10, LABEL},
        {1545, "button", "PostMessage", 8, 85, 48, 20, RADIO},
        {1546, "button", "SendMessage", 8, 64, 48, 20, RADIO},
        {1547, "button", "Mouse wheel", 8, 106, 48, 20, RADIO},
        {1548, "button", "Automatic", 8, 127, 48, 20, RADIO},
        {1534, "static", "Scroll X Times", 4, 28, 56, 8, LABEL},
        {1525, "edit", "Edit", 4, 36, 56, 12, NUMEDIT},
        {1625, "listbox", "ListBox1", 68, 28, 96, 36,
         CV | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT},
        {1624, "button", "Scroll When Holding This Key:", 68, 8, 96, 19, CHECKBOX | BS_MULTILINE},
        {1626, "button", "Arrow Keys Scroll", 152, 153, 72, 12, CHECKBOX | BS_MULTILINE},
        {1627, "button", "Scroll When Mouse Hits Edge of Screen:", 76, 72, 144, 10, CHECKBOX},
        {1628, "button", "Keep Scrolling While Mouse Sits At Edge", 80, 102, 144, 9, CHECKBOX},
        {1535, "static", "Repeat Scroll Every", 80, 114, 64, 9, LABEL},
        {1526, "edit", "Edit", 144, 112, 40, 12, NUMEDIT},
        {1536, "static", "Milliseconds", 184, 114, 40, 9, LABEL},
        {1540, "static", "Frame1", 4, 61, 56, 88, FRAME},
        {1541, "static", "Frame3", 68, 69, 160, 59, FRAME},
        {1542, "static", "Frame4", 74, 99, 152, 28, FRAME},
        {1543, "static", "Frame4", 4, 165, 224, 48, FRAME},
        {1537, "static", "Scroll Windows With These Types of Classes:", 8, 169, 216, 10, LABEL},
        {1730, "button", "\"Edit\" (Notepad, Wordpad, etc.)", 8, 180, 116, 12, CHECKBOX},
        {1731, "button", "\"AFX:\" (Netscape 3)", 8, 198, 80, 12, CHECKBOX},
        {1732, "button", "\"Channel\" (mIRC)", 128, 180, 84, 12, CHECKBOX},
        {1733, "button", "All Other Types", 128, 198, 72, 12, CHECKBOX},
        {1631, "button", "Save Settings On Exit", 4, 217, 224, 12, CHECKBOX | BS_PUSHLIKE},
        {1734, "button", "Middle Mouse Button Scrolls (If It Exists)", 4, 154, 140, 11, CHECKBOX},
        {1538, "static", "Edge of Screen Is", 80, 86, 60, 8, LABEL},
        {1527, "edit", "Edit4", 140, 84, 40, 12, NUMEDIT},
        {1539, "static", "Pixels Thick", 180, 86, 40, 8, LABEL},
        {101, "static", "Frame5", 74, 81, 152, 19, FRAME},
        // The drag options' row, below everything else.
        {1735, "button", "Tap to Lock Scrolling", 4, 233, 72, 18, CHECKBOX | BS_MULTILINE},
        {1736, "button", "One Direction at a Time", 80, 233, 72, 18, CHECKBOX | BS_MULTILINE},
        {1737, "button", "Reverse Drag Direction", 156, 233, 72, 18, CHECKBOX | BS_MULTILINE},
        // The newer options' rows; the Button list goes with 1734.
        {1742, "static", "Button:", 4, 257, 26, 8, LABEL},
        {1741, "combobox", "", 30, 255, 74, 52, CV | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
        {1738, "button", "Pause in Full-Screen Programs", 110, 255, 118, 12, CHECKBOX},
        {1739, "button", "Keep Pointer Still While Dragging", 4, 271, 126, 12, CHECKBOX},
        {1740, "button", "Glide After Release", 134, 271, 94, 12, CHECKBOX},
        {1743, "button", "Start With Windows", 4, 287, 224, 12, CHECKBOX},
        {1744, "button", "Scroll the Window Under the Pointer", 4, 303, 224, 12, CHECKBOX},
    };
    CheckItems(t, rows, sizeof rows / sizeof rows[0]);
}

TEST_CASE("WINDOWSDLG holds its 11 controls, combo boxes without a type style")
{
    TEMPLATE t = LoadTemplate("WINDOWSDLG");
    CHECK(t.style == DIALOG);
    CHECK(t.exStyle == WS_EX_DLGMODALFRAME);
    CHECK(t.caption == "Windows");
    CHECK(t.font == "MS Sans Serif");
    CHECK(t.pointSize == 8);
    CHECK((t.x == 0 && t.y == 0 && t.cx == 284 && t.cy == 99));

    const DWORD COMBO = CV | WS_VSCROLL | WS_TABSTOP | CBS_SORT | CBS_AUTOHSCROLL;
    const ROW rows[] = {
        {1724, "combobox", "ComboBox1", 4, 16, 224, 32, COMBO},
        {1629, "button", "DON'T Scroll In These Windows:", 4, 7, 120, 9, CHECKBOX},
        {1725, "combobox", "ComboBox3", 4, 63, 224, 33, COMBO},
        {1630, "button", "Scroll ONLY In These Windows:", 4, 54, 116, 9, CHECKBOX},
        {1726, "button", "Add", 176, 7, 50, 10, PUSH},
        {1727, "button", "Add", 176, 54, 50, 10, PUSH},
        {1728, "button", "Delete", 124, 7, 50, 10, PUSH},
        {1729, "button", "Delete", 124, 54, 50, 10, PUSH},
        {IDOK, "button", "OK", 232, 8, 50, 14, PUSH},
        {IDCANCEL, "button", "Cancel", 232, 26, 50, 14, PUSH},
        {1544, "button", "Apply", 232, 43, 50, 14, PUSH},
    };
    CheckItems(t, rows, sizeof rows / sizeof rows[0]);
    CHECK((t.items[0].style & 3) == 0);   // neither simple, drop-down nor drop-list
    CHECK((t.items[2].style & 3) == 0);
}

TEST_CASE("ABOUTDLG has the help button style and three controls")
{
    TEMPLATE t = LoadTemplate("ABOUTDLG");
    CHECK(t.style == (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                      DS_CONTEXTHELP | DS_3DLOOK | DS_SETFONT));
    CHECK(t.exStyle == (WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP));
    CHECK(t.caption == "About Veltrac v2.5");
    CHECK(t.font == "MS Sans Serif");
    CHECK(t.pointSize == 8);
    CHECK(t.menu.empty());
    CHECK(t.cls.empty());
    CHECK((t.x == 0 && t.y == 0 && t.cx == 240 && t.cy == 120));

    const ROW rows[] = {
        {1828, "edit", "", 4, 48, 232, 38,
         CV | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY},
        {IDOK, "button", "OK...!", 4, 90, 232, 28, PUSH},
        {1829, "button", "Button2", 4, 4, 232, 40, PUSH | BS_BITMAP},
    };
    CheckItems(t, rows, sizeof rows / sizeof rows[0]);
}

TEST_CASE("PROGRAMSDLG and RULEDLG: every control has a keyboard path, mnemonics unique")
{
    for (const char *name : {"PROGRAMSDLG", "RULEDLG"}) {
        CAPTURE(name);
        TEMPLATE t = LoadTemplate(name);
        // The other dialogs' look.
        CHECK(t.style == DIALOG);
        CHECK(t.exStyle == WS_EX_DLGMODALFRAME);
        CHECK(t.font == "MS Sans Serif");
        CHECK(t.pointSize == 8);
        std::string letters;
        for (size_t i = 0; i < t.items.size(); i++) {
            const ITEM &item = t.items[i];
            CAPTURE(item.id);
            CAPTURE(item.text);
            size_t amp = item.text.find('&');
            if (amp != std::string::npos && amp + 1 < item.text.size()) {
                char c = (char)tolower((unsigned char)item.text[amp + 1]);
                CHECK(letters.find(c) == std::string::npos);
                letters += c;
            }
            bool bGroupBox = item.cls == "button" && (item.style & BS_TYPEMASK) == BS_GROUPBOX;
            bool bTakesInput = (item.cls == "button" && !bGroupBox) || item.cls == "edit" ||
                               item.cls == "combobox" || item.cls == "syslistview32";
            if (!bTakesInput)
                continue;
            CHECK((item.style & WS_TABSTOP) != 0);
            // Reached by its own letter, by the letter of what stands before
            // it (a label, or the box that switches it on), or by Enter and
            // Escape.
            bool bOwn = amp != std::string::npos;
            bool bBefore = i > 0 && t.items[i - 1].text.find('&') != std::string::npos;
            bool bEnterEscape = item.id == IDOK || item.id == IDCANCEL;
            CHECK((bOwn || bBefore || bEnterEscape));
        }
    }
}
