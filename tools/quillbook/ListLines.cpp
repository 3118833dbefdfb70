#include "tools/quillbook/ListLines.h"

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<ListLine> ListLines(const std::string& text) {
    std::vector<ListLine> lines;
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trimmed(text.substr(at, end - at));
        at = end + 1;
        ++number;
        if (!line.empty() && line[0] != '#') lines.push_back({line, number});
    }
    return lines;
}
