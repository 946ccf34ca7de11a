// UTF-16 text from Windows, in the ANSI code page only where that names it
// exactly.
#ifndef KORDAVO_PLATFORM_WIN32_ANSI_H
#define KORDAVO_PLATFORM_WIN32_ANSI_H

#include <windows.h>

// Writes the `count` UTF-16 units at `wide` to `bytes` in the ANSI code page
// and returns how many bytes that took. Returns 0, and `bytes` holds nothing
// of use, when the units are no text, when they do not fit `capacity` bytes,
// or when the bytes would not read back as the same units: a character the
// code page lacks turns into its default character (?), and one it only has a
// look-alike for into that look-alike (∞ into 8 in code page 1252), and
// either would name another file or folder.
int ExactAnsi(const wchar_t* wide, int count, char* bytes, int capacity);

#endif  // KORDAVO_PLATFORM_WIN32_ANSI_H
