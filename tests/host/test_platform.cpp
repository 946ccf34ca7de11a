#include "test_platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/platform.h"

namespace {

Script script;
std::vector<std::string> calls;
std::size_t live_blocks = 0;
std::size_t live_blocks_at_launch = 0;

Text TextOf(const std::optional<std::string>& bytes) {
  return bytes ? CopyToText(bytes->data(), bytes->size()) : Text();
}

}  // namespace

void StartRun(Script next) {
  script = std::move(next);
  calls.clear();
  live_blocks_at_launch = 0;
}

const std::vector<std::string>& RecordedCalls() { return calls; }
std::size_t LiveBlocks() { return live_blocks; }
std::size_t LiveBlocksAtLaunch() { return live_blocks_at_launch; }

char* ObtainBlock(size_t size) {
  char* block = static_cast<char*>(std::malloc(size));
  if (block == nullptr) ReportFatal("out of memory in the test platform");
  ++live_blocks;
  return block;
}

void ReleaseBlock(char* block) {
  if (block == nullptr) return;
  --live_blocks;
  std::free(block);
}

void WriteOutput(const char* bytes) { calls.push_back(std::string("write:") + bytes); }

Text ReadLine() {
  calls.push_back("read");
  return TextOf(script.line);
}

Text GetWorkingDirectory() {
  calls.push_back("folder");
  return TextOf(script.folder);
}

bool RunCommandLine(const char* command_line, bool wait_for_exit) {
  calls.push_back(std::string(wait_for_exit ? "launch(wait):" : "launch(nowait):") + command_line);
  live_blocks_at_launch = live_blocks;
  return script.launch_starts;
}

void Delay(int milliseconds) { calls.push_back("delay:" + std::to_string(milliseconds)); }

void ReportFatal(const char* message) {
  std::fprintf(stderr, "ReportFatal: %s\n", message);
  std::abort();
}
