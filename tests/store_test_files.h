// Small file helpers shared by the store tests: whole files as byte strings,
// and counting the files in the current folder that match a pattern.
#pragma once
#include <windows.h>
#include <string>

static inline bool WriteBytes(const char *name, const std::string &bytes)
{
    SetFileAttributesA(name, FILE_ATTRIBUTE_NORMAL);
    HANDLE h = CreateFileA(name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), (DWORD)bytes.size(), &done, NULL);
    CloseHandle(h);
    return ok && done == bytes.size();
}

// The whole file, or "<missing>" when it cannot be read.
static inline std::string ReadBytes(const char *name)
{
    HANDLE h = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes(GetFileSize(h, NULL), '\0');
    DWORD got = 0;
    if (!bytes.empty())
        ReadFile(h, &bytes[0], (DWORD)bytes.size(), &got, NULL);
    CloseHandle(h);
    bytes.resize(got);
    return bytes;
}

static inline bool FileExists(const char *name)
{
    return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES;
}

static inline int CountFiles(const char *pattern)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern, &fd);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do
        n++;
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

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
