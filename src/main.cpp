#include "conversion/conversion.h"
#include "platform/platform.h"

int main() {
  EnterProgramFolder();
  RunConversion();
  return 0;
}
