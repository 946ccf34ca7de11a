// The end-of-line rule of ReadLine, kept apart from the stream so that it can
// be checked on its own.
#ifndef KORDAVO_PLATFORM_LINE_TRIM_H
#define KORDAVO_PLATFORM_LINE_TRIM_H

#include <stddef.h>

// The length of `line` (of `length` bytes) once every byte below 0x20 at its
// end is removed: the line feed, a carriage return and any other control
// bytes, back to the last byte of 0x20 or above. Blanks and bytes of 0x80 and
// above (GBK) always stay, as does everything before the last of them.
size_t TrimmedLineLength(const char* line, size_t length);

#endif  // KORDAVO_PLATFORM_LINE_TRIM_H
