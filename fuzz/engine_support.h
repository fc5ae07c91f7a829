// What the engine's tests and fuzz targets share: regional formats of real locales, the
// 15-digit reference rounding and the display shape check.
#ifndef SPOONWISE_FUZZ_ENGINE_SUPPORT_H
#define SPOONWISE_FUZZ_ENGINE_SUPPORT_H

#include "numbers.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// Aborts, so that libFuzzer saves the input, when an invariant does not hold.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace enginesupport {

using convert::NumberFormat;

inline const NumberFormat kDotComma {".", ","}; // en_US
inline const NumberFormat kCommaDot {",", "."}; // de_DE
inline const NumberFormat kDotApostrophe {".", "'"}; // de_CH (older)
inline const NumberFormat kDotRightQuote {".", "\u2019"}; // de_CH
inline const NumberFormat kCommaNarrowSpace {",", "\u202F"}; // fr_FR
inline const NumberFormat kCommaNoBreakSpace {",", "\u00A0"}; // ru_RU, pl_PL

// The above, then no grouping, a separator that is also a blank, and the Arabic pair.
inline const std::array<NumberFormat, 10> kFormats = {{
    kDotComma,
    kCommaDot,
    kDotApostrophe,
    kDotRightQuote,
    kCommaNarrowSpace,
    kCommaNoBreakSpace,
    {".", ""}, // grouping turned off
    {",", ""},
    {",", " "}, // a plain space, as some users set it
    {"\u066B", "\u066C"}, // Arabic
}};

// '0' picks the first format, so that seed files stay readable.
inline const NumberFormat &formatFor(char selector)
{
    return kFormats[static_cast<unsigned char>(selector - '0') % kFormats.size()];
}

// The value rounded to 15 significant digits, by the C library rather than the engine's
// own code. No caller sets a C locale, so printf and strtod use the "C" locale's ".".
inline double roundTo15Digits(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);
    return std::strtod(text, nullptr);
}

// Exactly eight bytes are a bit pattern, anything else is read as C text ("0.625").
inline double doubleFrom(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (size == sizeof value) {
        std::memcpy(&value, data, sizeof value);
        return value;
    }
    const std::string text(reinterpret_cast<const char *>(data), size);
    return std::strtod(text.c_str(), nullptr);
}

// True when the text is "[-]integer<decimal separator><exactly `decimals` digits>" with the
// integer part grouped by threes (or ungrouped when grouping is off), no leading zero, and
// a "-" only when some digit is not zero.
inline bool hasDisplayShape(std::string_view text, int decimals, const NumberFormat &format)
{
    const auto digitRun = [](std::string_view rest) {
        std::size_t n = 0;
        while (n < rest.size() && rest[n] >= '0' && rest[n] <= '9')
            ++n;
        return n;
    };
    const bool minus = text.starts_with('-');
    if (minus)
        text.remove_prefix(1);
    std::string digits(text.substr(0, digitRun(text)));
    text.remove_prefix(digits.size());
    const std::string &separator = format.thousandsSeparator;
    if (digits.empty() || (!separator.empty() && digits.size() > 3))
        return false;
    while (!separator.empty() && text.starts_with(separator)) {
        text.remove_prefix(separator.size());
        if (digitRun(text) != 3)
            return false;
        digits += text.substr(0, 3);
        text.remove_prefix(3);
    }
    if (digits.size() > 1 && digits.front() == '0')
        return false;
    if (!text.starts_with(format.decimalSeparator))
        return false;
    text.remove_prefix(format.decimalSeparator.size());
    if (text.size() != static_cast<std::size_t>(decimals) || digitRun(text) != text.size())
        return false;
    digits += text;
    return !minus || digits.find_first_not_of('0') != std::string::npos;
}

inline bool hasAnyDisplayShape(std::string_view text, const NumberFormat &format)
{
    return hasDisplayShape(text, 2, format) || hasDisplayShape(text, 4, format);
}

// True when a display text with `decimals` decimals reads back within rounding of the value.
inline bool showsValue(std::string_view text, int decimals, double value, const NumberFormat &format)
{
    const auto shown = convert::readStrict(text, format);
    // Half a unit in the last decimal, at most 5e-15 relative from the 15-digit rounding
    // before it, and a margin far above the double conversions' 1.1e-16 relative errors.
    const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-12) + std::fabs(value) * 1e-14;
    return shown && std::fabs(*shown - value) <= tolerance;
}

} // namespace enginesupport

#endif // SPOONWISE_FUZZ_ENGINE_SUPPORT_H
