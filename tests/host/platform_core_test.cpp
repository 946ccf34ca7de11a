#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "gbk.h"
#include "platform/capped_line.h"
#include "platform/fatal_text.h"
#include "platform/line_trim.h"
#include "platform/platform.h"
#include "test_platform.h"

namespace {

TEST(TrimmedLineLength, RemovesOnlyTheControlBytesAtTheEnd) {
  const struct {
    std::string line;
    std::string kept;
  } cases[] = {
      {"movie\n", "movie"},
      {"movie\r\n", "movie"},
      {"movie  \n", "movie  "},             // trailing blanks stay
      {"a\tb\x01\t\x1b\n", "a\tb"},         // back to the last byte of 0x20 or above
      {"\t movie\n", "\t movie"},           // nothing before it is touched
      {"\n", ""},
      {"\x01\x02\r\n", ""},
      {"movie", "movie"},                   // a line cut at the cap has no line feed
      {Gbk("电影\n"), Gbk("电影")},          // GBK bytes are not control bytes
      {"\xFF\x80\n", "\xFF\x80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(TrimmedLineLength(c.line.data(), c.line.size()), c.kept.size());
  }
}

TEST(TakeCharacter, TakesWholeCharactersUpTo2048BytesAndNothingAfterOneThatDoesNotFit) {
  const std::string wide = Gbk("电");
  const struct {
    const char* what;
    size_t ascii_before;  // single bytes taken first
    std::string next;     // the character offered then ("" for a dropped one)
    size_t kept;          // bytes of the line then
    size_t kept_after_z;  // and after a further "z" is offered
  } cases[] = {
      {"a two-byte character that fits exactly", 2046, wide, 2048, 2048},
      {"a two-byte character across the cap", 2047, wide, 2047, 2047},
      {"a dropped character takes no room", 10, "", 10, 11},
      {"a dropped character at the cap", 2048, "", 2048, 2048},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CappedLine line = {};
    for (size_t i = 0; i < c.ascii_before; ++i) TakeCharacter(line, "a", 1);
    TakeCharacter(line, c.next.data(), c.next.size());
    EXPECT_EQ(line.length, c.kept);
    TakeCharacter(line, "z", 1);
    EXPECT_EQ(line.length, c.kept_after_z);
    EXPECT_EQ(std::string(line.bytes, line.length),
              std::string(c.ascii_before, 'a') + (c.kept > c.ascii_before ? c.next : "") +
                  (c.kept_after_z > c.kept ? "z" : ""));
  }
}

TEST(CopyToText, EmptyIsAbsentAndOtherBytesAreCopied) {
  EXPECT_TRUE(CopyToText("abc", 0).IsAbsent());
  const Text text = CopyToText("abc", 2);
  EXPECT_STREQ(text.Bytes(), "ab");
}

TEST(FatalText, AllocationFailureAndReportTexts) {
  EXPECT_EQ(std::string(AllocationFailureMessage(0).bytes), Gbk("分配 0 字节内存失败!"));
  EXPECT_EQ(std::string(AllocationFailureMessage(4294967295u).bytes),
            Gbk("分配 4294967295 字节内存失败!"));
  EXPECT_EQ(std::string(kFatalCaption), Gbk("错误"));

  const std::string message = AllocationFailureMessage(12).bytes;
  EXPECT_EQ(std::string(FatalReportText(message.c_str()).bytes),
            Gbk("运行时出错!\r\n\r\n错误信息：分配 12 字节内存失败!\r\n"));
}

TEST(FatalText, ALongMessageIsCutBetweenCharactersAndStillEndsTheLine) {
  std::string message;
  for (int i = 0; i < 200; ++i) message += Gbk("乗");
  const std::string report = FatalReportText(message.c_str()).bytes;
  const std::string head = Gbk("运行时出错!\r\n\r\n错误信息：");
  ASSERT_LT(report.size(), sizeof(FatalText::bytes));
  ASSERT_EQ(report.compare(0, head.size(), head), 0);
  ASSERT_EQ(report.substr(report.size() - 2), "\r\n");
  const std::string kept = report.substr(head.size(), report.size() - head.size() - 2);
  EXPECT_EQ(kept.size() % 2, 0u);
  EXPECT_EQ(kept, message.substr(0, kept.size()));
  EXPECT_GT(kept.size(), 200u);
}

}  // namespace
