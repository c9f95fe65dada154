// Files around the program: scratch folders under the temp folder, whole
// files as byte strings, settings.dat written by the program's own formatter
// (its start-up values plus the caller's changes, so no one spells out the
// file format by hand), and the Settings record kept and put back.
#pragma once
#include <functional>
#include <string>
#include "scroll/settings.h"

// A fresh empty folder under the temp folder, named after this process and
// name; its path. EnterScratchDir also makes it the current folder, and
// LeaveScratchDir goes back to the folder the first one left.
// RemoveScratchDirs deletes every folder made so far, with its files.
std::string MakeScratchDir(const char *name);
std::string EnterScratchDir(const char *name);
// The same for a name that may lie outside the ANSI code page.
std::wstring EnterScratchDirW(const wchar_t *name);
void LeaveScratchDir(void);
void RemoveScratchDirs(void);

bool WriteBytes(const char *path, const std::string &bytes);
// The whole file, or "<missing>" when it cannot be read.
std::string ReadBytes(const char *path);
bool FileExists(const char *path);
// The files that match a pattern ("*.tmp").
int CountFiles(const char *pattern);

// Writes settings.dat in dir (NULL: the current folder): the start-up
// values, then edit() on the Settings record. The record itself is left as
// it was.
bool WriteSettingsDat(const std::function<void()> &edit, const char *dir = NULL);
// The settings.dat of the current folder, line by line (line 1 at index 0).
bool ReadSavedSettings(std::string lines[], int nMax);

// The record with its start-up values, made once (Settings is untouched),
// and Settings put back to it.
const SETTINGS &DefaultRecord(void);
void ResetRecord(void);
