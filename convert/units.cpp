#include "units.h"

#include <algorithm>
#include <cmath>

namespace convert {

namespace {

enum class Operation : std::uint8_t { CopyEntry, Multiply, Divide };

// Where a computed step reads its number: the entry box or a box written earlier.
struct Operand
{
    constexpr Operand(Unit box) // NOLINT(google-explicit-constructor): reads like the chain notation
        : fromEntry(false)
        , box(box)
    {
    }
    constexpr Operand(bool fromEntry, Unit box)
        : fromEntry(fromEntry)
        , box(box)
    {
    }
    bool fromEntry;
    Unit box;
};

constexpr Operand kEntry {true, Unit::Teaspoon};

struct Step
{
    Unit target;
    Operation operation;
    Operand source;
    double factor;
};

constexpr Step copyEntry(Unit target)
{
    return {target, Operation::CopyEntry, kEntry, 1};
}
constexpr Step times(Unit target, Operand source, double factor)
{
    return {target, Operation::Multiply, source, factor};
}
constexpr Step over(Unit target, Operand source, double factor)
{
    return {target, Operation::Divide, source, factor};
}

// Written with these digits on purpose: not 1/6, not 3785.411784, not 1000/3785.
constexpr double kFluidOuncesPerTeaspoon = 0.1666666666667;
constexpr double kMillilitersPerGallon = 3785;
constexpr double kGallonsPerLiter = 0.2642007926024;

using Chain = std::array<Step, kUnitCount>;

// One chain per unit, in list order. The order of steps is binding: each step reads a box
// that an earlier step of the same chain wrote.
constexpr std::array<Chain, kUnitCount> kChains = [] {
    using enum Unit;
    // Shared tails: every American source reaches the metric boxes through the gallon box,
    // every metric source reaches the American boxes through the liter box.
    constexpr Step mlFromGallon = times(Milliliters, Gallons, kMillilitersPerGallon);
    constexpr Step literFromMl = over(Liters, Milliliters, 1000);
    constexpr Step dlFromLiter = times(Deciliters, Liters, 10);
    constexpr Step clFromLiter = times(Centiliters, Liters, 100);
    constexpr Step gallonFromLiter = times(Gallons, Liters, kGallonsPerLiter);
    constexpr Step pintFromGallon = times(Pints, Gallons, 8);
    constexpr Step quartFromGallon = times(Quarts, Gallons, 4);
    constexpr Step fluidFromGallon = times(FluidOunce, Gallons, 128);
    constexpr Step tspFromFluid = times(Teaspoon, FluidOunce, 6);
    constexpr Step tblFromFluid = times(Tablespoon, FluidOunce, 2);
    constexpr Step cupFromPint = times(Cup, Pints, 2);
    constexpr Step fluidFromTsp = times(FluidOunce, Teaspoon, kFluidOuncesPerTeaspoon);
    constexpr Step cupFromFluid = over(Cup, FluidOunce, 8);
    constexpr Step pintFromCup = times(Pints, Cup, 0.5);
    constexpr Step quartFromCup = times(Quarts, Cup, 0.25);
    constexpr Step gallonFromQuart = over(Gallons, Quarts, 4);

    return std::array<Chain, kUnitCount> {{
        {copyEntry(Teaspoon), over(Tablespoon, kEntry, 3), fluidFromTsp, cupFromFluid, pintFromCup,
         quartFromCup, gallonFromQuart, mlFromGallon, literFromMl, dlFromLiter, clFromLiter},
        {times(Teaspoon, kEntry, 3), copyEntry(Tablespoon), fluidFromTsp, cupFromFluid, pintFromCup,
         quartFromCup, gallonFromQuart, mlFromGallon, literFromMl, dlFromLiter, clFromLiter},
        {copyEntry(FluidOunce), tspFromFluid, tblFromFluid, cupFromFluid, pintFromCup, quartFromCup,
         gallonFromQuart, mlFromGallon, literFromMl, dlFromLiter, clFromLiter},
        {copyEntry(Cup), times(FluidOunce, Cup, 8), tspFromFluid, tblFromFluid, pintFromCup, quartFromCup,
         gallonFromQuart, mlFromGallon, literFromMl, dlFromLiter, clFromLiter},
        {copyEntry(Pints), times(Cup, Pints, 2), times(FluidOunce, Cup, 8), tspFromFluid, tblFromFluid,
         quartFromCup, gallonFromQuart, mlFromGallon, literFromMl, dlFromLiter, clFromLiter},
        {copyEntry(Quarts), gallonFromQuart, times(Pints, Quarts, 2), times(FluidOunce, Quarts, 32),
         tspFromFluid, tblFromFluid, cupFromPint, mlFromGallon, literFromMl, dlFromLiter, clFromLiter},
        {copyEntry(Gallons), pintFromGallon, quartFromGallon, fluidFromGallon, tspFromFluid, tblFromFluid,
         cupFromPint, mlFromGallon, literFromMl, dlFromLiter, clFromLiter},
        {copyEntry(Milliliters), literFromMl, gallonFromLiter, pintFromGallon, quartFromGallon,
         fluidFromGallon, tspFromFluid, tblFromFluid, cupFromPint, dlFromLiter, clFromLiter},
        {copyEntry(Centiliters), over(Liters, Centiliters, 100), over(Deciliters, Centiliters, 10),
         times(Milliliters, Centiliters, 10), gallonFromLiter, pintFromGallon, quartFromGallon,
         fluidFromGallon, tspFromFluid, tblFromFluid, cupFromPint},
        {copyEntry(Deciliters), times(Centiliters, Deciliters, 10), over(Liters, Centiliters, 100),
         times(Milliliters, Centiliters, 10), gallonFromLiter, pintFromGallon, quartFromGallon,
         fluidFromGallon, tspFromFluid, tblFromFluid, cupFromPint},
        {copyEntry(Liters), times(Milliliters, Liters, 1000), gallonFromLiter, pintFromGallon,
         quartFromGallon, fluidFromGallon, tspFromFluid, tblFromFluid, cupFromPint, dlFromLiter, clFromLiter},
    }};
}();

// Every chain writes each box exactly once.
constexpr bool writesEveryBoxOnce(const Chain &chain)
{
    std::array<int, kUnitCount> writes {};
    for (const Step &step : chain)
        ++writes[indexOf(step.target)];
    return std::all_of(writes.begin(), writes.end(), [](int count) { return count == 1; });
}
static_assert(std::all_of(kChains.begin(), kChains.end(), writesEveryBoxOnce));

// The box of the chain's own unit receives the entry text itself, once.
constexpr bool copiesEntryIntoOwnBox(std::size_t unit)
{
    const Chain &chain = kChains[unit];
    return std::count_if(chain.begin(), chain.end(),
                         [unit](const Step &step) {
                             return step.operation == Operation::CopyEntry && indexOf(step.target) == unit;
                         })
        == 1
        && std::count_if(chain.begin(), chain.end(),
                         [](const Step &step) { return step.operation == Operation::CopyEntry; })
        == 1;
}

// A computed step reads the entry or a box written earlier in the same chain, never a
// value left over from an earlier conversion.
constexpr bool readsOnlyEarlierSteps(const Chain &chain)
{
    std::array<bool, kUnitCount> written {};
    for (const Step &step : chain) {
        if (step.operation != Operation::CopyEntry && !step.source.fromEntry
            && !written[indexOf(step.source.box)])
            return false;
        written[indexOf(step.target)] = true;
    }
    return true;
}

static_assert([] {
    for (std::size_t unit = 0; unit < kUnitCount; ++unit) {
        if (!copiesEntryIntoOwnBox(unit) || !readsOnlyEarlierSteps(kChains[unit]))
            return false;
    }
    return true;
}());

std::optional<StepFailure> runStep(const Step &step, std::string_view entry, ResultTexts &boxes,
                                   const NumberFormat &format)
{
    std::string &target = boxes[indexOf(step.target)];
    if (step.operation == Operation::CopyEntry) {
        target.assign(entry);
        return std::nullopt;
    }
    const std::string_view sourceText = step.source.fromEntry ? entry : boxes[indexOf(step.source.box)];
    const auto x = readStrict(sourceText, format);
    if (!x)
        return StepFailure::TypeMismatch;
    const double y = step.operation == Operation::Multiply ? *x * step.factor : *x / step.factor;
    if (!std::isfinite(y))
        return StepFailure::Overflow;
    // Rounding to 15 digits can itself leave the range (1.7976931348623157E+308 -> 1.79769313486232E+308).
    std::string text = generalText(y, format);
    const double z = readLeading(text, format);
    if (!std::isfinite(z))
        return StepFailure::Overflow;
    // Fifteen digits survive the round trip through a normal double, so only a subnormal z
    // can have a text other than y's.
    target = std::isnormal(z) || z == 0 ? std::move(text) : generalText(z, format);
    return std::nullopt;
}

} // namespace

std::optional<Unit> findUnit(std::string_view text)
{
    const auto found = std::find_if(kUnits.begin(), kUnits.end(),
                                    [text](const UnitInfo &info) { return info.text == text; });
    return found == kUnits.end() ? std::nullopt : std::optional<Unit>(found->unit);
}

std::optional<StepFailure> runChain(Unit unit, std::string_view entry, ResultTexts &boxes,
                                    const NumberFormat &format)
{
    for (const Step &step : kChains[indexOf(unit)]) {
        if (const auto failure = runStep(step, entry, boxes, format))
            return failure;
    }
    return std::nullopt;
}

} // namespace convert
