#include "tools/quillbook/DateArgument.h"

#include "framework/core/Calendar.h"

#include <cctype>
#include <cstring>

namespace {

int Digits(const char* text, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

} // namespace

bool ParseDateArgument(const char* text, Date& date) {
    static const char shape[] = "dddd-dd-dd";
    if (std::strlen(text) != sizeof shape - 1) return false;
    for (size_t i = 0; i < sizeof shape - 1; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if (shape[i] == 'd' ? !digit : text[i] != '-') return false;
    }
    date = {Digits(text, 4), Digits(text + 5, 2), Digits(text + 8, 2)};
    return date.year >= 1601 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.month, date.year);
}
