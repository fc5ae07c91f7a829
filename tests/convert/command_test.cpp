// The conversion command on an in-memory form: checks, messages, chain and display pass.
#include "command.h"
#include "memory_form.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace convert;
using namespace testsupport;

const std::string kEmptyAmount = "Please enter a number";
const std::string kInvalidAmount = "That is an invalid Character,You must enter a number";
const std::string kEmptyUnit
    = "Please Make a selection in the 'Select & Enter here Combo box' pull down menu";
const std::string kTooLarge = "That number is too large to convert";

// Each message with the amount and unit as they stood while it showed.
class RecordingForm : public MemoryForm
{
public:
    RecordingForm(std::string amount, std::string unitText)
    {
        entry = std::move(amount);
        unit = std::move(unitText);
    }
    void showMessage(std::string_view prompt) override
    {
        shown.push_back(std::string(prompt) + " | " + entry + " | " + unit);
    }
    void run(const NumberFormat &format = kDotComma) { runConversionCommand(*this, format); }
    const std::string &box(Unit unit) const { return results[indexOf(unit)]; }

    std::vector<std::string> shown;
};

TEST(Displayed, results_without_messages)
{
    // Expected: tsp tbl fluid cup pint quart gallon ml cl dl liter; "*" is not checked.
    // clang-format off
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"1", "Cup", "48.00 16.00 8.00 1.00 0.50 0.25 0.06 236.56 23.66 2.37 0.24"},
        {"1", "Teaspoon", "1.00 0.33 0.17 0.02 0.01 0.0052 0.0013 4.93 0.49 0.05 0.0049"},
        {"1", "Centiliters", "* * * * * 0.01 * * * 0.10 0.0100"},
        {"1000000", "Gallons", "768,000,000.00 * * * * * 1,000,000.00 3,785,000,000.00 * * *"},
        {"-1", "Gallons", "-768.0000 -256.0000 -128.0000 -16.0000 -8.0000 -4.0000 -1.0000 -3,785.0000 -378.5000 -37.8500 -3.7850"},
        {"1e3", "Milliliters", "* * * * * * * 1,000.00 * * 1.00"},
        {"-0.00001", "Milliliters", "* * * * * * * 0.0000 * * *"},
        {"1,500", "Milliliters", "* * * * * * * 1,500.00 * * 1.50"},
        {" 2 ", "Cup", "* * 16.00 2.00 * * * * * * *"},
    };
    // clang-format on
    for (const auto &[entry, unit, expectedLine] : cases) {
        RecordingForm form(entry, unit);
        form.run();
        EXPECT_TRUE(form.shown.empty());
        EXPECT_EQ(form.entry, entry);
        const auto expected = words(expectedLine);
        for (std::size_t i = 0; i < kUnitCount; ++i)
            EXPECT_TRUE(expected.at(i) == "*" || form.results[i] == expected[i])
                << entry << " " << unit << " " << form.results[i];
    }
}

// Each repair with its messages ("prompt | entry | unit" as they stood), then every box as
// it ends ("" keeps the boxes as they were).
TEST(BadInput, is_repaired_with_its_messages_in_order)
{
    using Messages = std::vector<std::string>;
    // clang-format off
    const std::tuple<const char *, const char *, Messages, const char *, const char *, const char *, NumberFormat> cases[] = {
        {"", "Liters", {kEmptyAmount + " | 0.0 | Liters"}, "0.0", "Liters", "0.0000", kDotComma},
        {"abc", "Cup", {kInvalidAmount + " | 0.0 | Cup"}, "0.0", "Cup", "0.0000", kDotComma},
        {"12abc", "Cup", {kInvalidAmount + " | 0.0 | Cup"}, "0.0", "Cup", "0.0000", kDotComma},
        {" ", "Cup", {kInvalidAmount + " | 0.0 | Cup"}, "0.0", "Cup", "0.0000", kDotComma},
        {"1,5", "Cup", {kInvalidAmount + " | 0.0 | Cup"}, "0.0", "Cup", "0.0000", kDotComma},
        {"1e400", "Cup", {kInvalidAmount + " | 0.0 | Cup"}, "0.0", "Cup", "0.0000", kDotComma},
        {"", "", {kEmptyAmount + " | 0.0 | ", kEmptyUnit + " | 0.0 | "}, "0.0", "teaspoon", "", kDotComma},
        {"5", "", {kEmptyUnit + " | 5 | "}, "5", "teaspoon", "", kDotComma},
        {"5", "teaspoon", {}, "5", "teaspoon", "", kDotComma},
        {"5", "CUP", {}, "5", "CUP", "", kDotComma},
        {"", "Liters", {kEmptyAmount + " | 0,0 | Liters"}, "0,0", "Liters", "0,0000", kCommaDot},
        {"1.5", "Cup", {kInvalidAmount + " | 0,0 | Cup"}, "0,0", "Cup", "0,0000", kCommaDot}, // "." groups thousands
    };
    // clang-format on
    for (const auto &[entry, unit, shown, entryAfter, unitAfter, everyBox, format] : cases) {
        RecordingForm form(entry, unit);
        form.results.fill("7.00");
        form.run(format);
        EXPECT_EQ(form.shown, shown) << '"' << entry << "\" \"" << unit << '"';
        EXPECT_EQ(form.entry + "|" + form.unit, std::string(entryAfter) + "|" + unitAfter);
        for (const auto &text : form.results)
            EXPECT_EQ(text, *everyBox ? everyBox : "7.00");
    }
}

