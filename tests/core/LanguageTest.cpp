#include "core/Language.h"
#include "core/Encoding.h"
#include "core/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace numerava {
namespace {

TEST(Language, OnlyASlovakSystemStartsInSlovak) {
    const struct {
        uint16_t systemId;
        uint16_t language;
    } cases[] = {{1051, LanguageSlovak},
                 {1029, LanguageCzech},
                 {1033, LanguageCzech},
                 {0, LanguageCzech},
                 {0x081B, LanguageCzech}};
    for (const auto& c : cases) EXPECT_EQ(LanguageForSystem(c.systemId), c.language) << c.systemId;

    ChooseLanguageAtStart(1051);
    EXPECT_STREQ(ByLanguage("Dělení", "Delenie"), "Delenie");
    EXPECT_EQ(SystemLangId, 1051);
    ChooseLanguageAtStart(1029);
    EXPECT_STREQ(ByLanguage("Dělení", "Delenie"), "Dělení");
}

TEST(Encoding, DecodesWindows1250Letters) {
    // "Žluťoučký kůň" and "Ľúbica" as Windows-1250 bytes.
    EXPECT_EQ(DecodeWindows1250("\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2"), "Žluťoučký kůň");
    EXPECT_EQ(DecodeWindows1250("\xBC\xFA"
                                "bica"),
              "Ľúbica");
    EXPECT_EQ(DecodeWindows1250(""), "");
    // 0x98 is undefined in the code page: it becomes a replacement character, the rest survives.
    EXPECT_EQ(DecodeWindows1250("a\x98"
                                "b"),
              "a\xEF\xBF\xBD"
              "b");
    const std::string long1250(5000, '\xE8');
    EXPECT_EQ(CodePointCount(DecodeWindows1250(long1250)), 5000u);
}

TEST(Random, StaysInRangeAndFollowsTheGenerator) {
    SeedRandom(0);
    // seed 0 -> 1: (1 * 10) >> 32 = 0; the next seed is 134775814.
    EXPECT_EQ(Random(10), 0);
    EXPECT_EQ(RandSeed, 1u);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(RandSeed, 134775814u); // Random(0) still advances the generator

    SeedRandom(42);
    std::set<int32_t> seen;
    for (int i = 0; i < 10000; ++i) {
        const int32_t value = Random(7);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 7);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 7u);
}

} // namespace
} // namespace numerava
