// The program's folder and the working directory.
//
// Both are read in UTF-16, which holds every path Windows can have: the
// program's folder is entered whatever the ANSI code page can name, and the
// working directory is handed on in ANSI bytes only when they name it exactly.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/ansi.h"

void EnterProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  // A path that filled the buffer was cut short, and its folder is not ours.
  if (length == 0 || length >= MAX_PATH) return;

  DWORD last_separator = length;
  for (DWORD i = 0; i < length; ++i) {
    if (path[i] == L'\\') last_separator = i;
  }
  if (last_separator == length) return;

  // "D:" alone would select the drive's own current directory, which need not
  // be its root: keep the backslash of a root folder.
  const bool is_drive_root = last_separator == 2 && path[1] == L':';
  path[is_drive_root ? last_separator + 1 : last_separator] = L'\0';
  SetCurrentDirectoryW(path);
}

Text GetWorkingDirectory() {
  wchar_t wide[MAX_PATH];
  const DWORD count = GetCurrentDirectoryW(MAX_PATH, wide);
  // A result of MAX_PATH or more is the size the path would need.
  if (count == 0 || count >= MAX_PATH) return Text();
  // At most 259 bytes, so that the path and its zero fit 260.
  char path[MAX_PATH];
  const int length = ExactAnsi(wide, static_cast<int>(count), path, MAX_PATH - 1);
  return CopyToText(path, static_cast<size_t>(length));
}
