// What Kordavo needs from the operating system, and nothing more.
//
// The conversion procedure sees Windows only through this header. The real
// implementations live in src/platform/win32/; the host unit tests link a
// test platform in their place that scripts the input and records every
// write, launch and delay.
//
// Encoding: every byte string here is zero-terminated and in the system's
// ANSI code page (GBK, code page 936, on the machines Kordavo is made for).
// Where Windows gives a text in UTF-16 (the program's path, the working
// directory, a console's typed characters) the platform reads it so and
// turns it into ANSI bytes only where these name it exactly; the output is
// written as bytes, unconverted.
//
// Failure: apart from running out of memory, no operation reports an error.
// A failed call turns into a neutral result (an absent text, false, nothing
// written) and the caller goes on.
#ifndef KORDAVO_PLATFORM_PLATFORM_H
#define KORDAVO_PLATFORM_PLATFORM_H

#include <stddef.h>

// Obtains a block of `size` bytes from the process heap. Never returns null:
// when the block cannot be obtained the process ends through ReportFatal with
// the message "分配 <size> 字节内存失败!" and exit status -1.
char* ObtainBlock(size_t size);

// Gives a block from ObtainBlock back to the heap. Null is ignored.
void ReleaseBlock(char* block);

// A zero-terminated byte string that owns its heap block. The empty text has
// no block at all (it is absent); an absent text reads as "". A Text is moved,
// never copied, and releases its block when it goes out of scope or is
// assigned another text. Its bytes are never changed once made.
class Text {
 public:
  Text() = default;
  // Takes ownership of `block`, which came from ObtainBlock (or is null).
  explicit Text(char* block) : block_(block) {}
  Text(Text&& other) : block_(other.block_) { other.block_ = nullptr; }
  Text& operator=(Text&& other) {
    if (this != &other) {
      ReleaseBlock(block_);
      block_ = other.block_;
      other.block_ = nullptr;
    }
    return *this;
  }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text() { ReleaseBlock(block_); }

  bool IsAbsent() const { return block_ == nullptr; }
  const char* Bytes() const { return block_ ? block_ : ""; }

 private:
  char* block_ = nullptr;
};

// A new text holding the `length` bytes at `bytes`; absent when length is 0.
Text CopyToText(const char* bytes, size_t length);

// Makes the folder that holds the running executable the working directory.
// The folder is the module's UTF-16 path up to its last backslash, so any
// folder is entered, whatever the ANSI code page can name (and a GBK trail
// byte of 0x5C never comes into it). For a program in a drive's root the
// folder is that root with its backslash (D:\), so the root itself is entered
// and not the drive's own current directory. A path without a backslash, a
// path of 260 UTF-16 units or more, or a folder that cannot be entered leaves
// the working directory as it was.
void EnterProgramFolder();

// Writes the bytes through the buffered standard output stream in text mode:
// each line feed goes out as carriage return plus line feed, so a "\r\n"
// reaches a file or pipe as 0x0D 0x0D 0x0A. No line break is added. On a
// console the bytes show at once; redirected, they are flushed at the latest
// when the process ends normally. Write errors are ignored.
void WriteOutput(const char* bytes);

// Reads one typed line, and takes at most 2048 bytes of it, never half a
// character. Every byte below 0x20 at the end of what was taken is removed
// (see TrimmedLineLength). Absent when the result is empty, at the end of
// input and on a read error.
// - From a console: the console's own UTF-16 characters (ReadConsoleW, the
//   console mode as it is, so its own echo and editing work), each turned
//   into the ANSI code page or dropped when the code page cannot hold it
//   exactly. The whole line is read, however long, so nothing of it is left
//   in the console's input. Ctrl+C or Ctrl+Break during the read ends the
//   process at once as those keys do by default (exit status
//   STATUS_CONTROL_C_EXIT, 0xC000013A): ReadLine does not return.
// - From a pipe or file: bytes through the buffered standard input stream in
//   text mode (carriage return plus line feed arrives as a line feed). When
//   byte 2048 would be the first of a double-byte character, 2047 are taken;
//   the rest of a longer line stays unread.
Text ReadLine();

// The working directory: no backslash at the end except for a drive's root
// (D:\). Absent when it cannot be read, when its ANSI bytes would not name it
// exactly (a character the code page lacks, or has only a look-alike for),
// and when those bytes are 260 or more.
Text GetWorkingDirectory();

// Starts `command_line` as a new process (CreateProcessA: no application
// name, so the system searches for the program named first; no handle
// inheritance; the caller's console, environment and working directory; a
// normal window). Returns false, having started nothing, when the process
// cannot be started. Otherwise, with `wait_for_exit` false it waits at most
// 1000 ms for the process to become idle for input, with true it waits until
// the process has ended; then it closes both handles and returns true. The
// process is not tracked afterwards.
bool RunCommandLine(const char* command_line, bool wait_for_exit);

// Blocks the calling thread for `milliseconds`; a negative count is taken as 0.
void Delay(int milliseconds);

// Shows an error box without an owner window (caption "错误", the error icon,
// the text "运行时出错!\r\n\r\n错误信息：<message>\r\n"), and after it is
// closed ends the process at once with exit status -1. Uses no heap memory.
[[noreturn]] void ReportFatal(const char* message);

#endif  // KORDAVO_PLATFORM_PLATFORM_H
