#include <string.h>

#include "conversion/conversion.h"
#include "conversion/literals.h"

namespace {

// Bytes that cmd reads as part of a path wherever they stand. Any other byte
// (a blank, & | < > ^ ( ) ; , = and the rest) makes the path go in quotes.
bool IsPlainPathByte(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte >= 0x80 ||
         (byte != '\0' && strchr("\\:._-*", byte) != nullptr);
}

Text QuotedWhereNeeded(Text path) {
  for (const char* byte = path.Bytes(); *byte != '\0'; ++byte) {
    if (!IsPlainPathByte(static_cast<unsigned char>(*byte))) {
      return JoinTexts({kQuote, path.Bytes(), kQuote});
    }
  }
  return path;
}

// No byte of a GBK character (nor of a UTF-8 one) is a quote, '*' or '?', so
// the name is looked at byte by byte.
Text WithoutDroppedBytes(const char* name) {
  char* block = ObtainBlock(strlen(name) + 1);
  char* end = block;
  for (; *name != '\0'; ++name) {
    if (strchr("\"*?", *name) == nullptr) *end++ = *name;
  }
  *end = '\0';
  return Text(block);
}

}  // namespace

Text CopyCommand(const char* folder, const char* typed_name) {
  const Text name = WithoutDroppedBytes(typed_name);
  if (strchr(folder, '%') != nullptr) folder = "";
  const char* separator = folder[0] != '\0' ? kPathSeparator : "";
  const Text source = QuotedWhereNeeded(JoinTexts({folder, separator, kPieceWildcard}));
  const Text destination =
      QuotedWhereNeeded(JoinTexts({folder, separator, name.Bytes(), kResultExtension}));
  return JoinTexts({kCopyPrefix, source.Bytes(), kArgumentSeparator, destination.Bytes()});
}
