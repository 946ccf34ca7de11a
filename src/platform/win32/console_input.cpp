// Console input through the C runtime's buffered standard input stream, in
// text mode as the runtime opens it.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "platform/line_trim.h"
#include "platform/platform.h"

namespace {

constexpr size_t kLineCapacity = 2048;  // bytes of a line that ReadLine takes

// Whether the last of `length` bytes is the first byte of a double-byte
// character whose second byte was not taken.
bool EndsInsideACharacter(const char* bytes, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(bytes[i]))) {
      if (i + 1 == length) return true;
      ++i;
    }
  }
  return false;
}

}  // namespace

Text ReadLine() {
  char line[kLineCapacity + 1];
  if (fgets(line, sizeof line, stdin) == nullptr) return Text();
  size_t length = strlen(line);
  // A line cut at the cap can end in half a GBK character; that byte is left
  // unread with the rest of the line, so the name holds whole characters.
  if (length == kLineCapacity && EndsInsideACharacter(line, length)) {
    ungetc(static_cast<unsigned char>(line[length - 1]), stdin);
    --length;
  }
  return CopyToText(line, TrimmedLineLength(line, length));
}
