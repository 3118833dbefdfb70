#pragma once

#include <cstddef>
#include <string>

// The marks of quotations and asides in UTF-8 text, in one place.

// The marks that close a quotation or an aside (")", "]", "”", "’", "»") and those that open one
// ("(", "[", "“", "‘", "«", and Spanish "¿" and "¡"): the length of the one that text holds at
// byte at, or ends with, or 0 where there is none.
std::size_t ClosingMarkAt(const std::string& text, std::size_t at);
std::size_t OpeningMarkAt(const std::string& text, std::size_t at);
std::size_t ClosingMarkAtEnd(const std::string& text);
std::size_t OpeningMarkAtEnd(const std::string& text);
