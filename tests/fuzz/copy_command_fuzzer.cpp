// Fuzzes the copy command built from a program folder and a typed line.
//
// Input: the folder's bytes, a zero byte, then the bytes the user typed.
// The folder keeps only bytes a Windows path can hold; the line goes through
// what ReadLine does with it (up to the first line feed, at most 2048 bytes,
// control bytes at the end removed). Every command must then read
//   copy /b <source> <destination>
// where each path is either in double quotes, with no quote inside, or bare
// and made only of bytes cmd reads as part of a path; and the paths must be
// <folder>\*.tdl and <folder>\<name>.mp4, the name as typed but for its
// quotes, '*' and '?' (no folder and no backslash when the folder is empty
// or holds '%'); no '%' may reach the command but a typed one.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>

#include "conversion/conversion.h"
#include "platform/line_trim.h"
#include "test_platform.h"

namespace {

void Require(bool holds, const char* what, const std::string& command) {
  if (holds) return;
  fprintf(stderr, "copy command fault: %s\ncommand: [%s]\n", what, command.c_str());
  abort();
}

bool IsPlainPathByte(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte >= 0x80 || strchr("\\:._-*", byte) != nullptr;
}

bool CanBeInAPath(unsigned char byte) {
  return byte >= 0x20 && strchr("\"<>|?*", byte) == nullptr;
}

// Reads one path at `at`: quoted, or bare up to the next blank.
std::string ReadPath(const std::string& command, size_t& at) {
  if (at < command.size() && command[at] == '"') {
    const size_t end = command.find('"', at + 1);
    Require(end != std::string::npos, "a quote is not closed", command);
    std::string path = command.substr(at + 1, end - at - 1);
    at = end + 1;
    return path;
  }
  const size_t end = std::min(command.find(' ', at), command.size());
  std::string path = command.substr(at, end - at);
  for (unsigned char byte : path) {
    Require(IsPlainPathByte(byte), "a byte cmd reads apart stands outside quotes", command);
  }
  at = end;
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const char* split = static_cast<const char*>(memchr(bytes, '\0', size));
  if (split == nullptr) return 0;

  std::string folder;
  for (const char* byte = bytes; byte < split; ++byte) {
    if (CanBeInAPath(static_cast<unsigned char>(*byte))) folder += *byte;
  }
  // As fgets takes it: through the line feed, at most 2048 bytes; then, as
  // a zero-terminated string, up to the first zero byte.
  std::string line(split + 1, bytes + size);
  const size_t line_feed = line.find('\n');
  line.resize(std::min(line_feed == std::string::npos ? line.size() : line_feed + 1, size_t{2048}));
  line.resize(std::min(line.find('\0'), line.size()));
  line.resize(TrimmedLineLength(line.data(), line.size()));

  std::string name;
  for (char byte : line) {
    if (strchr("\"*?", byte) == nullptr) name += byte;
  }
  const std::string kept_folder = folder.find('%') == std::string::npos ? folder : "";
  const std::string separator = kept_folder.empty() ? "" : "\\";

  StartRun({});
  {
    const Text text = CopyCommand(folder.c_str(), line.c_str());
    const std::string command = text.Bytes();
    const std::string prefix = "copy /b ";
    Require(command.compare(0, prefix.size(), prefix) == 0, "no copy /b at the start", command);
    size_t at = prefix.size();
    const std::string source = ReadPath(command, at);
    Require(at < command.size() && command[at] == ' ', "no blank after the source", command);
    ++at;
    const std::string destination = ReadPath(command, at);
    Require(at == command.size(), "more after the destination", command);
    Require(source == kept_folder + separator + "*.tdl", "the source is not the folder's pieces",
            command);
    Require(destination == kept_folder + separator + name + ".mp4",
            "the destination does not read back as the typed name", command);
    Require(std::count(command.begin(), command.end(), '%') ==
                std::count(name.begin(), name.end(), '%'),
            "a '%' of the folder reaches cmd", command);
  }
  Require(LiveBlocks() == 0, "a block was not released", "");
  return 0;
}
