// The modeless dialogs (Options, Windows, About, Programs), the rule
// editor and the help command.
#pragma once
#include <windows.h>

INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WindowsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ProgramsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The rule editor of the Programs dialog, modal: TRUE, with *rule changed,
// when the user pressed OK on a rule the file can hold.
struct PROGRAMRULE;
BOOL EditRule(HWND owner, PROGRAMRULE *rule);

// Options dialog: enables the edge-scrolling controls to match the two
// edge check boxes.
void EnableEdgeControls(HWND dialog, int edgeOn, int repeatOn);

// Windows dialog: the enabled states of the two list groups, and moving a
// list text into a combo box and back.
void EnableListGroups(HWND dialog, int excludeOn, int includeOn);
void FillComboFromList(HWND dialog, int comboId, char *listText);
void CopyComboToList(HWND dialog, int comboId, char *listText);

// About box texts.
extern const char szAboutText[];
extern const char szPictureNote[];
extern const char szPictureNoteTitle[];

// The Help command: asks, then opens readme.txt in Notepad.
void ShowHelp(HWND owner);
