// The one fatal path: an error box, then the end of the process.
#include <windows.h>

#include "platform/fatal_text.h"
#include "platform/platform.h"

void ReportFatal(const char* message) {
  // Nothing is flushed or released on the way out: the report stands for a
  // process that cannot go on, and ExitProcess ends it as it is.
  MessageBoxA(nullptr, FatalReportText(message).bytes, kFatalCaption, MB_OK | MB_ICONERROR);
  ExitProcess(static_cast<UINT>(-1));
}
