// The eleven conversion chains, checked on the texts they write before any display pass.
#include "test_formats.h"
#include "units.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using convert::ResultTexts;
using convert::Unit;
using enum convert::Unit;

struct ChainCase
{
    const char *name;
    Unit unit;
    std::string entry;
    std::vector<std::pair<Unit, std::string>> expected;
};

void PrintTo(const ChainCase &c, std::ostream *os)
{
    *os << c.name;
}

class ChainTexts : public testing::TestWithParam<ChainCase>
{
};

TEST_P(ChainTexts, writes_the_fifteen_digit_texts)
{
    const ChainCase &c = GetParam();
    ResultTexts boxes;
    ASSERT_FALSE(convert::runChain(c.unit, c.entry, boxes, testformats::kDotComma));
    for (const auto &[box, text] : c.expected)
        EXPECT_EQ(boxes[convert::indexOf(box)], text) << convert::boxName(box);
}

// Every chain writes all eleven boxes.
TEST_P(ChainTexts, leaves_no_box_empty)
{
    const ChainCase &c = GetParam();
    ResultTexts boxes;
    ASSERT_FALSE(convert::runChain(c.unit, c.entry, boxes, testformats::kDotComma));
    for (const auto &info : convert::kUnits)
        EXPECT_FALSE(boxes[convert::indexOf(info.unit)].empty()) << info.boxName;
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, ChainTexts,
    testing::Values(
        ChainCase {"cup_one",
                   Cup,
                   "1",
                   {{Teaspoon, "48"},
                    {Tablespoon, "16"},
                    {FluidOunce, "8"},
                    {Cup, "1"},
                    {Pints, "0.5"},
                    {Quarts, "0.25"},
                    {Gallons, "0.0625"},
                    {Milliliters, "236.5625"},
                    {Liters, "0.2365625"},
                    {Deciliters, "2.365625"},
                    {Centiliters, "23.65625"}}},
        ChainCase {"liters_one_drops_digits_after_the_fifteenth",
                   Liters,
                   "1",
                   {{Milliliters, "1000"},
                    {Gallons, "0.2642007926024"},
                    {Pints, "2.1136063408192"},
                    {Quarts, "1.0568031704096"},
                    {FluidOunce, "33.8177014531072"},
                    {Teaspoon, "202.906208718643"},
                    {Tablespoon, "67.6354029062144"},
                    {Cup, "4.2272126816384"},
                    {Deciliters, "10"},
                    {Centiliters, "100"},
                    {Liters, "1"}}},
        ChainCase {"milliliters_3785_is_not_quite_one_gallon",
                   Milliliters,
                   "3785",
                   {{Liters, "3.785"},
                    {Gallons, "1.00000000000008"},
                    {Pints, "8.00000000000064"},
                    {Quarts, "4.00000000000032"},
                    {FluidOunce, "128.00000000001"},
                    {Teaspoon, "768.00000000006"},
                    {Tablespoon, "256.00000000002"},
                    {Cup, "16.0000000000013"},
                    {Deciliters, "37.85"},
                    {Centiliters, "378.5"},
                    {Milliliters, "3785"}}},
        ChainCase {"gallons_one",
                   Gallons,
                   "1",
                   {{Pints, "8"},
                    {Quarts, "4"},
                    {FluidOunce, "128"},
                    {Teaspoon, "768"},
                    {Tablespoon, "256"},
                    {Cup, "16"},
                    {Milliliters, "3785"},
                    {Liters, "3.785"},
                    {Deciliters, "37.85"},
                    {Centiliters, "378.5"},
                    {Gallons, "1"}}},
        ChainCase {"tablespoon_one_carries_the_rounded_sixth",
                   Tablespoon,
                   "1",
                   {{Teaspoon, "3"},
                    {Tablespoon, "1"},
                    {FluidOunce, "0.5000000000001"},
                    {Cup, "0.0625000000000125"},
                    {Milliliters, "14.785156250003"},
                    {Centiliters, "1.4785156250003"}}},
        ChainCase {"teaspoon_one",
                   Teaspoon,
                   "1",
                   {{Teaspoon, "1"},
                    {Tablespoon, "0.333333333333333"},
                    {FluidOunce, "0.1666666666667"},
                    {Cup, "0.0208333333333375"},
                    {Milliliters, "4.92838541666764"},
                    {Centiliters, "0.492838541666764"}}},
        ChainCase {"fluid_ounce_one",
                   FluidOunce,
                   "1",
                   {{Teaspoon, "6"},
                    {Tablespoon, "2"},
                    {FluidOunce, "1"},
                    {Cup, "0.125"},
                    {Pints, "0.0625"},
                    {Quarts, "0.03125"},
                    {Gallons, "0.0078125"},
                    {Milliliters, "29.5703125"},
                    {Liters, "0.0295703125"},
                    {Deciliters, "0.295703125"},
                    {Centiliters, "2.95703125"}}},
        ChainCase {"pints_one",
                   Pints,
                   "1",
                   {{Pints, "1"},
                    {Cup, "2"},
                    {FluidOunce, "16"},
                    {Teaspoon, "96"},
                    {Tablespoon, "32"},
                    {Quarts, "0.5"},
                    {Gallons, "0.125"},
                    {Milliliters, "473.125"},
                    {Liters, "0.473125"},
                    {Deciliters, "4.73125"},
                    {Centiliters, "47.3125"}}},
        ChainCase {"quarts_one",
                   Quarts,
                   "1",
                   {{Quarts, "1"},
                    {Gallons, "0.25"},
                    {Pints, "2"},
                    {FluidOunce, "32"},
                    {Teaspoon, "192"},
                    {Tablespoon, "64"},
                    {Cup, "4"},
                    {Milliliters, "946.25"},
                    {Liters, "0.94625"},
                    {Deciliters, "9.4625"},
                    {Centiliters, "94.625"}}},
        ChainCase {"centiliters_one",
                   Centiliters,
                   "1",
                   {{Centiliters, "1"},
                    {Liters, "0.01"},
                    {Deciliters, "0.1"},
                    {Milliliters, "10"},
                    {Gallons, "0.002642007926024"},
                    {Pints, "0.021136063408192"},
                    {Quarts, "0.010568031704096"},
                    {FluidOunce, "0.338177014531072"},
                    {Teaspoon, "2.02906208718643"},
                    {Tablespoon, "0.676354029062144"},
                    {Cup, "0.042272126816384"}}},
        ChainCase {"deciliters_one",
                   Deciliters,
                   "1",
                   {{Deciliters, "1"},
                    {Centiliters, "10"},
                    {Liters, "0.1"},
                    {Milliliters, "100"},
                    {Gallons, "0.02642007926024"},
                    {Pints, "0.21136063408192"},
                    {Quarts, "0.10568031704096"},
                    {FluidOunce, "3.38177014531072"},
                    {Teaspoon, "20.2906208718643"},
                    {Tablespoon, "6.76354029062144"},
                    {Cup, "0.42272126816384"}}},
        ChainCase {"source_box_gets_the_entry_text_itself", Cup, "1e1", {{Cup, "1e1"}, {FluidOunce, "80"}}},
        ChainCase {"copied_entry_keeps_blanks_and_trailing_zeros",
                   Milliliters,
                   " 2.50",
                   {{Milliliters, " 2.50"}, {Liters, "0.0025"}}}),
    [](const testing::TestParamInfo<ChainCase> &info) { return std::string(info.param.name); });