TEST(DisplayPass, a_run_converting_nothing_turns_only_a_shown_0_01_into_0_0100)
{
    RecordingForm form("1", "Teaspoon");
    form.run();
    ResultTexts expected = form.results;
    expected[indexOf(Unit::Pints)] = "0.0100";
    form.unit = "Teaspoons";
    form.run();
    EXPECT_EQ(form.results, expected);
    form.run();
    EXPECT_EQ(form.results, expected);
    EXPECT_TRUE(form.shown.empty());

    RecordingForm first("5", "no such unit"); // boxes that no conversion wrote stay as they are
    first.run();
    EXPECT_EQ(first.results, ResultTexts {});
}

TEST(Overflow, keeps_the_previous_results_and_says_so)
{
    RecordingForm form("1", "Cup");
    form.run();
    const ResultTexts before = form.results;
    form.entry = "1E+306";
    form.unit = "Liters";
    form.run();
    EXPECT_EQ(form.shown, std::vector<std::string> {kTooLarge + " | 1E+306 | Liters"});
    EXPECT_EQ(form.results, before);

    RecordingForm first("1.5e308", "Gallons"); // on the very first run the boxes stay empty
    first.run();
    EXPECT_EQ(first.shown, std::vector<std::string> {kTooLarge + " | 1.5e308 | Gallons"});
    EXPECT_EQ(first.results, ResultTexts {});
}

TEST(Regional, formats_read_and_show_their_separators)
{
    // clang-format off
    const std::tuple<NumberFormat, const char *, const char *, Unit, const char *> cases[] = {
        {kCommaDot, "1000000", "Gallons", Unit::Milliliters, "3.785.000.000,00"},
        {kCommaDot, "1", "Cup", Unit::Milliliters, "236,56"},
        {kCommaDot, "0,5", "Cup", Unit::Pints, "0,25"},
        {kCommaDot, "1.500", "Milliliters", Unit::Liters, "1,50"},
        {kCommaDot, "1", "Centiliters", Unit::Liters, "0,0100"},
        {kDotApostrophe, "1'000'000", "Gallons", Unit::Milliliters, "3'785'000'000.00"},
        {kDotRightQuote, "1\u2019000", "Gallons", Unit::Teaspoon, "768\u2019000.00"},
        {kCommaNarrowSpace, "1\u202F000", "Gallons", Unit::Milliliters, "3\u202F785\u202F000,00"},
        {kCommaNoBreakSpace, "-1", "Gallons", Unit::Milliliters, "-3\u00A0785,0000"},
    };
    // clang-format on
    for (const auto &[format, entry, unit, box, expected] : cases) {
        RecordingForm form(entry, unit);
        form.run(format);
        EXPECT_TRUE(form.shown.empty());
        EXPECT_EQ(form.box(box), expected) << entry;
    }
}

// Swapping the two separators must be the only difference between the formats.
TEST(Regional, comma_format_gives_the_same_values_as_the_dot_format)
{
    const auto swapped = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](char c) {
            return c == '.' ? ',' : c == ',' ? '.' : c;
        });
        return text;
    };
    for (const auto &info : kUnits) {
        for (const std::string entry : {"1", "0.3", "1234.5678", "-2.75", "1e-3", "98765432.1"}) {
            RecordingForm dot(entry, std::string(info.text));
            dot.run(kDotComma);
            RecordingForm comma(swapped(entry), std::string(info.text));
            comma.run(kCommaDot);
            for (std::size_t i = 0; i < kUnitCount; ++i)
                EXPECT_EQ(comma.results[i], swapped(dot.results[i])) << info.text << " " << entry;
        }
    }
}

} // namespace
