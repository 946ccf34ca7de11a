// The program's folder and the working directory.
#include <windows.h>

#include "platform/platform.h"

void EnterProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A path that filled the buffer was cut short, and its folder is not ours.
  if (length == 0 || length >= MAX_PATH) return;

  // Walk by characters, so that a GBK trail byte of 0x5C is passed over.
  DWORD last_separator = length;
  for (DWORD i = 0; i < length; ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < length) {
      ++i;
    } else if (path[i] == '\\') {
      last_separator = i;
    }
  }
  if (last_separator == length) return;

  // "D:" alone would select the drive's own current directory, which need not
  // be its root: keep the backslash of a root folder.
  const bool is_drive_root = last_separator == 2 && path[1] == ':';
  path[is_drive_root ? last_separator + 1 : last_separator] = '\0';
  SetCurrentDirectoryA(path);
}

Text GetWorkingDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, path);
  // A result of MAX_PATH or more is the size the path would need.
  if (length == 0 || length >= MAX_PATH) return Text();
  return CopyToText(path, length);
}
