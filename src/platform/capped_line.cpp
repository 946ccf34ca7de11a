#include "platform/capped_line.h"

#include <string.h>

void TakeCharacter(CappedLine& line, const char* bytes, size_t length) {
  if (line.full) return;
  if (length > kLineCapacity - line.length) {
    line.full = true;
    return;
  }
  memcpy(line.bytes + line.length, bytes, length);
  line.length += length;
}
