// Text blocks on the process heap.
#include <windows.h>

#include "platform/fatal_text.h"
#include "platform/platform.h"

char* ObtainBlock(size_t size) {
  void* block = HeapAlloc(GetProcessHeap(), 0, size);
  if (block == nullptr) ReportFatal(AllocationFailureMessage(size).bytes);
  return static_cast<char*>(block);
}

void ReleaseBlock(char* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}
