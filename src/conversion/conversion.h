// The conversion procedure: the banner, the typed name, and the copy command
// that has the command interpreter join the pieces.
#ifndef KORDAVO_CONVERSION_CONVERSION_H
#define KORDAVO_CONVERSION_CONVERSION_H

#include <initializer_list>

#include "platform/platform.h"

// Runs the dialogue once: the banner, one typed line, the launch of
// "cmd /c<copy command>" without waiting for it, the echo of the copy command
// and a pause of 3000 ms. Returns 0; nothing it meets is an error to it.
int RunConversion();

// A new text of the pieces one after another; a null piece counts as "".
// The result always has a block of its own, even when it is empty.
Text JoinTexts(std::initializer_list<const char*> pieces);

// The copy command for the pieces in `folder` and the typed name:
//   copy /b <folder>\*.tdl <folder>\<name>.mp4
// An empty folder (the working directory could not be read or named) gives
// the relative paths *.tdl and <name>.mp4, which the interpreter takes in the
// working directory it inherits; so does a folder that holds '%', since cmd
// would expand %NAME% in it, quotes or not. Every '"', '*' and '?' of the
// name is dropped: no file name holds one, a quote would end the quoting and
// the others make copy's destination a wildcard. Each path that holds a byte
// other than ASCII letters and digits, bytes of 0x80 and above and
// \ : . _ - * is put in double quotes, where cmd takes blanks and
// & | < > ^ ( ) ; , = as plain characters.
Text CopyCommand(const char* folder, const char* typed_name);

#endif  // KORDAVO_CONVERSION_CONVERSION_H
