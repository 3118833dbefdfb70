#pragma once

#include <string>

// Text in UTF-8 written in a Windows code page, as the reader shows a book's bytes.
// False where the code page is unknown or the text holds a character that it cannot hold, or
// bytes that are no UTF-8; unwritable then names that character ("“Ж” (U+0416)").
bool FromUtf8(const std::string& text, unsigned codePage, std::string& out, std::string& unwritable);

// Windows' number for UTF-8 as a code page.
constexpr unsigned utf8CodePage = 65001;

// Whether this machine can write text in codePage.
bool KnownCodePage(unsigned codePage);

// A command-line argument in UTF-8: Windows hands a program's arguments over in its ANSI code
// page, POSIX systems in UTF-8.
std::string ArgumentInUtf8(const char* argument);

// The character of text that starts at byte at, as an unwritable one is named.
std::string NameOfCharacter(const std::string& text, std::size_t at);
