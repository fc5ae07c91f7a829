// Sequences of Calculate commands on one in-memory form. Each input line is one step:
//   f<digit>  pick the regional format    e<text>  type an amount    u<text>  type a unit
//   U<a-k>    pick a unit list item       b<a-k><text>  set a result box    r  calculate
// Every command is checked against what it promises, then run again with nothing changed.
#include "engine_support.h"
#include "memory_form.h"

#include <algorithm>

namespace {

using namespace convert;

constexpr std::array<std::string_view, 4> kPrompts = {
    kEmptyAmountPrompt,
    kInvalidAmountPrompt,
    kEmptyUnitPrompt,
    kTooLargePrompt,
};
constexpr int kMaxCommands = 8;

// The unit or box that a line's first argument character picks, 'a' for the first.
std::size_t pick(std::string_view arg, std::size_t count)
{
    return arg.empty() ? 0 : static_cast<unsigned char>(arg[0] - 'a') % count;
}

bool tooLarge(const MemoryForm &form)
{
    return std::find(form.messages.begin(), form.messages.end(), kTooLargePrompt) != form.messages.end();
}

// Runs the command on `form` and checks the outcome against the form as it was.
void calculate(MemoryForm &form, const NumberFormat &format)
{
    const MemoryForm before = form;
    form.messages.clear();
    runConversionCommand(form, format);

    FUZZ_CHECK(form.messages.size() <= 3);
    for (const std::string &message : form.messages)
        FUZZ_CHECK(std::find(kPrompts.begin(), kPrompts.end(), message) != kPrompts.end());
    FUZZ_CHECK(form.entry == (isNumeric(before.entry, format) ? before.entry : zeroSubstitute(format)));
    FUZZ_CHECK(form.unit == (before.unit.empty() ? "teaspoon" : before.unit));

    const auto unit = findUnit(form.unit);
    // A unit text that names no unit, typed or substituted, says so once.
    FUZZ_CHECK(std::count(form.messages.begin(), form.messages.end(), kEmptyUnitPrompt) == (unit ? 0 : 1));
    for (std::size_t box = 0; box < kUnitCount; ++box) {
        const std::string &old = before.results[box];
        const std::string &now = form.results[box];
        if (tooLarge(form))
            FUZZ_CHECK(now == old);
        else if (unit || isNumeric(old, format))
            FUZZ_CHECK(enginesupport::hasAnyDisplayShape(now, format));
        else
            FUZZ_CHECK(now == old);
    }
    // The unit's own box shows the amount itself.
    if (unit && !tooLarge(form)) {
        const std::string &own = form.results[indexOf(*unit)];
        const int decimals = enginesupport::hasDisplayShape(own, 2, format) ? 2 : 4;
        FUZZ_CHECK(enginesupport::showsValue(own, decimals, *readStrict(form.entry, format), format));
    }
}

void calculateTwice(MemoryForm &form, const NumberFormat &format)
{
    calculate(form, format);
    const MemoryForm first = form;
    calculate(form, format);
    // The repairs left nothing to repair; a unit text that names no unit still says so.
    FUZZ_CHECK(form.messages.size() == (tooLarge(form) || !findUnit(form.unit) ? 1u : 0u));
    // A box showing "0.01" (a value a little above 0.01) reads back as 0.01 itself, which
    // takes four decimals: the one change a repeated display pass may make.
    const std::string hundredth = "0" + format.decimalSeparator + "01";
    for (std::size_t box = 0; box < kUnitCount; ++box) {
        FUZZ_CHECK(form.results[box] == first.results[box]
                   || (!findUnit(form.unit) && first.results[box] == hundredth
                       && form.results[box] == hundredth + "00"));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char *>(data), size);
    MemoryForm form;
    const NumberFormat *format = &enginesupport::kFormats[0];
    int commands = 0;
    while (!input.empty() && commands < kMaxCommands) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        const std::string_view arg = line.empty() ? line : line.substr(1);
        switch (line.empty() ? ' ' : line[0]) {
        case 'f':
            format = &enginesupport::formatFor(arg.empty() ? '0' : arg[0]);
            break;
        case 'e':
            form.entry = arg;
            break;
        case 'u':
            form.unit = arg;
            break;
        case 'U':
            form.unit = kUnits[pick(arg, kUnitCount)].text;
            break;
        case 'b':
            form.results[pick(arg, kUnitCount)] = arg.substr(std::min<std::size_t>(1, arg.size()));
            break;
        case 'r':
            calculateTwice(form, *format);
            ++commands;
            break;
        default:
            break;
        }
    }
    if (commands == 0)
        calculateTwice(form, *format);
    return 0;
}
