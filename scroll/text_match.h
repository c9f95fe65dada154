// Text matching: case-insensitive substrings for title fragments and
// command-line switches, wildcard patterns for class and program names.
#pragma once

int ContainsText(const char *haystack, const char *needle);

// Whether any entry of a list text (fragments each ended by '\n'; text after
// the last '\n' is no entry) occurs in the title, case-insensitively. An
// empty title matches nothing; an empty entry matches every other title.
int ListMatchesTitle(const char *list, const char *title);

// A pattern with '*' (any text) and '?' (any one character) against a whole
// text; with bAnyCase, A to Z match a to z.
int WildcardMatch(const char *pattern, const char *text, int bAnyCase);
// Whole texts equal, A to Z and a to z alike (file names).
int SameTextAnyCase(const char *a, const char *b);
