#include "platform/win32/ansi.h"

int ExactAnsi(const wchar_t* wide, int count, char* bytes, int capacity) {
  if (count <= 0 || count > MAX_PATH) return 0;
  // No flags: code page 65001 (UTF-8 as the ANSI code page) takes no others,
  // and the round trip below finds the default and best-fit characters in
  // every code page.
  const int length = WideCharToMultiByte(CP_ACP, 0, wide, count, bytes, capacity, nullptr, nullptr);
  if (length <= 0) return 0;
  wchar_t back[MAX_PATH];
  const int back_count = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, length, back, MAX_PATH);
  if (back_count != count) return 0;
  for (int i = 0; i < count; ++i) {
    if (back[i] != wide[i]) return 0;
  }
  return length;
}
