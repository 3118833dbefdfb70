#include "tools/quillbook/PdbWriter.h"

#include "reader/book/BookLayout.h"

namespace {

void PutBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out += static_cast<char>(value >> shift & 0xFF);
}

} // namespace

std::string WritePalmDatabase(const std::string& name, const std::vector<std::string>& records,
                              std::uint32_t palmTime) {
    const auto count = static_cast<std::uint32_t>(records.size());
    std::string out = name.substr(0, 31);
    out.resize(32, '\0');
    PutBigEndian(out, 0, 2);        // attributes
    PutBigEndian(out, 0, 2);        // version
    PutBigEndian(out, palmTime, 4); // creation date
    PutBigEndian(out, palmTime, 4); // modification date
    PutBigEndian(out, 0, 4);        // backup date
    PutBigEndian(out, 0, 4);        // modification number
    PutBigEndian(out, 0, 4);        // app-info offset
    PutBigEndian(out, 0, 4);        // sort-info offset
    out += "VRSEQUIL";              // type and creator
    PutBigEndian(out, count, 4);    // unique-ID seed
    PutBigEndian(out, 0, 4);        // next record list
    PutBigEndian(out, count, 2);

    auto offset = static_cast<std::uint32_t>(RecordListEnd(count) + 2);
    for (std::uint32_t i = 0; i < count; ++i) {
        PutBigEndian(out, offset, 4);
        PutBigEndian(out, i + 1, 4); // attributes 0 and a unique ID
        offset += static_cast<std::uint32_t>(records[i].size());
    }
    out.append(2, '\0');
    for (const std::string& record : records)
        out += record;
    return out;
}
