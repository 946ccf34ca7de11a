// WriteOutput for the build that the screenshot is taken of, in place of
// src/platform/win32/console_output.cpp.
//
// Windows' own msvcrt.dll hands the bytes the program writes to a console
// on unchanged, and the console shows them in its code page (936 on a
// Chinese Windows). Wine's msvcrt instead turns each byte written to a
// console into a character of its own, so GBK text shows as Latin letters.
// Writing the bytes to the console handle directly, as Windows' msvcrt does,
// makes Wine's console show what Windows' console shows.
#include <windows.h>

#include <string.h>

#include "platform/platform.h"

void WriteOutput(const char* bytes) {
  DWORD written;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes, static_cast<DWORD>(strlen(bytes)), &written,
            nullptr);
}
