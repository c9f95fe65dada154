// The scroll-key names the user can pick and their virtual-key codes.
#pragma once

struct KEYNAME {
    const char *szName;
    int nVk;
};

#define KEY_NAME_COUNT 28
extern const KEYNAME aszKeyNames[KEY_NAME_COUNT];

// Exact, case-sensitive lookup; 17 (Control) for any name not in the table.
int KeyNameToVk(const char *name);

// Low-level keyboard hooks report left/right modifier codes; the engine
// expects the generic ones (16, 17, 18).
int FoldModifierVk(int vk);
