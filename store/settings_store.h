// Loading and saving the options (settings.dat) and the two title lists
// (list1.txt, list2.txt) in the current directory.
#pragma once

void LoadSettings(void);
void SaveSettings(void);
