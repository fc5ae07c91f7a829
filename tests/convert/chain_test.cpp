// The eleven conversion chains, checked on the texts they write before any display pass.
#include "engine_support.h"
#include "units.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <limits>

namespace {

using namespace convert;
using enum convert::Unit;
using enginesupport::kDotComma;

struct ChainCase
{
    const char *name;
    const char *unit; // the list item
    const char *entry;
    std::array<const char *, kUnitCount> expected; // in the order of kUnits; "*" is not checked
};

// clang-format off
const ChainCase kChains[] = {
    {"cup_one", "Cup", "1", {"48", "16", "8", "1", "0.5", "0.25", "0.0625", "236.5625", "23.65625", "2.365625", "0.2365625"}},
    {"liters_one_drops_digits_after_the_fifteenth", "Liters", "1", {"202.906208718643", "67.6354029062144", "33.8177014531072", "4.2272126816384", "2.1136063408192", "1.0568031704096", "0.2642007926024", "1000", "100", "10", "1"}},
    {"milliliters_3785_is_not_quite_one_gallon", "Milliliters", "3785", {"768.00000000006", "256.00000000002", "128.00000000001", "16.0000000000013", "8.00000000000064", "4.00000000000032", "1.00000000000008", "3785", "378.5", "37.85", "3.785"}},
    {"gallons_one", "Gallons", "1", {"768", "256", "128", "16", "8", "4", "1", "3785", "378.5", "37.85", "3.785"}},
    {"tablespoon_one_carries_the_rounded_sixth", "Tablespoon", "1", {"3", "1", "0.5000000000001", "0.0625000000000125", "*", "*", "*", "14.785156250003", "1.4785156250003", "*", "*"}},
    {"teaspoon_one", "Teaspoon", "1", {"1", "0.333333333333333", "0.1666666666667", "0.0208333333333375", "*", "*", "*", "4.92838541666764", "0.492838541666764", "*", "*"}},
    {"fluid_ounce_one", "Fluid Ounce", "1", {"6", "2", "1", "0.125", "0.0625", "0.03125", "0.0078125", "29.5703125", "2.95703125", "0.295703125", "0.0295703125"}},
    {"pints_one", "Pints", "1", {"96", "32", "16", "2", "1", "0.5", "0.125", "473.125", "47.3125", "4.73125", "0.473125"}},
    {"quarts_one", "Quarts", "1", {"192", "64", "32", "4", "2", "1", "0.25", "946.25", "94.625", "9.4625", "0.94625"}},
    {"centiliters_one", "Centiliters", "1", {"2.02906208718643", "0.676354029062144", "0.338177014531072", "0.042272126816384", "0.021136063408192", "0.010568031704096", "0.002642007926024", "10", "1", "0.1", "0.01"}},
    {"deciliters_one", "Deciliters", "1", {"20.2906208718643", "6.76354029062144", "3.38177014531072", "0.42272126816384", "0.21136063408192", "0.10568031704096", "0.02642007926024", "100", "10", "1", "0.1"}},
    {"source_box_gets_the_entry_text_itself", "Cup", "1e1", {"*", "*", "80", "1e1", "*", "*", "*", "*", "*", "*", "*"}},
    {"copied_entry_keeps_its_blanks_and_zeros", "Milliliters", " 2.50", {"*", "*", "*", "*", "*", "*", "*", " 2.50", "*", "*", "0.0025"}},
};
// clang-format on

using Chains = testing::TestWithParam<ChainCase>;

TEST_P(Chains, write_every_box_with_fifteen_digit_texts)
{
    const auto unit = findUnit(GetParam().unit);
    ASSERT_TRUE(unit);
    ResultTexts boxes;
    ASSERT_FALSE(runChain(*unit, GetParam().entry, boxes, kDotComma));
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        const std::string_view expected = GetParam().expected[i];
        EXPECT_FALSE(boxes[i].empty()) << kUnits[i].boxName;
        EXPECT_TRUE(expected == "*" || boxes[i] == expected) << kUnits[i].boxName << ": " << boxes[i];
    }
}

INSTANTIATE_TEST_SUITE_P(EveryUnit, Chains, testing::ValuesIn(kChains),
                         [](const auto &info) { return std::string(info.param.name); });

// Any list item finds its unit (the table above); nothing else does.
TEST(UnitLookup, is_exact_and_case_sensitive)
{
    for (const char *text : {"teaspoon", "Cups", "Liter", "", "Cup ", " Cup", "Tea", "FLUID OUNCE"})
        EXPECT_EQ(findUnit(text), std::nullopt) << '"' << text << '"';
}

TEST(ChainFailure, rounding_to_fifteen_digits_beyond_the_range_is_an_overflow)
{
    // fluid = gallon x 128 is exactly the largest double; its 15-digit text 1.79769313486232E+308 is not.
    std::array<char, 64> entry {};
    const auto end = std::to_chars(entry.begin(), entry.end(), std::numeric_limits<double>::max() / 128).ptr;
    ResultTexts boxes;
    EXPECT_EQ(runChain(Gallons, std::string(entry.data(), end), boxes, kDotComma), StepFailure::Overflow);
    EXPECT_TRUE(boxes[indexOf(FluidOunce)].empty());
    EXPECT_FALSE(boxes[indexOf(Pints)].empty());
}

} // namespace
