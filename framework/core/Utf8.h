#pragma once

#include <cstddef>
#include <string>

// The length of the UTF-8 sequence that lead begins; 1 for ASCII and for a byte that begins none.
std::size_t Utf8SequenceLength(unsigned char lead);

// Appends the UTF-8 sequence of codePoint, U+0000 to U+10FFFF, to out.
void AppendUtf8(std::string& out, char32_t codePoint);

// The character whose UTF-8 sequence begins at byte at of text, moving at past it. A sequence cut
// short, or a byte that begins none, is U+FFFD, one byte long.
char32_t NextCodePoint(const std::string& text, std::size_t& at);

// How many UTF-16 units the UTF-8 bytes [from, to) of text take, as Windows counts its characters;
// and the byte where UTF-16 unit unit of text starts.
int Utf16Length(const std::string& text, std::size_t from, std::size_t to);
std::size_t ByteOfUtf16Unit(const std::string& text, int unit);
