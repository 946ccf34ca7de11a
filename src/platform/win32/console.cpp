// Console input and output through the C runtime's buffered standard streams,
// in text mode as the runtime opens them.
#include <stdio.h>
#include <string.h>

#include "platform/line_trim.h"
#include "platform/platform.h"

namespace {

constexpr int kLineCapacity = 2048;  // bytes of a line that ReadLine takes

}  // namespace

void WriteOutput(const char* bytes) {
  fputs(bytes, stdout);
}

Text ReadLine() {
  char line[kLineCapacity + 1];
  if (fgets(line, sizeof line, stdin) == nullptr) return Text();
  return CopyToText(line, TrimmedLineLength(line, strlen(line)));
}
