// settings.dat for the real program, written by the program's own formatter
// from its start-up values with the test's changes, so a test never spells
// out the file format by hand.
#pragma once
#include <functional>
#include <string>

// Writes settings.dat in the current folder: the defaults, then edit() on
// the Settings record. The record itself is left as it was.
bool WriteSettingsDat(const std::function<void()> &edit);

// The settings.dat of the current folder, line by line (line 1 at index 0).
bool ReadSavedSettings(std::string lines[], int nMax);
