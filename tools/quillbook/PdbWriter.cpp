#include "tools/quillbook/PdbWriter.h"

#include "reader/book/BookLayout.h"

namespace {

// Writes value big-endian into field, at base within out.
void Put(std::string& out, std::uint64_t base, BookField field, std::uint32_t value) {
    for (std::uint32_t i = 0; i < field.size; ++i)
        out[base + field.offset + i] = static_cast<char>(value >> 8 * (field.size - 1 - i) & 0xFF);
}

void PutText(std::string& out, BookField field, const std::string& text) {
    out.replace(field.offset, text.size(), text);
}

} // namespace

std::string WritePalmDatabase(const std::string& name, const std::vector<std::string>& records, std::uint32_t palmTime,
                              const BookInfo& info) {
    const auto count = static_cast<std::uint32_t>(records.size());
    const std::uint64_t infoStart = RecordListEnd(count) + recordListGap;
    const std::uint64_t dataStart = infoStart + bookInfo::size;
    std::string out(dataStart, '\0');
    PutText(out, header::name, name.substr(0, header::name.size - 1));
    Put(out, 0, header::creationDate, palmTime);
    Put(out, 0, header::modificationDate, palmTime);
    PutText(out, header::type, "VRSE");
    PutText(out, header::creator, "QUIL");
    Put(out, 0, header::uniqueIdSeed, count);
    Put(out, 0, header::recordCount, count);
    Put(out, 0, header::appInfoOffset, static_cast<std::uint32_t>(infoStart));
    out.replace(infoStart + bookInfo::tagField.offset, bookInfo::tagField.size, bookInfo::tag);
    Put(out, infoStart, bookInfo::kind, static_cast<std::uint32_t>(info.kind));
    Put(out, infoStart, bookInfo::codePage, info.codePage);
    Put(out, infoStart, bookInfo::planDays, info.planDays);

    auto offset = static_cast<std::uint32_t>(dataStart);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t entry = RecordListEnd(i);
        Put(out, entry, recordEntry::dataOffset, offset);
        Put(out, entry, recordEntry::uniqueId, i + 1);
        offset += static_cast<std::uint32_t>(records[i].size());
    }
    for (const std::string& record : records)
        out += record;
    return out;
}
