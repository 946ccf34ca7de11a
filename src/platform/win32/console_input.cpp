// Console input through the C runtime's buffered standard input stream, in
// text mode as the runtime opens it.
#include <stdio.h>
#include <string.h>

#include "platform/line_trim.h"
#include "platform/platform.h"

namespace {

constexpr int kLineCapacity = 2048;  // bytes of a line that ReadLine takes

}  // namespace

Text ReadLine() {
  char line[kLineCapacity + 1];
  if (fgets(line, sizeof line, stdin) == nullptr) return Text();
  return CopyToText(line, TrimmedLineLength(line, strlen(line)));
}
