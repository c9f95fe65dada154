// The layout of settings.dat: which field of the Settings record each line
// holds and how it is written, made from the option list (scroll/options.h).
// Loading, saving and the tests all walk this one table. No window calls.
#pragma once

#define SETTINGS_HEADER "settings 1"
#define SETTINGS_LINE_COUNT 21          // the header and the lines every version reads
#define SETTINGS_LINE_MAX 29            // and the newer options after them (22..29)

enum LINEKIND {
    LINE_NUMBER,                        // an int written with "%d"
    LINE_TEXT,                          // szScrollKey written with "%s"
};

struct SETTINGSLINE {
    int nLine;                          // line of settings.dat, 2..29
    LINEKIND nKind;
    void *pField;                       // int* for LINE_NUMBER, char* for LINE_TEXT
    int cbField;                        // bytes of the field, terminator included
    const char *szName;                 // the field's name, for test messages
    int bOptional;                      // written only when one optional field is not 0
    int nChoices;                       // LINE_NUMBER: 0 any value; else 0..nChoices-1,
                                        // and any other value reads as 0
    int *pnKeyCode;                     // LINE_TEXT: the key code the name stands for
};

#define SETTINGS_FIELD_COUNT (SETTINGS_LINE_MAX - 1)
extern const SETTINGSLINE aSettingsLines[SETTINGS_FIELD_COUNT];