struct LookupCase
{
    const char *name;
    std::string text;
    std::optional<Unit> expected;
};

class UnitLookup : public testing::TestWithParam<LookupCase>
{
};

TEST_P(UnitLookup, compares_exactly_and_case_sensitively)
{
    EXPECT_EQ(convert::findUnit(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnitLookup,
                         testing::Values(LookupCase {"lower_case_teaspoon", "teaspoon", std::nullopt},
                                         LookupCase {"plural_cups", "Cups", std::nullopt},
                                         LookupCase {"singular_liter", "Liter", std::nullopt},
                                         LookupCase {"empty", "", std::nullopt},
                                         LookupCase {"trailing_blank", "Cup ", std::nullopt},
                                         LookupCase {"leading_blank", " Cup", std::nullopt},
                                         LookupCase {"prefix", "Tea", std::nullopt},
                                         LookupCase {"fluid_ounce", "Fluid Ounce", FluidOunce},
                                         LookupCase {"teaspoon", "Teaspoon", Teaspoon},
                                         LookupCase {"cup", "Cup", Cup},
                                         LookupCase {"liters", "Liters", Liters}),
                         [](const testing::TestParamInfo<LookupCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(UnitTable, lists_the_eleven_items_in_order_with_their_boxes)
{
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Teaspoon", "txttsp"},   {"Tablespoon", "txttbl"}, {"Fluid Ounce", "txtfluid"},
        {"Cup", "txtcup"},        {"Pints", "txtpint"},     {"Quarts", "txtquart"},
        {"Gallons", "txtgallon"}, {"Milliliters", "txtml"}, {"Centiliters", "txtcl"},
        {"Deciliters", "txtdl"},  {"Liters", "txtliter"},
    };
    ASSERT_EQ(convert::kUnits.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(convert::kUnits[i].text, expected[i].first);
        EXPECT_EQ(convert::kUnits[i].boxName, expected[i].second);
        EXPECT_EQ(convert::findUnit(expected[i].first), convert::kUnits[i].unit);
    }
}

TEST(ChainFailure, overflow_stops_at_the_failing_step)
{
    ResultTexts boxes;
    boxes.fill("old");
    EXPECT_EQ(convert::runChain(Liters, "1E+306", boxes, testformats::kDotComma),
              convert::StepFailure::Overflow);
    for (const auto &info : convert::kUnits) {
        const std::string expected = info.unit == Liters ? "1E+306" : "old";
        EXPECT_EQ(boxes[convert::indexOf(info.unit)], expected) << info.boxName;
    }
}

TEST(ChainFailure, rounding_to_fifteen_digits_beyond_the_range_is_an_overflow)
{
    // fluid = gallon x 128 is exactly the largest double, whose 15-digit text
    // 1.79769313486232E+308 no longer fits.
    std::array<char, 64> entry {};
    const auto end
        = std::to_chars(entry.data(), entry.data() + entry.size(), std::numeric_limits<double>::max() / 128)
              .ptr;
    ResultTexts boxes;
    EXPECT_EQ(convert::runChain(Gallons, std::string(entry.data(), end), boxes, testformats::kDotComma),
              convert::StepFailure::Overflow);
    EXPECT_TRUE(boxes[convert::indexOf(FluidOunce)].empty());
    EXPECT_FALSE(boxes[convert::indexOf(Pints)].empty());
}

TEST(ChainFailure, unreadable_entry_is_a_type_mismatch)
{
    ResultTexts boxes;
    EXPECT_EQ(convert::runChain(Teaspoon, "abc", boxes, testformats::kDotComma),
              convert::StepFailure::TypeMismatch);
    EXPECT_EQ(boxes[convert::indexOf(Teaspoon)], "abc");
}

TEST(ChainFailure, tiny_results_are_written_not_failed)
{
    ResultTexts boxes;
    EXPECT_FALSE(convert::runChain(Milliliters, "1e-321", boxes, testformats::kDotComma));
    EXPECT_EQ(boxes[convert::indexOf(Liters)], "0");
}

} // namespace
