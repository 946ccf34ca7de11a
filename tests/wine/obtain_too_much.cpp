// Asks the heap for a block it cannot give, which must end the process
// through the fatal report with exit status -1 and nothing written.
#include <stdint.h>

#include "platform/platform.h"

int main() {
  ObtainBlock(SIZE_MAX / 2);
  return 0;
}
