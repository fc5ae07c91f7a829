// The conversion command on an in-memory form: checks, messages, chain and display pass.
#include "command.h"
#include "engine_support.h"
#include "memory_form.h"

#include <gtest/gtest.h>

namespace {

using namespace convert;
using namespace enginesupport;

// A message with the amount and unit as they stood while it showed.
using Shown = std::tuple<std::string, std::string, std::string>;

class RecordingForm : public MemoryForm
{
public:
    RecordingForm(std::string amount, std::string unitText)
    {
        entry = std::move(amount), unit = std::move(unitText);
    }
    void showMessage(std::string_view prompt) override { shown.emplace_back(prompt, entry, unit); }
    void run(const NumberFormat &format = kDotComma) { runConversionCommand(*this, format); }

    std::vector<Shown> shown;
};

TEST(Displayed, results_without_messages)
{
    // the entry, the unit, the boxes in the order of kUnits ("*" is not checked), the regional format
    // clang-format off
    const std::tuple<const char *, const char *, std::array<const char *, kUnitCount>, NumberFormat> cases[] = {
        {"1", "Cup", {"48.00", "16.00", "8.00", "1.00", "0.50", "0.25", "0.06", "236.56", "23.66", "2.37", "0.24"}, kDotComma},
        {"1", "Teaspoon", {"1.00", "0.33", "0.17", "0.02", "0.01", "0.0052", "0.0013", "4.93", "0.49", "0.05", "0.0049"}, kDotComma},
        {"1", "Centiliters", {"*", "*", "*", "*", "*", "0.01", "*", "*", "*", "0.10", "0.0100"}, kDotComma},
        {"1000000", "Gallons", {"768,000,000.00", "*", "*", "*", "*", "*", "1,000,000.00", "3,785,000,000.00", "*", "*", "*"}, kDotComma},
        {"-1", "Gallons", {"-768.0000", "-256.0000", "-128.0000", "-16.0000", "-8.0000", "-4.0000", "-1.0000", "-3,785.0000", "-378.5000", "-37.8500", "-3.7850"}, kDotComma},
        {"1e-321", "Milliliters", {"*", "*", "*", "*", "*", "*", "*", "0.0000", "*", "*", "0.0000"}, kDotComma}, // too small is no error
        {"1000000", "Gallons", {"768.000.000,00", "*", "*", "*", "*", "*", "1.000.000,00", "3.785.000.000,00", "*", "*", "*"}, kCommaDot},
        {"0,5", "Cup", {"*", "*", "*", "*", "0,25", "*", "*", "*", "*", "*", "*"}, kCommaDot},
        {"1\u202F000", "Gallons", {"*", "*", "*", "*", "*", "*", "*", "3\u202F785\u202F000,00", "*", "*", "*"}, kCommaNarrowSpace},
    };
    // clang-format on
    for (const auto &[entry, unit, boxes, format] : cases) {
        RecordingForm form(entry, unit);
        form.run(format);
        EXPECT_EQ(form.shown, std::vector<Shown> {}) << entry << " " << unit;
        EXPECT_EQ(form.entry, entry);
        for (std::size_t i = 0; i < kUnitCount; ++i)
            EXPECT_TRUE(std::string_view(boxes[i]) == "*" || form.results[i] == boxes[i])
                << entry << " " << unit << " " << kUnits[i].boxName << ": " << form.results[i];
    }
}

TEST(BadInput, is_repaired_or_refused_with_its_messages_in_order)
{
    const std::string empty(kEmptyAmountPrompt), invalid(kInvalidAmountPrompt);
    const std::string noUnit(kEmptyUnitPrompt), tooLarge(kTooLargePrompt);
    // the entry and the unit; the messages; the entry, the unit and every box after ("" when the boxes
    // keep the "7.00" they held); the regional format
    // clang-format off
    const std::tuple<const char *, const char *, std::vector<Shown>, const char *, const char *, const char *, NumberFormat> cases[] = {
        {"", "Liters", {{empty, "0.0", "Liters"}}, "0.0", "Liters", "0.0000", kDotComma},
        {"12abc", "Cup", {{invalid, "0.0", "Cup"}}, "0.0", "Cup", "0.0000", kDotComma},
        {" ", "Cup", {{invalid, "0.0", "Cup"}}, "0.0", "Cup", "0.0000", kDotComma},
        {"", "", {{empty, "0.0", ""}, {noUnit, "0.0", ""}}, "0.0", "teaspoon", "", kDotComma},
        {"5", "", {{noUnit, "5", ""}}, "5", "teaspoon", "", kDotComma},
        {"5", "teaspoon", {{noUnit, "5", "teaspoon"}}, "5", "teaspoon", "", kDotComma},
        {"x", "CUP", {{invalid, "0.0", "CUP"}, {noUnit, "0.0", "CUP"}}, "0.0", "CUP", "", kDotComma},
        {"1E+306", "Liters", {{tooLarge, "1E+306", "Liters"}}, "1E+306", "Liters", "", kDotComma}, // ml = liter x 1000
        {"1.5e308", "Gallons", {{tooLarge, "1.5e308", "Gallons"}}, "1.5e308", "Gallons", "", kDotComma}, // at the first step
        {"", "Liters", {{empty, "0,0", "Liters"}}, "0,0", "Liters", "0,0000", kCommaDot},
    };
    // clang-format on
    for (const auto &[entry, unit, shown, entryAfter, unitAfter, everyBox, format] : cases) {
        RecordingForm form(entry, unit);
        form.results.fill("7.00");
        form.run(format);
        EXPECT_EQ(form.shown, shown) << '"' << entry << "\" \"" << unit << '"';
        EXPECT_EQ(form.entry, entryAfter);
        EXPECT_EQ(form.unit, unitAfter);
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
    EXPECT_EQ(form.shown, (std::vector<Shown> {{std::string(kEmptyUnitPrompt), "1", "Teaspoons"}}));

    RecordingForm first("5", "no such unit"); // boxes that no conversion wrote stay as they are
    first.run();
    EXPECT_EQ(first.results, ResultTexts {});
}

} // namespace
