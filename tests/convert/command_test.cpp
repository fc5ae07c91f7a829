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

struct DisplayedCase
{
    const char *entry;
    const char *unit;
    std::array<const char *, kUnitCount> boxes; // in the order of kUnits; "*" is not checked
    NumberFormat format = kDotComma;
};

TEST(Displayed, results_without_messages)
{
    // clang-format off
    const DisplayedCase cases[] = {
        {"1", "Cup", {"48.00", "16.00", "8.00", "1.00", "0.50", "0.25", "0.06", "236.56", "23.66", "2.37", "0.24"}},
        {"1", "Teaspoon", {"1.00", "0.33", "0.17", "0.02", "0.01", "0.0052", "0.0013", "4.93", "0.49", "0.05", "0.0049"}},
        {"1", "Centiliters", {"*", "*", "*", "*", "*", "0.01", "*", "*", "*", "0.10", "0.0100"}},
        {"1000000", "Gallons", {"768,000,000.00", "*", "*", "*", "*", "*", "1,000,000.00", "3,785,000,000.00", "*", "*", "*"}},
        {"-1", "Gallons", {"-768.0000", "-256.0000", "-128.0000", "-16.0000", "-8.0000", "-4.0000", "-1.0000", "-3,785.0000", "-378.5000", "-37.8500", "-3.7850"}},
        {"1e-321", "Milliliters", {"*", "*", "*", "*", "*", "*", "*", "0.0000", "*", "*", "0.0000"}}, // too small is no error
        {"1000000", "Gallons", {"768.000.000,00", "*", "*", "*", "*", "*", "1.000.000,00", "3.785.000.000,00", "*", "*", "*"}, kCommaDot},
        {"0,5", "Cup", {"*", "*", "*", "*", "0,25", "*", "*", "*", "*", "*", "*"}, kCommaDot},
        {"1\u202F000", "Gallons", {"*", "*", "*", "*", "*", "*", "*", "3\u202F785\u202F000,00", "*", "*", "*"}, kCommaNarrowSpace},
    };
    // clang-format on
    for (const DisplayedCase &c : cases) {
        RecordingForm form(c.entry, c.unit);
        form.run(c.format);
        EXPECT_EQ(form.shown, std::vector<Shown> {}) << c.entry << " " << c.unit;
        EXPECT_EQ(form.entry, c.entry);
        for (std::size_t i = 0; i < kUnitCount; ++i)
            EXPECT_TRUE(std::string_view(c.boxes[i]) == "*" || form.results[i] == c.boxes[i])
                << c.entry << " " << c.unit << " " << kUnits[i].boxName << ": " << form.results[i];
    }
}

struct BadInputCase
{
    const char *entry;
    const char *unit;
    std::vector<Shown> shown;
    const char *entryAfter;
    const char *unitAfter;
    const char *everyBox; // "" when the boxes keep the "7.00" they held
    NumberFormat format = kDotComma;
};

TEST(BadInput, is_repaired_or_refused_with_its_messages_in_order)
{
    const std::string empty(kEmptyAmountPrompt), invalid(kInvalidAmountPrompt);
    const std::string noUnit(kEmptyUnitPrompt), tooLarge(kTooLargePrompt);
    // clang-format off
    const BadInputCase cases[] = {
        {"", "Liters", {{empty, "0.0", "Liters"}}, "0.0", "Liters", "0.0000"},
        {"12abc", "Cup", {{invalid, "0.0", "Cup"}}, "0.0", "Cup", "0.0000"},
        {" ", "Cup", {{invalid, "0.0", "Cup"}}, "0.0", "Cup", "0.0000"},
        {"", "", {{empty, "0.0", ""}, {noUnit, "0.0", ""}}, "0.0", "teaspoon", ""},
        {"5", "", {{noUnit, "5", ""}}, "5", "teaspoon", ""},
        {"5", "teaspoon", {}, "5", "teaspoon", ""},
        {"5", "CUP", {}, "5", "CUP", ""},
        {"1E+306", "Liters", {{tooLarge, "1E+306", "Liters"}}, "1E+306", "Liters", ""}, // ml = liter x 1000
        {"1.5e308", "Gallons", {{tooLarge, "1.5e308", "Gallons"}}, "1.5e308", "Gallons", ""}, // at the first step
        {"", "Liters", {{empty, "0,0", "Liters"}}, "0,0", "Liters", "0,0000", kCommaDot},
    };
    // clang-format on
    for (const BadInputCase &c : cases) {
        RecordingForm form(c.entry, c.unit);
        form.results.fill("7.00");
        form.run(c.format);
        EXPECT_EQ(form.shown, c.shown) << '"' << c.entry << "\" \"" << c.unit << '"';
        EXPECT_EQ(form.entry, c.entryAfter);
        EXPECT_EQ(form.unit, c.unitAfter);
        for (const auto &text : form.results)
            EXPECT_EQ(text, *c.everyBox ? c.everyBox : "7.00");
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
    EXPECT_EQ(form.shown, std::vector<Shown> {});

    RecordingForm first("5", "no such unit"); // boxes that no conversion wrote stay as they are
    first.run();
    EXPECT_EQ(first.results, ResultTexts {});
}

} // namespace
