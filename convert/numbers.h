// The converter's text <-> number conversions. Amounts and results live only as text, so
// every step of a conversion goes through these readings and writings, always under an
// explicit regional number format handed in by the caller.
#ifndef SPOONWISE_CONVERT_NUMBERS_H
#define SPOONWISE_CONVERT_NUMBERS_H

#include <optional>
#include <string>
#include <string_view>

namespace convert {

// Regional separators as UTF-8 text of any length ("," "." "'" U+2019 U+00A0 U+202F ...).
// The decimal separator must not be empty; an empty thousands separator turns grouping off.
// When both are equal, a separator is read as the decimal separator.
struct NumberFormat
{
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
};

// Reads the whole text as one number: blanks (space, tab) around it, an optional sign,
// digits with at most one decimal separator, thousands separators only between digits of
// the integer part in groups of exactly three after the first ("1,500"; not "1,5" or
// "15,00"), and an optional exponent (E or e, optional sign, digits). Returns nothing for
// any other text and for a value beyond the double range ("1e400"); a value too small to
// represent reads as zero.
std::optional<double> readStrict(std::string_view text, const NumberFormat &format);

// True exactly when readStrict() reads the text.
bool isNumeric(std::string_view text, const NumberFormat &format);

// At most 15 significant digits, no grouping, no trailing zeros, the regional decimal
// separator; plain digits for decimal exponents -4 to 14, "1.5E+23" form outside them.
// Zero is "0" whatever its sign. Infinities and NaN, which no conversion produces, come out
// as "inf" and "nan".
std::string generalText(double value, const NumberFormat &format);

// Reads the longest leading number after leading blanks: sign, digits, one decimal point
// ("." or the regional separator), an exponent only when digits follow the E. A text
// without a leading number reads as 0. Never fails: beyond the double range it gives an
// infinity, which the caller treats as an overflow.
double readLeading(std::string_view text, const NumberFormat &format);

enum class DisplayFormat {
    TwoDecimals, // ##,##0.00
    FourDecimals // ##,##0.0000
};

// Values strictly above 0.01 get two decimals, all others (0.01 itself, zero, negatives) four.
DisplayFormat displayFormatFor(double value);

// Formats from the value's 15 significant digits: rounds at the last shown decimal with
// ties away from zero ("0.625" -> "0.63"), zeros past the fifteenth digit, the integer
// part grouped by threes for any length, at least one integer digit, and no "-" on a
// value that shows as zero.
std::string formatForDisplay(double value, DisplayFormat displayFormat, const NumberFormat &format);

} // namespace convert

#endif // SPOONWISE_CONVERT_NUMBERS_H
