#include <string.h>

#include "platform/platform.h"

Text CopyToText(const char* bytes, size_t length) {
  if (length == 0) return Text();
  char* block = ObtainBlock(length + 1);
  memcpy(block, bytes, length);
  block[length] = '\0';
  return Text(block);
}
