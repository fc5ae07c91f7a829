// Strict reading under one regional format (the first byte picks it): isNumeric() agrees
// with readStrict(), both agree with a second reading of the same grammar, what is read is
// finite, blanks around the text change nothing, and the general text of the value reads
// back as its 15 significant digits.
#include "engine_support.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The same grammar read a second way: split at the separators, check the pieces, and leave
// the digits to strtod ("C" locale, as no fuzz program calls setlocale()).
std::optional<double> referenceRead(std::string_view text, const convert::NumberFormat &format)
{
    const auto first = text.find_first_not_of(" \t");
    text
        = first == std::string_view::npos ? "" : text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    std::string ascii;
    if (text.starts_with('-') || text.starts_with('+')) {
        ascii.assign(text.front() == '-' ? "-" : "");
        text.remove_prefix(1);
    }
    const auto e = std::min(text.find_first_of("eE"), text.size());
    const std::string_view exponent = text.substr(std::min(e + 1, text.size()));
    std::string_view integer = text.substr(0, e);
    const auto point = integer.find(format.decimalSeparator);
    const std::string_view fraction
        = point == std::string_view::npos ? "" : integer.substr(point + format.decimalSeparator.size());
    integer = integer.substr(0, point);
    const std::string &separator = format.thousandsSeparator;
    for (std::size_t group = 0; !separator.empty() && integer.find(separator) != std::string_view::npos;
         ++group) {
        const auto end = integer.find(separator);
        if (end == 0 || end > 3 || (group > 0 && end != 3) || !allDigits(integer.substr(0, end)))
            return std::nullopt;
        ascii += integer.substr(0, end);
        integer.remove_prefix(end + separator.size());
        if (integer.size() != 3 && integer.find(separator) == std::string_view::npos)
            return std::nullopt;
    }
    if (!allDigits(integer) || !allDigits(fraction) || integer.size() + fraction.size() == 0)
        return std::nullopt;
    ascii.append(integer).append(".").append(fraction);
    if (e < text.size()) {
        const std::string_view digits
            = exponent.substr(exponent.starts_with('-') || exponent.starts_with('+'));
        if (digits.empty() || !allDigits(digits))
            return std::nullopt;
        ascii.append("e").append(exponent);
    }
    const double value = std::strtod(ascii.c_str(), nullptr);
    return std::isinf(value) ? std::nullopt : std::optional<double>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const convert::NumberFormat &format = enginesupport::formatFor(static_cast<char>(data[0]));
    const std::string_view text(reinterpret_cast<const char *>(data) + 1, size - 1);

    const auto value = convert::readStrict(text, format);
    FUZZ_CHECK(convert::isNumeric(text, format) == value.has_value());
    FUZZ_CHECK(value == referenceRead(text, format));
    FUZZ_CHECK(convert::readStrict(" \t" + std::string(text) + "\t ", format) == value);
    if (!value)
        return 0;
    FUZZ_CHECK(std::isfinite(*value));

    const double expected = enginesupport::roundTo15Digits(*value);
    const auto again = convert::readStrict(convert::generalText(*value, format), format);
    // Just below the largest double, the 15 digits themselves are beyond the range.
    if (std::isinf(expected))
        FUZZ_CHECK(!again);
    else
        FUZZ_CHECK(again && *again == expected);
    return 0;
}
