// Case-insensitive substring matching, used for title fragments, class names
// and command-line switches.
#pragma once

int ContainsText(const char *haystack, const char *needle);

// Whether any entry of a list text (fragments each ended by '\n'; text after
// the last '\n' is no entry) occurs in the title, case-insensitively. An
// empty title matches nothing; an empty entry matches every other title.
int ListMatchesTitle(const char *list, const char *title);
