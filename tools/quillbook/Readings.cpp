#include "tools/quillbook/Readings.h"

#include "framework/core/Utf8.h"
#include "reader/book/BookLayout.h"
#include "tools/quillbook/ListLines.h"

namespace {

bool IsUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();)
        if (NextCodePoint(text, at) == U'\uFFFD') return false;
    return true;
}

} // namespace

bool ReadReadings(const std::string& text, std::vector<ReadingsLine>& days, std::string& error) {
    days.clear();
    for (const auto& [line, number] : ListLines(text)) {
        const std::string at = "line " + std::to_string(number) + ": ";
        if (!IsUtf8(line)) {
            error = at + "is not UTF-8 text";
            return false;
        }
        if (days.size() == static_cast<std::size_t>(mostPlanDays)) {
            error = at + "a plan has at most " + std::to_string(mostPlanDays) + " days";
            return false;
        }
        ReadingsLine day{{}, number};
        for (std::size_t part = 0; part <= line.size();) {
            std::size_t semicolon = line.find(';', part);
            if (semicolon == std::string::npos) semicolon = line.size();
            const std::string passage = Trimmed(line.substr(part, semicolon - part));
            const auto reference = ReadPassageReference(passage);
            if (!reference) {
                error = at + (passage.empty() ? std::string("a reading is missing between two \";\"")
                                              : "\"" + passage.substr(0, 60) + "\" is not a passage");
                return false;
            }
            day.passages.push_back(*reference);
            part = semicolon + 1;
        }
        days.push_back(day);
    }
    if (days.empty()) error = "the file names no reading";
    return !days.empty();
}
