// The scroll-key name table. The names are stored in settings.dat letter for
// letter, so their spelling and case are part of the file format.
#include "input/key_names.h"
#include <string.h>

const KEYNAME aszKeyNames[KEY_NAME_COUNT] = {
    {"F1", 112},      {"F2", 113},      {"F3", 114},      {"F4", 115},
    {"F5", 116},      {"F6", 117},      {"F7", 118},      {"F8", 119},
    {"F9", 120},      {"F10", 121},     {"F11", 122},     {"F12", 123},
    {"Space", 32},    {"Control", 17},  {"Alt", 18},      {"Shift", 16},
    {"NumPad0", 96},  {"NumPad1", 97},  {"NumPad2", 98},  {"NumPad3", 99},
    {"NumPad4", 100}, {"NumPad5", 101}, {"NumPad6", 102}, {"NumPad7", 103},
    {"NumPad8", 104}, {"NumPad9", 105}, {"Escape", 27},   {"Tab", 9},
};

int KeyNameToVk(const char *name)
{
    for (int i = 0; i < KEY_NAME_COUNT; i++)
        if (strcmp(name, aszKeyNames[i].szName) == 0)
            return aszKeyNames[i].nVk;
    return 17;
}

int FoldModifierVk(int vk)
{
    switch (vk) {
    case 0xA0: case 0xA1: return 16;   // VK_LSHIFT, VK_RSHIFT
    case 0xA2: case 0xA3: return 17;   // VK_LCONTROL, VK_RCONTROL
    case 0xA4: case 0xA5: return 18;   // VK_LMENU, VK_RMENU
    default: return vk;
    }
}
