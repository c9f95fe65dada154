// The lines of settings.dat after the header, in file order. bMiddleButton
// lives beside the class flags in the record but stands on line 18, after
// the two list flags: the file order is this table's order, not the record's.
// Lines 22 to 28 are newer than the file format: older copies of the program
// read 21 lines and ignore the rest, and the seven are written only when one
// of them is not 0, so a file with them all off stays the 21-line file. A
// file that ends before them leaves their fields as they were.
#include "store/settings_table.h"
#include "scroll/settings.h"

#define NUMBER(line, field) {line, LINE_NUMBER, &Settings.field, sizeof(int), #field, 0, 0}
#define OPTIONAL_NUMBER(line, field) {line, LINE_NUMBER, &Settings.field, sizeof(int), #field, 1, 0}
// An optional line that holds one of n choices; the engine trusts the range.
#define OPTIONAL_CHOICE(line, field, n) \
    {line, LINE_NUMBER, &Settings.field, sizeof(int), #field, 1, n}

const SETTINGSLINE aSettingsLines[SETTINGS_FIELD_COUNT] = {
    NUMBER(2, nSensitivity),
    NUMBER(3, nScrollTimes),
    NUMBER(4, nMessageType),
    NUMBER(5, bArrowKeys),
    NUMBER(6, bHoldKey),
    NUMBER(7, bEdgeScroll),
    NUMBER(8, bEdgeRepeat),
    NUMBER(9, nRepeatMs),
    NUMBER(10, bClassEdit),
    NUMBER(11, bClassAfx),
    NUMBER(12, bClassChannel),
    NUMBER(13, bClassOther),
    NUMBER(14, bSaveOnExit),
    {15, LINE_TEXT, Settings.szScrollKey, SCROLL_KEY_SIZE, "szScrollKey", 0, 0},
    NUMBER(16, bExcludeList),
    NUMBER(17, bIncludeList),
    NUMBER(18, bMiddleButton),
    NUMBER(19, nEdgeMargin),
    NUMBER(20, nWindowX),
    NUMBER(21, nWindowY),
    OPTIONAL_NUMBER(22, bDragLock),
    OPTIONAL_NUMBER(23, bOneAxis),
    OPTIONAL_NUMBER(24, bReverse),
    OPTIONAL_NUMBER(25, bPauseFullScreen),
    OPTIONAL_NUMBER(26, bKeepPointerStill),
    OPTIONAL_NUMBER(27, bGlide),
    OPTIONAL_CHOICE(28, nDragButton, 3),   // DRAG_BUTTON_MIDDLE, _X1, _X2
};
