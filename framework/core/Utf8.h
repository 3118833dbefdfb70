#pragma once

#include <cstddef>
#include <string>

// The length of the UTF-8 sequence that lead begins; 1 for ASCII and for a byte that begins none.
std::size_t Utf8SequenceLength(unsigned char lead);

// The character whose UTF-8 sequence begins at byte at of text, moving at past it. A sequence cut
// short, or a byte that begins none, is U+FFFD, one byte long.
char32_t NextCodePoint(const std::string& text, std::size_t& at);
