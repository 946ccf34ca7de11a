// Expected texts are written in UTF-8 in the tests and turned into GBK here,
// by the C library's iconv, apart from the program's own hex escapes.
#ifndef KORDAVO_TESTS_HOST_GBK_H
#define KORDAVO_TESTS_HOST_GBK_H

#include <string>

std::string Gbk(const std::string& utf8);

#endif  // KORDAVO_TESTS_HOST_GBK_H
