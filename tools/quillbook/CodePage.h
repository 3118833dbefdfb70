#pragma once

#include "framework/core/CodePage.h"

#include <string>

// Text in UTF-8 written in a Windows code page, as the reader shows a book's bytes.
// False where the code page is unknown or the text holds a character that it cannot hold, or
// bytes that are no UTF-8; out is then empty, and unwritable names that character
// ("“Ж” (U+0416)").
bool FromUtf8(const std::string& text, unsigned codePage, std::string& out, std::string& unwritable);

// The character of text that starts at byte at, as an unwritable one is named.
std::string NameOfCharacter(const std::string& text, std::size_t at);
