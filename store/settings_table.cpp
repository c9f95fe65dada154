// The lines of settings.dat after the header, in file order. bMiddleButton
// lives beside the class flags in the record but stands on line 18, after
// the two list flags: the file order is this table's order, not the record's.
// Lines 22 to 29 are newer than the file format: older copies of the program
// read 21 lines and ignore the rest, and the eight are written only when one
// of them is not 0, so a file with them all off stays the 21-line file. A
// file that ends before them leaves their fields as they were.
#include "store/settings_table.h"
#include "scroll/settings.h"

#define LINE_ROW_NUMBER(line, field, choices) \
    {line, LINE_NUMBER, &Settings.field, sizeof(int), #field, 0, choices, NULL},
#define LINE_ROW_NEWER(line, field, choices) \
    {line, LINE_NUMBER, &Settings.field, sizeof(int), #field, 1, choices, NULL},
// The key code follows the name as it is read.
#define LINE_ROW_TEXT(line, field, choices) \
    {line, LINE_TEXT, Settings.field, sizeof Settings.field, #field, 0, 0, &Settings.nScrollVk},
#define OPTION_LINE(field, value, line, file, choices, dialog, args) LINE_ROW_##file(line, field, choices)

const SETTINGSLINE aSettingsLines[SETTINGS_FIELD_COUNT] = {VELTRAC_OPTIONS(OPTION_LINE)};
