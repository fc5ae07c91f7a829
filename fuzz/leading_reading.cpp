// Leading reading of any text under every regional format: never NaN, and the general text
// of any finite double (the input as a bit pattern or as C text) reads back as its 15
// significant digits.
#include "engine_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = enginesupport::doubleFrom(data, size);
    for (const convert::NumberFormat &format : enginesupport::kFormats) {
        FUZZ_CHECK(!std::isnan(convert::readLeading(text, format)));
        if (std::isfinite(value)) {
            const double read = convert::readLeading(convert::generalText(value, format), format);
            FUZZ_CHECK(read == enginesupport::roundTo15Digits(value));
        }
    }
    return 0;
}
