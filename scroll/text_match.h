// Case-insensitive substring matching, used for title fragments, class names
// and command-line switches.
#pragma once

int ContainsText(const char *haystack, const char *needle);
