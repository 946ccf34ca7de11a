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

Text WithoutQuotes(const char* name) {
  char* block = ObtainBlock(strlen(name) + 1);
  char* end = block;
  for (; *name != '\0'; ++name) {
    if (*name != '"') *end++ = *name;
  }
  *end = '\0';
  return Text(block);
}

}  // namespace

Text CopyCommand(const char* folder, const char* typed_name) {
  const Text name = WithoutQuotes(typed_name);
  const char* separator = folder[0] != '\0' ? kPathSeparator : "";
  const Text source = QuotedWhereNeeded(JoinTexts({folder, separator, kPieceWildcard}));
  const Text destination =
      QuotedWhereNeeded(JoinTexts({folder, separator, name.Bytes(), kResultExtension}));
  return JoinTexts({kCopyPrefix, source.Bytes(), kArgumentSeparator, destination.Bytes()});
}
