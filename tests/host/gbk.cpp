#include "gbk.h"

#include <iconv.h>

#include <cstdlib>
#include <cstdio>

std::string Gbk(const std::string& utf8) {
  iconv_t to_gbk = iconv_open("GBK", "UTF-8");
  if (to_gbk == reinterpret_cast<iconv_t>(-1)) {
    std::perror("iconv_open GBK");
    std::abort();
  }
  std::string gbk(utf8.size() * 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* out = gbk.data();
  size_t out_left = gbk.size();
  if (iconv(to_gbk, &in, &in_left, &out, &out_left) == static_cast<size_t>(-1)) {
    std::perror("iconv to GBK");
    std::abort();
  }
  iconv_close(to_gbk);
  gbk.resize(gbk.size() - out_left);
  return gbk;
}
