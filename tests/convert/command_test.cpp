// The conversion command on an in-memory form: checks, messages, chain and display pass.
#include "command.h"
#include "memory_form.h"
#include "test_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using convert::Unit;
using enum convert::Unit;

constexpr const char *kEmptyAmount = "Please enter a number";
constexpr const char *kInvalidAmount = "That is an invalid Character,You must enter a number";
constexpr const char *kEmptyUnit
    = "Please Make a selection in the 'Select & Enter here Combo box' pull down menu";
constexpr const char *kTooLarge = "That number is too large to convert";

// A message as the user saw it, with the two input boxes as they stood at that moment.
struct Shown
{
    std::string prompt;
    std::string entry;
    std::string unit;
    bool operator==(const Shown &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Shown &shown)
{
    return os << '"' << shown.prompt << "\" entry=\"" << shown.entry << "\" unit=\"" << shown.unit << '"';
}

class RecordingForm : public convert::MemoryForm
{
public:
    RecordingForm(std::string amount, std::string unitText)
    {
        entry = std::move(amount);
        unit = std::move(unitText);
    }

    void showMessage(std::string_view prompt) override
    {
        MemoryForm::showMessage(prompt);
        shown.push_back({std::string(prompt), entry, unit});
    }

    void run(const convert::NumberFormat &format = testformats::kDotComma)
    {
        convert::runConversionCommand(*this, format);
    }

    const std::string &box(Unit unit) const { return results[convert::indexOf(unit)]; }

