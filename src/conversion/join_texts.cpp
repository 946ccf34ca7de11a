#include <string.h>

#include "conversion/conversion.h"

Text JoinTexts(std::initializer_list<const char*> pieces) {
  size_t total = 0;
  for (const char* piece : pieces) {
    if (piece != nullptr) total += strlen(piece);
  }
  char* block = ObtainBlock(total + 1);
  char* end = block;
  for (const char* piece : pieces) {
    if (piece == nullptr) continue;
    const size_t length = strlen(piece);
    memcpy(end, piece, length);
    end += length;
  }
  *end = '\0';
  return Text(block);
}
