// The 2048-byte cap of ReadLine for a line that arrives one character at a
// time (from a console), kept apart from Windows so that it can be checked on
// its own.
#ifndef KORDAVO_PLATFORM_CAPPED_LINE_H
#define KORDAVO_PLATFORM_CAPPED_LINE_H

#include <stddef.h>

// Bytes of a line that ReadLine takes.
constexpr size_t kLineCapacity = 2048;

// The bytes taken of one line so far: whole characters only, and once a
// character does not fit, nothing after it either.
struct CappedLine {
  char bytes[kLineCapacity];
  size_t length;
  bool full;
};

// Appends the `length` bytes of one character, unless the line is full or
// they do not fit; then the line is full. A character of no bytes (one that
// was dropped) changes nothing.
void TakeCharacter(CappedLine& line, const char* bytes, size_t length);

#endif  // KORDAVO_PLATFORM_CAPPED_LINE_H
