// The texts of the fatal report. They are built in fixed buffers because the
// report must work when the heap has nothing left to give.
#ifndef KORDAVO_PLATFORM_FATAL_TEXT_H
#define KORDAVO_PLATFORM_FATAL_TEXT_H

#include <stddef.h>

struct FatalText {
  char bytes[256];  // zero-terminated GBK
};

// "分配 <size> 字节内存失败!", the size in decimal.
FatalText AllocationFailureMessage(size_t size);

// "运行时出错!\r\n\r\n错误信息：<message>\r\n". A message too long for the
// buffer is cut at a character boundary, so the line break always ends it.
FatalText FatalReportText(const char* message);

// "错误", the caption of the report.
extern const char kFatalCaption[];

#endif  // KORDAVO_PLATFORM_FATAL_TEXT_H
