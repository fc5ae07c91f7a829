// Display formatting of any finite double (the input as a bit pattern or as C text) in both
// patterns under every regional format: the text has the pattern's shape and reads back as
// the value to within the rounding it shows.
#include "engine_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const double value = enginesupport::doubleFrom(data, size);
    // A value whose 15 digits lie beyond the double range never reaches the display: the
    // conversion steps report it as an overflow.
    if (!std::isfinite(value) || !std::isfinite(enginesupport::roundTo15Digits(value)))
        return 0;
    for (const convert::NumberFormat &format : enginesupport::kFormats) {
        for (const auto pattern :
             {convert::DisplayFormat::TwoDecimals, convert::DisplayFormat::FourDecimals}) {
            const int decimals = pattern == convert::DisplayFormat::TwoDecimals ? 2 : 4;
            const std::string text = convert::formatForDisplay(value, pattern, format);
            FUZZ_CHECK(enginesupport::hasDisplayShape(text, decimals, format));
            FUZZ_CHECK(enginesupport::showsValue(text, decimals, value, format));
        }
    }
    return 0;
}
