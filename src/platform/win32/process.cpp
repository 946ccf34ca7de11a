// Starting the command interpreter, and waiting.
#include <windows.h>

#include "platform/platform.h"

bool RunCommandLine(const char* command_line, bool wait_for_exit) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};

  // CreateProcessA converts the line to UTF-16 and hands that copy on; the
  // caller's bytes are left as they are, so the text needs no copy here.
  if (!CreateProcessA(nullptr, const_cast<char*>(command_line), nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  if (wait_for_exit) {
    WaitForSingleObject(process.hProcess, INFINITE);
  } else {
    WaitForInputIdle(process.hProcess, 1000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void Delay(int milliseconds) {
  Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds));
}
