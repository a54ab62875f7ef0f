#include "BirthdayOccurrences.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace qh {
namespace {

// ---- Birthday texts --------------------------------------------------------

struct TextCase {
    const char* text;
    std::optional<CivilDate> birthday;
};

class BirthdayTexts : public testing::TestWithParam<TextCase> {};

TEST_P(BirthdayTexts, AreReadAsYearMonthDay)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(ReadBirthdayText(QString::fromUtf8(c.text)), c.birthday) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, BirthdayTexts,
    testing::Values(TextCase{"1985-08-08", CivilDate{1985, 8, 8}},
                    TextCase{"1985-8-8", CivilDate{1985, 8, 8}},
                    TextCase{" 1985 - 08 -08  ", CivilDate{1985, 8, 8}},
                    TextCase{"2001-12-05", CivilDate{2001, 12, 5}},
                    TextCase{"1984-02-29", CivilDate{1984, 2, 29}},
                    TextCase{"1900-1-2", CivilDate{1900, 1, 2}},
                    TextCase{"9999-12-31", CivilDate{9999, 12, 31}}));

INSTANTIATE_TEST_SUITE_P(
    Refused, BirthdayTexts,
    testing::Values(TextCase{"1985-02-30", std::nullopt}, TextCase{"1985-02-29", std::nullopt},
                    TextCase{"1900-1-1", std::nullopt}, TextCase{"1900-01-01", std::nullopt},
                    TextCase{"1985-13-01", std::nullopt}, TextCase{"1985-00-10", std::nullopt},
                    TextCase{"0-1-1", std::nullopt}, TextCase{"10000-1-1", std::nullopt},
                    TextCase{"1985/08/08", std::nullopt}, TextCase{"1985.08.08", std::nullopt},
                    TextCase{"08-08", std::nullopt}, TextCase{"1985-08", std::nullopt},
                    TextCase{"1985-08-08-01", std::nullopt}, TextCase{"-1985-08-08", std::nullopt},
                    TextCase{"1985--08", std::nullopt}, TextCase{"19 85-08-08", std::nullopt},
                    TextCase{"1985-08-08 10:30", std::nullopt}, TextCase{"10:30", std::nullopt},
                    TextCase{"+1985-08-08", std::nullopt}, TextCase{"１９８５-08-08", std::nullopt},
                    TextCase{"1985-08-0x8", std::nullopt},
                    TextCase{"99999999999-1-1", std::nullopt}));

TEST(BirthdayStoredText, HasFourDigitYearBareMonthTwoDigitDay)
{
    EXPECT_EQ(BirthdayStoredText({1985, 8, 8}), "1985-8-08");
    EXPECT_EQ(BirthdayStoredText({2001, 12, 5}), "2001-12-05");
    EXPECT_EQ(BirthdayStoredText({5, 1, 1}), "0005-1-01");
}

// ---- Year counts -----------------------------------------------------------

struct CountCase {
    const char* text;
    int currentYear;
    std::optional<int> count;
};

class YearCounts : public testing::TestWithParam<CountCase> {};

TEST_P(YearCounts, AreWholeNumbersWhoseSpanEndsByTheYear9999)
{
    const CountCase& c = GetParam();
    EXPECT_EQ(ReadYearCount(QString::fromUtf8(c.text), c.currentYear), c.count) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, YearCounts,
    testing::Values(CountCase{"10", 2010, 10}, CountCase{" 3 ", 2010, 3}, CountCase{"0", 2010, 0},
                    CountCase{"-1", 2010, -1}, CountCase{"-2", 2010, -2},
                    CountCase{"-3", 2010, -3}, CountCase{"-2000000000", 2010, -2000000000},
                    CountCase{"7988", 2010, 7988}, CountCase{"7989", 2010, std::nullopt},
                    CountCase{"2147483647", 2010, std::nullopt},
                    CountCase{"99999999999", 2010, std::nullopt},
                    CountCase{"", 2010, std::nullopt}, CountCase{"十", 2010, std::nullopt},
                    CountCase{"1.5", 2010, std::nullopt}, CountCase{"10年", 2010, std::nullopt},
                    CountCase{"0x10", 2010, std::nullopt}));

// ---- Occurrences -----------------------------------------------------------

// With -2 the span is December 31 of the previous year alone; below it is
// empty.
TEST(BirthdayOccurrences, NegativeCounts)
{
    // Lunar 2009-11-16 is 2009-12-31.
    const auto found = FindBirthdayOccurrences({2000, 11, 16}, 2010, -2);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].date, "2009-12-31 ");
    EXPECT_TRUE(FindBirthdayOccurrences({2000, 11, 15}, 2010, -2).empty());
    EXPECT_TRUE(FindBirthdayOccurrences({2000, 11, 16}, 2010, -3).empty());
    EXPECT_TRUE(FindBirthdayOccurrences({2000, 11, 16}, 2010, -2000000000).empty());
}

// The span of ten years from 2010 runs from 2010-01-03 to 2021-12-31, both
// ends included.
TEST(BirthdayOccurrences, SpanEndsAreIncluded)
{
    // Lunar 2009-11-19 is 2010-01-03; lunar 2009-11-18 is 2010-01-02.
    EXPECT_EQ(FindBirthdayOccurrences({2000, 11, 19}, 2010, 10).back().date, "2010-01-03 ");
    EXPECT_EQ(FindBirthdayOccurrences({2000, 11, 18}, 2010, 10).back().date, "2010-12-23 ");
    // Lunar 2021-11-28 is 2021-12-31.
    EXPECT_EQ(FindBirthdayOccurrences({2000, 11, 28}, 2010, 10).front().date, "2021-12-31 ");
}

// The longest span allowed from 2010 ends on 9999-12-31 and, one leap day
// short per four years, starts on 2015-04-21; only lunar 2015 to 2056 lie
// in it, with the repeated eighth month of 2052.
TEST(BirthdayOccurrences, HugeCountsStopAtTheEndOfTheTable)
{
    const auto found = FindBirthdayOccurrences({1985, 8, 8}, 2010, 7988);
    ASSERT_EQ(found.size(), 43u);
    EXPECT_EQ(found.front().date, "2056-09-17 ");
    EXPECT_EQ(found.back().date, "2015-09-20 ");
}

} // namespace
} // namespace qh
