#include "conversion/conversion.h"
#include "conversion/literals.h"

namespace {

// One write each, in this order; no banner line carries its own break.
constexpr const char* kBanner[] = {
    kLineBreak, kSeparator, kLineBreak, kWelcome, kLineBreak, kDeveloper, kLineBreak,
    kNotice,    kLineBreak, kPrompt,    kLineBreak, kLineBreak, kSeparator, kLineBreak,
};

constexpr int kClosingPauseMs = 3000;

}  // namespace

int RunConversion() {
  for (const char* line : kBanner) WriteOutput(line);

  const Text name = ReadLine();
  // The folder text and the interpreter command line are temporaries: each
  // is released as soon as its expression has used it.
  const Text copy_command = CopyCommand(GetWorkingDirectory().Bytes(), name.Bytes());
  RunCommandLine(JoinTexts({kInterpreterPrefix, copy_command.Bytes()}).Bytes(), false);

  // The interpreter may still be copying; the program neither waits for it
  // nor looks at how it went.
  WriteOutput(copy_command.Bytes());
  Delay(kClosingPauseMs);
  return 0;
}
