#include "platform/fatal_text.h"

#include <string.h>

namespace {

// Appends `bytes` to `text` at `*used`, as much as fits before `limit`
// (an offset in text.bytes); a GBK character is never split. Keeps the text
// zero-terminated.
void Append(FatalText& text, size_t& used, size_t limit, const char* bytes) {
  for (size_t i = 0; bytes[i] != '\0';) {
    const bool is_lead = static_cast<unsigned char>(bytes[i]) >= 0x81 &&
                         bytes[i + 1] != '\0';
    const size_t width = is_lead ? 2 : 1;
    if (used + width > limit) break;
    memcpy(text.bytes + used, bytes + i, width);
    used += width;
    i += width;
  }
  text.bytes[used] = '\0';
}

}  // namespace

const char kFatalCaption[] = "\xB4\xED\xCE\xF3";  // 错误

FatalText AllocationFailureMessage(size_t size) {
  char digits[24];
  size_t start = sizeof digits - 1;
  digits[start] = '\0';
  do {
    digits[--start] = static_cast<char>('0' + size % 10);
    size /= 10;
  } while (size != 0);

  FatalText text = {};
  size_t used = 0;
  const size_t limit = sizeof text.bytes - 1;
  Append(text, used, limit, "\xB7\xD6\xC5\xE4 ");  // 分配
  Append(text, used, limit, digits + start);
  Append(text, used, limit, " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");  // 字节内存失败!
  return text;
}

FatalText FatalReportText(const char* message) {
  static const char kHead[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"  // 运行时出错!
                              "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";           // 错误信息：
  static const char kTail[] = "\r\n";
  FatalText text = {};
  size_t used = 0;
  const size_t limit = sizeof text.bytes - sizeof kTail;
  Append(text, used, limit, kHead);
  Append(text, used, limit, message);
  Append(text, used, limit + sizeof kTail - 1, kTail);
  return text;
}
