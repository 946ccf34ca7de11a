#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "conversion/conversion.h"
#include "gbk.h"
#include "test_platform.h"

namespace {

const std::string kSeparator(61, '=');

std::vector<std::string> BannerWrites() {
  std::vector<std::string> writes;
  for (const std::string& line : {std::string("\r\n"), kSeparator, std::string("\r\n"),
                                  Gbk("欢迎使用Kordavo v1.0"), std::string("\r\n"),
                                  Gbk("程序开发：https://github.com/kordavo/kordavo"),
                                  std::string("\r\n"),
                                  Gbk("备注：程序一定要放到腾讯视频缓存目录才能转换成功！"),
                                  std::string("\r\n"),
                                  Gbk("请输入转换后的文件名并敲回车键，后面不要加：.MP4"),
                                  std::string("\r\n"), std::string("\r\n"), kSeparator,
                                  std::string("\r\n")}) {
    writes.push_back("write:" + line);
  }
  return writes;
}

TEST(RunConversion, BannerReadLaunchEchoAndPauseInOrderWhetherOrNotTheLaunchStarts) {
  for (bool launch_starts : {true, false}) {
    SCOPED_TRACE(launch_starts ? "launch starts" : "launch fails");
    StartRun({"movie", "D:\\Cache\\vod", launch_starts});

    EXPECT_EQ(RunConversion(), 0);

    std::vector<std::string> expected = BannerWrites();
    ASSERT_EQ(expected.size(), 14u);
    expected.insert(expected.end(), {
        "read",
        "folder",
        "launch(nowait):cmd /ccopy /b D:\\Cache\\vod\\*.tdl D:\\Cache\\vod\\movie.mp4",
        "write:copy /b D:\\Cache\\vod\\*.tdl D:\\Cache\\vod\\movie.mp4",
        "delay:3000",
    });
    EXPECT_EQ(RecordedCalls(), expected);
  }
}

TEST(RunConversion, ReleasesTheFolderBeforeTheLaunchAndEverythingByTheEnd) {
  StartRun({"movie", "D:\\Cache\\vod", true});
  RunConversion();
  // At the launch: the name, the copy command and the interpreter command line.
  EXPECT_EQ(LiveBlocksAtLaunch(), 3u);
  EXPECT_EQ(LiveBlocks(), 0u);
}

TEST(RunConversion, EndOfInputAndNoFolderStillLaunchAndEcho) {
  StartRun({std::nullopt, std::nullopt, true});
  EXPECT_EQ(RunConversion(), 0);
  const std::vector<std::string>& calls = RecordedCalls();
  ASSERT_EQ(calls.size(), 19u);
  EXPECT_EQ(calls[16], "launch(nowait):cmd /ccopy /b *.tdl .mp4");
  EXPECT_EQ(calls[17], "write:copy /b *.tdl .mp4");
}

struct CopyCase {
  const char* what;
  std::string folder;
  std::string name;
  std::string command;
};

TEST(CopyCommand, QuotesOnlyThePathsThatNeedItAndDropsQuotesAndWildcardsFromTheName) {
  const CopyCase cases[] = {
      {"plain folder", "D:\\Cache\\vod", "movie",
       "copy /b D:\\Cache\\vod\\*.tdl D:\\Cache\\vod\\movie.mp4"},
      {"folder with blanks", "D:\\My Videos\\cache", "movie",
       "copy /b \"D:\\My Videos\\cache\\*.tdl\" \"D:\\My Videos\\cache\\movie.mp4\""},
      {"folder with & and parentheses", "C:\\Program Files (x86)\\a&b", "m",
       "copy /b \"C:\\Program Files (x86)\\a&b\\*.tdl\" \"C:\\Program Files (x86)\\a&b\\m.mp4\""},
      {"name with &", "D:\\vod", "x & echo X> f & rem",
       "copy /b D:\\vod\\*.tdl \"D:\\vod\\x & echo X> f & rem.mp4\""},
      {"name with quotes", "D:\\vod", "x\" & echo X> f & rem \"",
       "copy /b D:\\vod\\*.tdl \"D:\\vod\\x & echo X> f & rem .mp4\""},
      {"name whose only odd bytes are quotes", "D:\\vod", "\"movie\"",
       "copy /b D:\\vod\\*.tdl D:\\vod\\movie.mp4"},
      {"blanks kept at both ends", "D:\\vod", "  movie  ",
       "copy /b D:\\vod\\*.tdl \"D:\\vod\\  movie  .mp4\""},
      {"percent left as typed", "D:\\vod", "%PATH%",
       "copy /b D:\\vod\\*.tdl \"D:\\vod\\%PATH%.mp4\""},
      {"wildcards dropped", "D:\\vod", "a*b?c**?", "copy /b D:\\vod\\*.tdl D:\\vod\\abc.mp4"},
      {"only wildcards and quotes", "D:\\vod", "*\"?", "copy /b D:\\vod\\*.tdl D:\\vod\\.mp4"},
      {"folder with percent: relative paths", "D:\\x%OS%y", "my movie",
       "copy /b *.tdl \"my movie.mp4\""},
      {"folder with a lone percent", Gbk("D:\\100%缓存"), "movie", "copy /b *.tdl movie.mp4"},
      {"empty name", "D:\\vod", "", "copy /b D:\\vod\\*.tdl D:\\vod\\.mp4"},
      {"extension typed as well", "D:\\vod", "movie.mp4",
       "copy /b D:\\vod\\*.tdl D:\\vod\\movie.mp4.mp4"},
      {"drive root", "D:\\", "movie", "copy /b D:\\\\*.tdl D:\\\\movie.mp4"},
      {"absent folder", "", "movie", "copy /b *.tdl movie.mp4"},
      {"absent folder, name with blank", "", "my movie", "copy /b *.tdl \"my movie.mp4\""},
      {"GBK folder and name, trail byte 0x5C", Gbk("D:\\乗\\腾讯视频"), Gbk("电影"),
       Gbk("copy /b D:\\乗\\腾讯视频\\*.tdl D:\\乗\\腾讯视频\\电影.mp4")},
      {"GBK with a full-width blank", Gbk("D:\\缓存"), Gbk("我的　电影"),
       Gbk("copy /b D:\\缓存\\*.tdl D:\\缓存\\我的　电影.mp4")},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.what);
    StartRun({});
    EXPECT_EQ(CopyCommand(c.folder.c_str(), c.name.c_str()).Bytes(), c.command);
    EXPECT_EQ(LiveBlocks(), 0u);
  }
}

TEST(JoinTexts, JoinsInOrderTakesNullAsEmptyAndAlwaysHasItsOwnBlock) {
  const Text joined = JoinTexts({"copy", nullptr, "", " /b", "!"});
  EXPECT_STREQ(joined.Bytes(), "copy /b!");

  const Text empty = JoinTexts({"", nullptr});
  EXPECT_FALSE(empty.IsAbsent());
  EXPECT_STREQ(empty.Bytes(), "");
}

}  // namespace