    std::vector<Shown> shown;
};

struct DisplayCase
{
    const char *name;
    std::string entry;
    std::string unit;
    std::vector<std::pair<Unit, std::string>> expected;
};

void PrintTo(const DisplayCase &c, std::ostream *os)
{
    *os << c.name;
}

class DisplayedResults : public testing::TestWithParam<DisplayCase>
{
};

TEST_P(DisplayedResults, show_the_expected_texts_without_messages)
{
    const DisplayCase &c = GetParam();
    RecordingForm form(c.entry, c.unit);
    form.run();
    EXPECT_TRUE(form.shown.empty());
    for (const auto &[box, text] : c.expected)
        EXPECT_EQ(form.box(box), text) << convert::boxName(box);
    EXPECT_EQ(form.entry, c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, DisplayedResults,
    testing::Values(
        DisplayCase {"cup_one",
                     "1",
                     "Cup",
                     {{Teaspoon, "48.00"},
                      {Tablespoon, "16.00"},
                      {FluidOunce, "8.00"},
                      {Cup, "1.00"},
                      {Pints, "0.50"},
                      {Quarts, "0.25"},
                      {Gallons, "0.06"},
                      {Milliliters, "236.56"},
                      {Centiliters, "23.66"},
                      {Deciliters, "2.37"},
                      {Liters, "0.24"}}},
        DisplayCase {"teaspoon_one",
                     "1",
                     "Teaspoon",
                     {{Teaspoon, "1.00"},
                      {Tablespoon, "0.33"},
                      {FluidOunce, "0.17"},
                      {Cup, "0.02"},
                      {Pints, "0.01"},
                      {Quarts, "0.0052"},
                      {Gallons, "0.0013"},
                      {Milliliters, "4.93"},
                      {Centiliters, "0.49"},
                      {Deciliters, "0.05"},
                      {Liters, "0.0049"}}},
        DisplayCase {"centiliters_one_meets_the_threshold",
                     "1",
                     "Centiliters",
                     {{Liters, "0.0100"}, {Quarts, "0.01"}, {Deciliters, "0.10"}}},
        DisplayCase {
            "gallons_million_groups_every_three_digits",
            "1000000",
            "Gallons",
            {{Milliliters, "3,785,000,000.00"}, {Teaspoon, "768,000,000.00"}, {Gallons, "1,000,000.00"}}},
        DisplayCase {"gallons_minus_one_shows_four_decimals",
                     "-1",
                     "Gallons",
                     {{Milliliters, "-3,785.0000"}, {Pints, "-8.0000"}, {Gallons, "-1.0000"}}},
        DisplayCase {
            "milliliters_exponent_form", "1e3", "Milliliters", {{Milliliters, "1,000.00"}, {Liters, "1.00"}}},
        DisplayCase {"tiny_negative_shows_no_minus", "-0.00001", "Milliliters", {{Milliliters, "0.0000"}}},
        DisplayCase {"grouped_entry", "1,500", "Milliliters", {{Milliliters, "1,500.00"}, {Liters, "1.50"}}},
        DisplayCase {"blanks_around_the_entry", " 2 ", "Cup", {{Cup, "2.00"}, {FluidOunce, "16.00"}}}),
    [](const testing::TestParamInfo<DisplayCase> &info) { return std::string(info.param.name); });

TEST(NegativeAmounts, every_box_has_four_decimals)
{
    RecordingForm form("-1", "Gallons");
    form.run();
    for (const auto &text : form.results)
        EXPECT_EQ(text.substr(text.size() - 5, 1), ".") << text;
}

// A run whose repairs left `unitAfter` in the unit box; boxes hold `before` going in.
struct RepairCase
{
    const char *name;
    std::string entry;
    std::string unit;
    std::vector<Shown> expectedMessages;
    std::string entryAfter;
    std::string unitAfter;
    std::string everyBoxAfter; // "" means: every box as before
};

void PrintTo(const RepairCase &c, std::ostream *os)
{
    *os << c.name;
}

class BadInput : public testing::TestWithParam<RepairCase>
{
};

TEST_P(BadInput, is_repaired_with_its_messages_in_order)
{
    const RepairCase &c = GetParam();
    RecordingForm form(c.entry, c.unit);
    form.results.fill("7.00");
    form.run();
    EXPECT_EQ(form.shown, c.expectedMessages);
    EXPECT_EQ(form.entry, c.entryAfter);
    EXPECT_EQ(form.unit, c.unitAfter);
    const std::string expectedBox = c.everyBoxAfter.empty() ? "7.00" : c.everyBoxAfter;
    for (const auto &text : form.results)
        EXPECT_EQ(text, expectedBox);
}

INSTANTIATE_TEST_SUITE_P(
    Repairs, BadInput,
    testing::Values(
        RepairCase {"empty_amount_is_zero_before_the_message_shows",
                    "",
                    "Liters",
                    {{kEmptyAmount, "0.0", "Liters"}},
                    "0.0",
                    "Liters",
                    "0.0000"},
        RepairCase {"letters", "abc", "Cup", {{kInvalidAmount, "0.0", "Cup"}}, "0.0", "Cup", "0.0000"},
        RepairCase {
            "number_then_letters", "12abc", "Cup", {{kInvalidAmount, "0.0", "Cup"}}, "0.0", "Cup", "0.0000"},
        RepairCase {"single_blank_is_not_empty",
                    " ",
                    "Cup",
                    {{kInvalidAmount, "0.0", "Cup"}},
                    "0.0",
                    "Cup",
                    "0.0000"},
        RepairCase {"decimal_comma_in_a_dot_format",
                    "1,5",
                    "Cup",
                    {{kInvalidAmount, "0.0", "Cup"}},
                    "0.0",
                    "Cup",
                    "0.0000"},
        RepairCase {"empty_amount_and_empty_unit",
                    "",
                    "",
                    {{kEmptyAmount, "0.0", ""}, {kEmptyUnit, "0.0", ""}},
                    "0.0",
                    "teaspoon",
                    ""},
        RepairCase {
            "empty_unit_written_after_the_message", "5", "", {{kEmptyUnit, "5", ""}}, "5", "teaspoon", ""},
        RepairCase {"unit_substitute_names_no_unit", "5", "teaspoon", {}, "5", "teaspoon", ""},
        RepairCase {"unit_in_another_case", "5", "CUP", {}, "5", "CUP", ""}),
    [](const testing::TestParamInfo<RepairCase> &info) { return std::string(info.param.name); });

TEST(DisplayPass, a_run_converting_nothing_turns_only_a_shown_0_01_into_0_0100)
{
    RecordingForm form("1", "Teaspoon");
    form.run();
    const convert::ResultTexts converted = form.results;
    ASSERT_EQ(form.box(Pints), "0.01");

    form.unit = "Teaspoons";
    form.run();
    for (const auto &info : convert::kUnits) {
        const std::string expected = info.unit == Pints ? "0.0100" : converted[convert::indexOf(info.unit)];
        EXPECT_EQ(form.box(info.unit), expected) << info.boxName;
    }
    const convert::ResultTexts once = form.results;
    form.run();
    EXPECT_EQ(form.results, once);
    EXPECT_TRUE(form.shown.empty());
}

TEST(DisplayPass, leaves_boxes_that_no_conversion_wrote)
{
    RecordingForm form("5", "no such unit");
    form.run();
    for (const auto &text : form.results)
        EXPECT_EQ(text, "");
    EXPECT_TRUE(form.shown.empty());
}

TEST(DisplayPass, repeated_runs_rewrite_the_same_results)
{
    RecordingForm form("2.5", "Quarts");
    form.run();
    const convert::ResultTexts first = form.results;
    form.run();
    EXPECT_EQ(form.results, first);
}

TEST(Overflow, keeps_the_previous_results_and_says_so)
{
    RecordingForm form("1", "Cup");
    form.run();
    const convert::ResultTexts before = form.results;

    form.entry = "1E+306";
    form.unit = "Liters";
    form.run();
    EXPECT_EQ(form.shown, (std::vector<Shown> {{kTooLarge, "1E+306", "Liters"}}));
    EXPECT_EQ(form.results, before);
    EXPECT_EQ(form.entry, "1E+306");
}

TEST(Overflow, on_the_first_run_leaves_the_boxes_empty)
{
    RecordingForm form("1.5e308", "Gallons");
    form.run();
    EXPECT_EQ(form.shown, (std::vector<Shown> {{kTooLarge, "1.5e308", "Gallons"}}));
    for (const auto &text : form.results)
        EXPECT_EQ(text, "");
}

TEST(Overflow, amount_beyond_the_double_range_is_not_a_number)
{
    RecordingForm form("1e400", "Cup");
    form.run();
    EXPECT_EQ(form.shown, (std::vector<Shown> {{kInvalidAmount, "0.0", "Cup"}}));
}

struct RegionalCase
{
    const char *name;
    convert::NumberFormat format;
    std::string entry;
    std::string unit;
    Unit box;
    std::string expected;
};

void PrintTo(const RegionalCase &c, std::ostream *os)
{
    *os << c.name;
}

class RegionalFormats : public testing::TestWithParam<RegionalCase>
{
};

TEST_P(RegionalFormats, read_and_show_the_regional_separators)
{
    const RegionalCase &c = GetParam();
    RecordingForm form(c.entry, c.unit);
    form.run(c.format);
    EXPECT_TRUE(form.shown.empty());
    EXPECT_EQ(form.box(c.box), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RegionalFormats,
    testing::Values(
        RegionalCase {"comma_dot_groups", testformats::kCommaDot, "1000000", "Gallons", Milliliters,
                      "3.785.000.000,00"},
        RegionalCase {"comma_dot_keeps_fractions", testformats::kCommaDot, "1", "Cup", Milliliters, "236,56"},
        RegionalCase {"comma_dot_decimal_entry", testformats::kCommaDot, "0,5", "Cup", Pints, "0,25"},
        RegionalCase {"comma_dot_grouped_entry", testformats::kCommaDot, "1.500", "Milliliters", Liters,
                      "1,50"},
        RegionalCase {"comma_dot_threshold", testformats::kCommaDot, "1", "Centiliters", Liters, "0,0100"},
        RegionalCase {"comma_dot_fifteen_digits", testformats::kCommaDot, "1", "Tablespoon", Centiliters,
                      "1,48"},
        RegionalCase {"apostrophe", testformats::kDotApostrophe, "1'000'000", "Gallons", Milliliters,
                      "3'785'000'000.00"},
        RegionalCase {"right_quote", testformats::kDotRightQuote, "1\u2019000", "Gallons", Teaspoon,
                      "768\u2019000.00"},
        RegionalCase {"narrow_space", testformats::kCommaNarrowSpace, "1\u202F000\u202F000", "Gallons",
                      Milliliters, "3\u202F785\u202F000\u202F000,00"},
        RegionalCase {"narrow_space_fraction", testformats::kCommaNarrowSpace, "2,5", "Liters", Milliliters,
                      "2\u202F500,00"},
        RegionalCase {"no_break_space", testformats::kCommaNoBreakSpace, "-1", "Gallons", Milliliters,
                      "-3\u00A0785,0000"}),
    [](const testing::TestParamInfo<RegionalCase> &info) { return std::string(info.param.name); });

TEST(RegionalFormats, empty_amount_becomes_the_regional_zero)
{
    RecordingForm form("", "Liters");
    form.run(testformats::kCommaDot);
    EXPECT_EQ(form.shown, (std::vector<Shown> {{kEmptyAmount, "0,0", "Liters"}}));
    for (const auto &text : form.results)
        EXPECT_EQ(text, "0,0000");
}

TEST(RegionalFormats, dot_decimal_in_a_comma_format_is_not_a_number)
{
    RecordingForm form("1.5", "Cup");
    form.run(testformats::kCommaDot);
    EXPECT_EQ(form.shown, (std::vector<Shown> {{kInvalidAmount, "0,0", "Cup"}}));
}

// Swapping the two separators must be the only difference between the formats.
std::string swapSeparators(std::string text)
{
    std::replace(text.begin(), text.end(), '.', '#');
    std::replace(text.begin(), text.end(), ',', '.');
    std::replace(text.begin(), text.end(), '#', ',');
    return text;
}

TEST(RegionalFormats, comma_format_gives_the_same_values_as_the_dot_format)
{
    for (const auto &info : convert::kUnits) {
        for (const std::string entry : {"1", "0.3", "1234.5678", "-2.75", "1e-3", "98765432.1"}) {
            RecordingForm dot(entry, std::string(info.text));
            dot.run(testformats::kDotComma);
            RecordingForm comma(swapSeparators(entry), std::string(info.text));
            comma.run(testformats::kCommaDot);
            for (auto &text : dot.results)
                text = swapSeparators(text);
            EXPECT_EQ(comma.results, dot.results) << info.text << " " << entry;
        }
    }
}

} // namespace
