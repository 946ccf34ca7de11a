// The real platform under Wine, with code page 936 as on a Chinese Windows.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace {

class PlatformTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 936u) << "the tests expect the ANSI code page of a Chinese Windows";
    wchar_t temp[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    folder_ = std::wstring(temp) + L"kordavo-platform-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    GetCurrentDirectoryW(MAX_PATH, start_);
  }
  void TearDown() override { SetCurrentDirectoryW(start_); }

  std::wstring folder_;
  wchar_t start_[MAX_PATH];
};

std::string Ansi(const std::wstring& wide) {
  char bytes[1024];
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
  return std::string(bytes, length > 0 ? length - 1 : 0);
}

TEST_F(PlatformTest, WorkingDirectoryIsAbsentFromTwoHundredSixtyBytesOn) {
  // 缓 is two bytes in GBK and one UTF-16 unit, so the path grows past 260
  // bytes while Windows itself still takes it as a short path.
  const std::string base = Ansi(folder_);
  for (size_t bytes : {259u, 260u, 300u}) {
    SCOPED_TRACE(bytes);
    const size_t name_bytes = bytes - base.size() - 1;
    std::wstring name(name_bytes / 2, L'\x7F13');
    if (name_bytes % 2 != 0) name += L'a';
    const std::wstring path = folder_ + L"\\" + name;
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_EQ(Ansi(path).size(), bytes);
    ASSERT_TRUE(SetCurrentDirectoryW(path.c_str()));

    const Text directory = GetWorkingDirectory();
    if (bytes < 260) {
      EXPECT_EQ(directory.Bytes(), Ansi(path));
    } else {
      EXPECT_TRUE(directory.IsAbsent());
    }
  }
}

TEST_F(PlatformTest, WorkingDirectoryHasNoBackslashAtTheEndButARoot) {
  ASSERT_TRUE(SetCurrentDirectoryW((folder_ + L"\\").c_str()));
  EXPECT_EQ(GetWorkingDirectory().Bytes(), Ansi(folder_));
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  EXPECT_STREQ(GetWorkingDirectory().Bytes(), "C:\\");
}

TEST_F(PlatformTest, WorkingDirectoryIsAbsentWhereGbkCannotNameIt) {
  // Thai ก has no GBK form: its ANSI text would be "?", another folder.
  const std::wstring path = folder_ + L"\\\x0E01";
  ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  ASSERT_TRUE(SetCurrentDirectoryW(path.c_str()));
  EXPECT_TRUE(GetWorkingDirectory().IsAbsent());
}

TEST_F(PlatformTest, LaunchOfAMissingProgramStartsNothing) {
  EXPECT_FALSE(RunCommandLine("kordavo-no-such-program /c exit", false));
  EXPECT_FALSE(RunCommandLine("kordavo-no-such-program /c exit", true));
}

TEST_F(PlatformTest, LaunchWithWaitReturnsOnceTheProcessHasEnded) {
  ASSERT_TRUE(SetCurrentDirectoryW(folder_.c_str()));
  DeleteFileA("launched.txt");
  ASSERT_TRUE(RunCommandLine("cmd /cecho launched> launched.txt", true));
  EXPECT_NE(GetFileAttributesA("launched.txt"), INVALID_FILE_ATTRIBUTES);
  DeleteFileA("launched.txt");

  EXPECT_TRUE(RunCommandLine("cmd /cexit", false));
}

double Milliseconds(void (*action)()) {
  LARGE_INTEGER frequency, before, after;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&before);
  action();
  QueryPerformanceCounter(&after);
  return 1000.0 * static_cast<double>(after.QuadPart - before.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

TEST_F(PlatformTest, DelayTakesNegativeAsZero) {
  EXPECT_LT(Milliseconds([] { Delay(-5); }), 50.0);
  EXPECT_GE(Milliseconds([] { Delay(300); }), 299.0);
}

TEST_F(PlatformTest, ReadLineTakesAtMost2048BytesAndTrimsTheEnd) {
  ASSERT_TRUE(SetCurrentDirectoryW(folder_.c_str()));
  const std::string long_line(3000, 'a');
  const std::string split_at_cap = std::string(2047, 'b') + "\xB5\xE7";  // 电 across the cap
  const std::string input = "movie\r\n  two blanks  \r\n\x01\x02\r\n\r\n\xB5\xE7\xD3\xB0\r\n" +
                            long_line + "\r\n" + split_at_cap + "\r\nlast";
  FILE* file = fopen("input.txt", "wb");
  ASSERT_NE(file, nullptr);
  fwrite(input.data(), 1, input.size(), file);
  fclose(file);
  ASSERT_NE(freopen("input.txt", "r", stdin), nullptr);

  const std::vector<std::string> expected = {
      "movie", "  two blanks  ", "", "", "\xB5\xE7\xD3\xB0",  // 电影
      long_line.substr(0, 2048), long_line.substr(2048),
      std::string(2047, 'b'), "\xB5\xE7",  // the character is left whole for the next read
      "last", "",
  };
  for (const std::string& line : expected) {
    const Text text = ReadLine();
    EXPECT_EQ(text.IsAbsent(), line.empty());
    EXPECT_EQ(text.Bytes(), line);
  }
  fclose(stdin);
  DeleteFileA("input.txt");
}

}  // namespace
