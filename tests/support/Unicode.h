#pragma once

#include <string>

// UTF-8 text as Windows' wide functions take it, and wide text as UTF-8: the tests' own
// conversions, apart from the programs'.
std::wstring WideOf(const std::string& utf8);
std::string Utf8Of(const std::wstring& wide);
