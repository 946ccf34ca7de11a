// Every text the program shows or hands on, as GBK bytes (code page 936).
// Hex escapes keep the bytes exact whatever the compiler's charset; each
// Chinese text is split from the ASCII after it so that no escape runs on.
#ifndef KORDAVO_CONVERSION_LITERALS_H
#define KORDAVO_CONVERSION_LITERALS_H

constexpr char kLineBreak[] = "\r\n";
constexpr char kSeparator[] = "=============================================================";

// 欢迎使用Kordavo v1.0
constexpr char kWelcome[] = "\xBB\xB6\xD3\xAD\xCA\xB9\xD3\xC3" "Kordavo v1.0";

// 程序开发：https://github.com/kordavo/kordavo
constexpr char kDeveloper[] = "\xB3\xCC\xD0\xF2\xBF\xAA\xB7\xA2\xA3\xBA"
                              "https://github.com/kordavo/kordavo";

// 备注：程序一定要放到腾讯视频缓存目录才能转换成功！
constexpr char kNotice[] =
    "\xB1\xB8\xD7\xA2\xA3\xBA\xB3\xCC\xD0\xF2\xD2\xBB\xB6\xA8\xD2\xAA\xB7\xC5\xB5\xBD"
    "\xCC\xDA\xD1\xB6\xCA\xD3\xC6\xB5\xBB\xBA\xB4\xE6\xC4\xBF\xC2\xBC\xB2\xC5\xC4\xDC"
    "\xD7\xAA\xBB\xBB\xB3\xC9\xB9\xA6\xA3\xA1";

// 请输入转换后的文件名并敲回车键，后面不要加：.MP4
constexpr char kPrompt[] =
    "\xC7\xEB\xCA\xE4\xC8\xEB\xD7\xAA\xBB\xBB\xBA\xF3\xB5\xC4\xCE\xC4\xBC\xFE\xC3\xFB"
    "\xB2\xA2\xC7\xC3\xBB\xD8\xB3\xB5\xBC\xFC\xA3\xAC\xBA\xF3\xC3\xE6\xB2\xBB\xD2\xAA"
    "\xBC\xD3\xA3\xBA" ".MP4";

// The copy command: "copy /b " source " " destination, where the source is
// <folder>\*.tdl and the destination <folder>\<name>.mp4.
constexpr char kCopyPrefix[] = "copy /b ";
constexpr char kArgumentSeparator[] = " ";
constexpr char kPathSeparator[] = "\\";
constexpr char kPieceWildcard[] = "*.tdl";
constexpr char kResultExtension[] = ".mp4";
constexpr char kQuote[] = "\"";

// Written against the command with no blank: cmd takes "/ccopy ..." as well.
constexpr char kInterpreterPrefix[] = "cmd /c";

#endif  // KORDAVO_CONVERSION_LITERALS_H
