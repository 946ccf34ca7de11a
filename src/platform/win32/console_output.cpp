// Console output through the C runtime's buffered standard output stream, in
// text mode as the runtime opens it.
#include <stdio.h>

#include "platform/platform.h"

void WriteOutput(const char* bytes) {
  fputs(bytes, stdout);
}
