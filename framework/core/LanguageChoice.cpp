#include "framework/core/LanguageChoice.h"

#include <algorithm>

namespace {

constexpr LanguageId PrimaryLanguage(LanguageId language) { return language & 0x3FF; }

} // namespace

LanguageId ChooseLanguage(LanguageId wanted, const std::vector<LanguageId>& available, LanguageId fallback) {
    if (std::find(available.begin(), available.end(), wanted) != available.end()) return wanted;
    const auto sameLanguage = std::find_if(available.begin(), available.end(), [&](LanguageId language) {
        return PrimaryLanguage(language) == PrimaryLanguage(wanted);
    });
    return sameLanguage != available.end() ? *sameLanguage : fallback;
}
