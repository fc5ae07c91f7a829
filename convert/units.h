// The eleven kitchen volume units, their result boxes and the conversion chains that fill
// all eleven boxes from one entered amount.
#ifndef SPOONWISE_CONVERT_UNITS_H
#define SPOONWISE_CONVERT_UNITS_H

#include "numbers.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace convert {

// In the order of the unit list; each unit has exactly one result box.
enum class Unit : std::uint8_t {
    Teaspoon,
    Tablespoon,
    FluidOunce,
    Cup,
    Pints,
    Quarts,
    Gallons,
    Milliliters,
    Centiliters,
    Deciliters,
    Liters
};

inline constexpr std::size_t kUnitCount = 11;

constexpr std::size_t indexOf(Unit unit)
{
    return static_cast<std::size_t>(unit);
}

enum class System : std::uint8_t { American, Metric };

struct UnitInfo
{
    Unit unit;
    std::string_view text; // the list item, also the unit's identity
    std::string_view boxName; // the result box that shows the unit
    std::string_view caption; // the display name on the frame around the result box
    System system;
};

inline constexpr std::array<UnitInfo, kUnitCount> kUnits = {{
    {Unit::Teaspoon, "Teaspoon", "txttsp", "Teaspoons", System::American},
    {Unit::Tablespoon, "Tablespoon", "txttbl", "Tablespoons", System::American},
    {Unit::FluidOunce, "Fluid Ounce", "txtfluid", "Fluid Ounce", System::American},
    {Unit::Cup, "Cup", "txtcup", "Cups", System::American},
    {Unit::Pints, "Pints", "txtpint", "Pints", System::American},
    {Unit::Quarts, "Quarts", "txtquart", "Quarts", System::American},
    {Unit::Gallons, "Gallons", "txtgallon", "Gallons", System::American},
    {Unit::Milliliters, "Milliliters", "txtml", "Milliliters", System::Metric},
    {Unit::Centiliters, "Centiliters", "txtcl", "Centiliters", System::Metric},
    {Unit::Deciliters, "Deciliters", "txtdl", "Deciliters", System::Metric},
    {Unit::Liters, "Liters", "txtliter", "Liters", System::Metric},
}};

// Rows in the order of Unit, so that kUnits[indexOf(unit)] describes the unit.
static_assert([] {
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        if (indexOf(kUnits[i].unit) != i)
            return false;
    }
    return indexOf(Unit::Liters) + 1 == kUnitCount;
}());

// Exact, case-sensitive comparison in list order: "teaspoon", "Cup " and "" find nothing.
std::optional<Unit> findUnit(std::string_view text);

// The texts of the eleven result boxes, indexed by indexOf(Unit).
using ResultTexts = std::array<std::string, kUnitCount>;

enum class StepFailure : std::uint8_t {
    TypeMismatch, // a source text is not a number; cannot happen for an entry that is numeric
    Overflow // a product or quotient beyond the double range
};

// Runs the unit's eleven steps in order on `boxes`. A copy step writes the entry text
// unchanged; a computed step reads its source strictly, applies one factor, and writes the
// general text of the result as read back by readLeading(), so every later step works on
// the 15-digit value. Stops at the first failing step: the boxes of earlier steps hold their
// new texts, the others are untouched.
std::optional<StepFailure> runChain(Unit unit, std::string_view entry, ResultTexts &boxes,
                                    const NumberFormat &format);

} // namespace convert

#endif // SPOONWISE_CONVERT_UNITS_H
