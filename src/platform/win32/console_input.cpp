// The typed line: from a console as the console's own UTF-16 characters, and
// from a pipe or file as bytes through the C runtime's buffered standard
// input stream, in text mode as the runtime opens it.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "platform/capped_line.h"
#include "platform/line_trim.h"
#include "platform/platform.h"
#include "platform/win32/ansi.h"

namespace {

// Whether the last of `length` bytes is the first byte of a double-byte
// character whose second byte was not taken.
bool EndsInsideACharacter(const char* bytes, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(bytes[i]))) {
      if (i + 1 == length) return true;
      ++i;
    }
  }
  return false;
}

Text ReadStreamLine() {
  char line[kLineCapacity + 1];
  if (fgets(line, sizeof line, stdin) == nullptr) return Text();
  size_t length = strlen(line);
  // A line cut at the cap can end in half a GBK character; that byte is left
  // unread with the rest of the line, so the name holds whole characters.
  if (length == kLineCapacity && EndsInsideACharacter(line, length)) {
    ungetc(static_cast<unsigned char>(line[length - 1]), stdin);
    --length;
  }
  return CopyToText(line, TrimmedLineLength(line, length));
}

// Reads the console's line to its end, whatever its length, so that nothing
// of it is left for the interpreter, which shares the console and may ask
// whether to overwrite a file. The console's input code page plays no part:
// the bytes that ReadFile gives there need not be in the ANSI code page at
// all (under the UTF-8 option of Windows 10 every non-ASCII character comes
// as a zero byte).
Text ReadConsoleLine(HANDLE input, DWORD mode) {
  // Line input, the console's usual mode, ends a line with "\r\n"; without
  // it Enter gives "\r" alone.
  const wchar_t line_end = (mode & ENABLE_LINE_INPUT) != 0 ? L'\n' : L'\r';
  CappedLine line = {};
  wchar_t units[256];
  DWORD carried = 0;  // a high surrogate whose low half comes with the next read
  for (bool ended = false; !ended;) {
    DWORD read = 0;
    SetLastError(ERROR_SUCCESS);
    const BOOL ok = ReadConsoleW(input, units + carried, ARRAYSIZE(units) - carried, &read, nullptr);
    // Ctrl+C or Ctrl+Break cuts a console read short: it returns no
    // characters and ERROR_OPERATION_ABORTED, where a finished line always
    // holds at least its line end. The user asked to stop, so the process
    // ends as those keys end it by default, and no copy is started.
    if ((ok && read == 0) || (!ok && GetLastError() == ERROR_OPERATION_ABORTED)) {
      ExitProcess(STATUS_CONTROL_C_EXIT);
    }
    if (!ok) break;

    const DWORD count = carried + read;
    carried = 0;
    for (DWORD i = 0; i < count && !ended;) {
      if (IS_HIGH_SURROGATE(units[i]) && i + 1 == count) {
        units[0] = units[i];
        carried = 1;
        break;
      }
      const int width = IS_HIGH_SURROGATE(units[i]) && IS_LOW_SURROGATE(units[i + 1]) ? 2 : 1;
      ended = units[i] == line_end;
      // A character that the ANSI code page cannot hold is dropped.
      char bytes[8];
      const int length = ExactAnsi(units + i, width, bytes, sizeof bytes);
      TakeCharacter(line, bytes, static_cast<size_t>(length));
      i += width;
    }
  }
  return CopyToText(line.bytes, TrimmedLineLength(line.bytes, line.length));
}

}  // namespace

Text ReadLine() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(input, &mode)) return ReadConsoleLine(input, mode);
  return ReadStreamLine();
}
