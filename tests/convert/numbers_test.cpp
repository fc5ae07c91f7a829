// Strict and leading readings, the general number text and the display formats.
#include "engine_support.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace convert;
using namespace enginesupport;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

// One input, what it must give, and the regional format it is read or written in.
template<typename Input, typename Expected> struct Row
{
    Input input;
    Expected expected;
    NumberFormat format = kDotComma;
};

TEST(StrictReading, reads_whole_numbers_only)
{
    // clang-format off
    const Row<const char *, std::optional<double>> cases[] = {
        {"1", 1}, {"-1", -1}, {"+2", 2}, {" 3 ", 3}, {"\t4\t", 4}, {"1.5", 1.5}, {".5", 0.5}, {"5.", 5},
        {"0.0", 0}, {"007", 7}, {"1,500", 1500}, {"1,500,000.25", 1500000.25}, {"1e3", 1000}, {"1E+3", 1000},
        {"2.5e-2", 0.025}, {"1,000e2", 1e5}, {"1.7976931348623157e308", kMax}, {"1e-400", 0},
        {"1e-99999999999999999999", 0}, {"0e99999999999", 0}, {"1,5", 1.5, kCommaDot},
        {"1.500", 1500, kCommaDot}, {"1.500,25", 1500.25, kCommaDot},
        {"1'234'567.5", 1234567.5, kDotApostrophe}, {"12\u2019345", 12345, kDotRightQuote},
        {"1\u202F000,5", 1000.5, kCommaNarrowSpace}, {"-2\u00A0000", -2000, kCommaNoBreakSpace},
        // Not numbers:
        {"", {}}, {" ", {}}, {"\t", {}}, {"abc", {}}, {"12abc", {}}, {"abc12", {}}, {"1,5", {}},
        {"1500,000", {}}, {"15,00", {}}, {"1,5000", {}}, {",500", {}}, {"1,", {}}, {"1,,000", {}},
        {"1.500,000", {}}, {"1.2.3", {}}, {".", {}}, {"-", {}}, {"+-1", {}}, {"- 1", {}}, {"1e", {}},
        {"1e+", {}}, {"e3", {}}, {"inf", {}}, {"nan", {}}, {"Infinity", {}}, {"0x1A", {}}, {"$5", {}},
        {"5$", {}}, {"(5)", {}}, {"1e400", {}}, {"-1e400", {}}, {"1e99999999999999999999", {}}, {"1 000", {}},
        {"\uFF11", {}}, {"1 .5", {}}, {"1.5", {}, kCommaDot}, {"1 000", {}, kCommaNarrowSpace},
        {"1,000", {}, kDotApostrophe},
    };
    // clang-format on
    for (const auto &[text, expected, format] : cases)
        EXPECT_EQ(readStrict(text, format), expected) << '"' << text << '"';
}

TEST(GeneralText, writes_at_most_fifteen_significant_digits)
{
    // clang-format off
    const Row<double, const char *> cases[] = {
        {0, "0"}, {-0.0, "0"}, {1000, "1000"}, {0.25, "0.25"}, {-0.5, "-0.5"}, {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"}, {1e14, "100000000000000"}, {1e15, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"}, {0.0001, "0.0001"}, {0.00001, "1E-05"},
        {1.5e-7, "1.5E-07"}, {1e23, "1E+23"}, {kMax, "1.79769313486232E+308"}, {0.25, "0,25", kCommaDot},
        {1.5e23, "1,5E+23", kCommaDot}, {1234567, "1234567", kCommaNarrowSpace},
    };
    // clang-format on
    for (const auto &[value, text, format] : cases)
        EXPECT_EQ(generalText(value, format), text);
}

TEST(LeadingReading, reads_the_longest_leading_number)
{
    // clang-format off
    const Row<const char *, double> cases[] = {
        {"  3.5kg", 3.5}, {"abc", 0}, {"-", 0}, {"1e3x", 1000}, {"1e+", 1}, {"1.2.3", 1.2}, {"1,5", 1},
        {"1,5", 1.5, kCommaDot}, {"1.5", 1.5, kCommaDot}, {"2,5E-07", 2.5e-7, kCommaDot},
        {"1.79769313486232E+308", kInf}, {"-1e400", -kInf}, {"-1e-400", -0.0},
    };
    // clang-format on
    for (const auto &[text, expected, format] : cases) {
        const double value = readLeading(text, format);
        EXPECT_EQ(value, expected) << '"' << text << '"';
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << '"' << text << '"';
    }
}

TEST(DisplayFormatting, rounds_ties_away_from_zero_and_groups_by_threes)
{
    constexpr auto Two = DisplayFormat::TwoDecimals;
    constexpr auto Four = DisplayFormat::FourDecimals;
    // clang-format off
    const Row<std::pair<double, DisplayFormat>, const char *> cases[] = {
        {{0.625, Two}, "0.63"}, {{1.005, Two}, "1.01"}, {{0.125, Two}, "0.13"}, {{-0.00625, Four}, "-0.0063"},
        {{2.5, Two}, "2.50"}, {{0.5, Two}, "0.50"}, {{123.454999, Two}, "123.45"},
        {{9.99995, Four}, "10.0000"}, {{0.00005, Four}, "0.0001"}, {{0.00004999, Four}, "0.0000"},
        {{-0.00004, Four}, "0.0000"}, {{-0.00005, Four}, "-0.0001"}, {{0, Four}, "0.0000"},
        {{-0.0, Four}, "0.0000"}, {{1e-300, Four}, "0.0000"}, {{5e-324, Four}, "0.0000"},
        {{-3785, Four}, "-3,785.0000"}, {{999.995, Two}, "1,000.00"},
        {{1234567.891, Two}, "1,234,567.89"}, {{1e23, Two}, "100,000,000,000,000,000,000,000.00"},
        {{123456789012345678.0, Two}, "123,456,789,012,346,000.00"},
        {{1234567.891, Two}, "1.234.567,89", kCommaDot},
        {{1234567.891, Two}, "1\u202F234\u202F567,89", kCommaNarrowSpace},
        {{-1234.5, Four}, "-1\u2019234.5000", kDotRightQuote}, {{999, Two}, "999.00", kDotApostrophe},
    };
    // clang-format on
    for (const auto &[input, text, format] : cases)
        EXPECT_EQ(formatForDisplay(input.first, input.second, format), text) << input.first;

    // The threshold itself, zero and negatives take four decimals.
    for (const auto &[value, pattern] :
         {std::pair {0.01, Four}, {std::nextafter(0.01, 1.0), Two}, {0.0, Four}, {-5.0, Four}})
        EXPECT_EQ(displayFormatFor(value), pattern) << value;
}

} // namespace
