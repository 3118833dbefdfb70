#include "framework/core/LanguageChoice.h"

#include <gtest/gtest.h>

namespace {

constexpr LanguageId englishUs = 0x0409, spanish = 0x000A, spanishOfSpain = 0x0C0A, spanishOfMexico = 0x080A,
                     german = 0x0407, englishUk = 0x0809, portugueseOfBrazil = 0x0416;

} // namespace

TEST(ChooseLanguage, TakesTheUsersLanguageInAnyCountryAndElseTheFallback) {
    const std::vector<LanguageId> englishAndSpanish{englishUs, spanish};
    EXPECT_EQ(ChooseLanguage(spanishOfSpain, englishAndSpanish, englishUs), spanish);
    EXPECT_EQ(ChooseLanguage(spanishOfMexico, englishAndSpanish, englishUs), spanish);
    EXPECT_EQ(ChooseLanguage(spanish, englishAndSpanish, englishUs), spanish);
    EXPECT_EQ(ChooseLanguage(englishUk, englishAndSpanish, englishUs), englishUs);
    EXPECT_EQ(ChooseLanguage(german, englishAndSpanish, englishUs), englishUs);
    EXPECT_EQ(ChooseLanguage(portugueseOfBrazil, englishAndSpanish, englishUs), englishUs);
    EXPECT_EQ(ChooseLanguage(spanishOfMexico, {englishUs}, englishUs), englishUs);
}

TEST(ChooseLanguage, PrefersTheUsersOwnCountryWhereTheTextsHaveIt) {
    const std::vector<LanguageId> available{englishUs, spanishOfSpain, spanishOfMexico};
    EXPECT_EQ(ChooseLanguage(spanishOfMexico, available, englishUs), spanishOfMexico);
    EXPECT_EQ(ChooseLanguage(spanish, available, englishUs), spanishOfSpain);
    EXPECT_EQ(ChooseLanguage(englishUk, {spanish, englishUs}, spanish), englishUs);
}
