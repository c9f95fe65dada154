// The lines of settings.dat after the header, in file order. bMiddleButton
// lives beside the class flags in the record but stands on line 18, after
// the two list flags: the file order is this table's order, not the record's.
#include "store/settings_table.h"
#include "scroll/settings.h"

#define NUMBER(line, field) {line, LINE_NUMBER, &Settings.field, sizeof(int), #field}

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
    {15, LINE_TEXT, Settings.szScrollKey, SCROLL_KEY_SIZE, "szScrollKey"},
    NUMBER(16, bExcludeList),
    NUMBER(17, bIncludeList),
    NUMBER(18, bMiddleButton),
    NUMBER(19, nEdgeMargin),
    NUMBER(20, nWindowX),
    NUMBER(21, nWindowY),
};
