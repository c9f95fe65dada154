// Counting raw keyboard input. Under Wine, as on Windows, injected input has
// raw input too, with its extra information; the program's own is left out,
// as its hooks leave it out.
#include "input/raw_keys.h"
#include "input/inject.h"
#include "input/key_names.h"

static unsigned nEvents;
static unsigned anReleases[256];

BOOL WatchRawKeys(HWND hwnd, BOOL bOn)
{
    RAWINPUTDEVICE rid = {1, 6, (DWORD)(bOn ? RIDEV_INPUTSINK : RIDEV_REMOVE), bOn ? hwnd : NULL};
    return RegisterRawInputDevices(&rid, 1, sizeof rid);   // 1, 6: generic desktop, keyboard
}

void OnRawInput(HRAWINPUT hInput)
{
    RAWINPUT ri;
    UINT cb = sizeof ri;
    if (GetRawInputData(hInput, RID_INPUT, &ri, &cb, sizeof(RAWINPUTHEADER)) == (UINT)-1 ||
        ri.header.dwType != RIM_TYPEKEYBOARD || IsOwnInput(ri.data.keyboard.ExtraInformation))
        return;
    nEvents++;
    // Raw input names a key by its generic code (17 for either Control).
    if (ri.data.keyboard.Flags & RI_KEY_BREAK)
        anReleases[FoldModifierVk(ri.data.keyboard.VKey) & 0xFF]++;
}

unsigned RawKeyEvents(void)
{
    return nEvents;
}

unsigned RawKeyReleases(int nCode)
{
    return anReleases[nCode & 0xFF];
}
