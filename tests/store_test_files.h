// Byte strings compared in the store tests, where the bytes of the files are
// themselves under test (the kit reads and writes them).
#pragma once
#include <string>
#include "testkit/kit_files.h"

// Where two byte strings part, for failure messages that stay readable when
// the strings are large.
static inline std::string FirstDifference(const std::string &actual, const std::string &expected)
{
    size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        i++;
    auto around = [i](const std::string &s) {
        size_t from = i < 20 ? 0 : i - 20;
        return "\"" + s.substr(from, 40) + "\"";
    };
    return "sizes " + std::to_string(actual.size()) + " and " + std::to_string(expected.size()) +
           ", first difference at byte " + std::to_string(i) + ": actual " + around(actual) +
           ", expected " + around(expected);
}

#define CHECK_BYTES(actual, expected)                                    \
    do {                                                                 \
        std::string actual_ = (actual), expected_ = (expected);          \
        bool same_ = actual_ == expected_;                               \
        CHECK_MESSAGE(same_, FirstDifference(actual_, expected_));       \
    } while (0)
