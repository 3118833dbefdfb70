#pragma once

#include <string>

// Windows' numbers for the system's ANSI code page and for UTF-8. The programs keep their text
// in UTF-8 and convert it where it meets a file or a function that is written in another.
constexpr unsigned ansiCodePage = 0;
constexpr unsigned utf8CodePage = 65001;

// Whether this machine converts text of codePage.
bool KnownCodePage(unsigned codePage);

// Text written in codePage, in UTF-8; bytes that are no character there become U+FFFD, and an
// unknown code page gives the text as it is.
std::string ToUtf8(const std::string& text, unsigned codePage);

// UTF-8 text written in codePage, where each character has its own byte there: no best-fit
// stand-ins. False where a character has none, or the text is no UTF-8; out then holds "?" for it.
bool FromUtf8(const std::string& text, unsigned codePage, std::string& out);
