#include "platform/line_trim.h"

size_t TrimmedLineLength(const char* line, size_t length) {
  // Compared as unsigned bytes: as a signed char every GBK byte is negative.
  while (length > 0 && static_cast<unsigned char>(line[length - 1]) < 0x20) {
    --length;
  }
  return length;
}
