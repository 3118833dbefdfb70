#pragma once

#include <cstddef>
#include <string>

// What the book tool knows of UTF-8 text and its marks, in one place.

// The length of the UTF-8 sequence that lead begins; 1 for ASCII and for a byte that begins none.
std::size_t Utf8SequenceLength(unsigned char lead);

// The marks that close a quotation or an aside (")", "]", "”", "’", "»") and those that open one
// ("(", "[", "“", "‘", "«", and Spanish "¿" and "¡"): the length of the one that text holds at
// byte at, or ends with, or 0 where there is none.
std::size_t ClosingMarkAt(const std::string& text, std::size_t at);
std::size_t OpeningMarkAt(const std::string& text, std::size_t at);
std::size_t ClosingMarkAtEnd(const std::string& text);
std::size_t OpeningMarkAtEnd(const std::string& text);
