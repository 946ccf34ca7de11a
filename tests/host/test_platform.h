// A stand-in for the operating system in the host tests: the typed line, the
// working directory and whether a launch starts come from a script, and every
// write, read, launch and delay is recorded in order as one readable entry.
#ifndef KORDAVO_TESTS_HOST_TEST_PLATFORM_H
#define KORDAVO_TESTS_HOST_TEST_PLATFORM_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct Script {
  std::optional<std::string> line;    // what ReadLine gives; none: absent
  std::optional<std::string> folder;  // what GetWorkingDirectory gives
  bool launch_starts = true;
};

// Starts a new run with this script and an empty record.
void StartRun(Script script);

// Entries: "write:<bytes>", "read", "folder", "launch(wait|nowait):<line>",
// "delay:<ms>".
const std::vector<std::string>& RecordedCalls();

// Heap blocks obtained and not yet released: now, and when the last launch
// was made.
std::size_t LiveBlocks();
std::size_t LiveBlocksAtLaunch();

#endif  // KORDAVO_TESTS_HOST_TEST_PLATFORM_H
