#pragma once

#include "reader/book/BookLayout.h"

#include <cstdint>
#include <string>
#include <vector>

// Seconds from 1904-01-01, the Palm epoch, to 1970-01-01.
constexpr std::uint32_t palmEpochOffset = 2082844800u;

// The bytes of a Palm Database holding records in order: the 78-byte header with name (cut to
// 31 bytes) and the creation and modification date palmTime, the record list, two bytes of gap,
// the app-info block that says info, then the records. At most 65535 records.
std::string WritePalmDatabase(const std::string& name, const std::vector<std::string>& records, std::uint32_t palmTime,
                              const BookInfo& info = {});
