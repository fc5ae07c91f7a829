#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace convert {

namespace {

// Digits that must follow the first of the fifteen: std::to_chars with precision 14 in
// scientific form gives exactly fifteen significant digits, correctly rounded.
constexpr int kSignificantDigits = 15;

constexpr double kTwoDecimalThreshold = 0.01;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A scanned number in the plain ASCII form that std::from_chars reads ("-1234.5e-6").
struct ScannedNumber
{
    std::string ascii;
    std::size_t mantissaDigits = 0;
};

class Scanner
{
public:
    explicit Scanner(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos == m_text.size(); }

    bool consume(std::string_view token)
    {
        if (token.empty() || !m_text.substr(m_pos).starts_with(token))
            return false;
        m_pos += token.size();
        return true;
    }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    // Appends the run of digits at the current position; returns how many there were.
    std::size_t takeDigits(std::string &out)
    {
        const std::size_t start = m_pos;
        while (!atEnd() && isDigit(m_text[m_pos]))
            ++m_pos;
        out.append(m_text.substr(start, m_pos - start));
        return m_pos - start;
    }

    std::size_t takeMantissaDigits(ScannedNumber &number)
    {
        const std::size_t count = takeDigits(number.ascii);
        number.mantissaDigits += count;
        return count;
    }

    void scanSign(std::string &out)
    {
        if (consume("-"))
            out.push_back('-');
        else
            consume("+");
    }

    // An exponent with at least one digit, or nothing consumed at all.
    void scanExponent(std::string &out)
    {
        if (atEnd() || (m_text[m_pos] != 'e' && m_text[m_pos] != 'E'))
            return;
        const std::size_t position = m_pos;
        const std::size_t size = out.size();
        ++m_pos;
        out.push_back('e');
        scanSign(out);
        if (takeDigits(out) == 0) {
            m_pos = position;
            out.resize(size);
        }
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Integer digits where thousands separators may only stand between digits, the first
// group holding one to three digits and every later group exactly three.
bool scanGroupedInteger(Scanner &scanner, const NumberFormat &format, ScannedNumber &number)
{
    const bool grouping
        = !format.thousandsSeparator.empty() && format.thousandsSeparator != format.decimalSeparator;
    std::size_t group = scanner.takeMantissaDigits(number);
    bool grouped = false;
    while (grouping && group > 0 && scanner.consume(format.thousandsSeparator)) {
        if (grouped ? group != 3 : group > 3)
            return false;
        grouped = true;
        group = scanner.takeMantissaDigits(number);
        if (group == 0)
            return false;
    }
    return !grouped || group == 3;
}

bool scanStrict(std::string_view text, const NumberFormat &format, ScannedNumber &number)
{
    Scanner scanner(trimBlanks(text));
    scanner.scanSign(number.ascii);
    if (!scanGroupedInteger(scanner, format, number))
        return false;
    if (scanner.consume(format.decimalSeparator)) {
        number.ascii.push_back('.');
        scanner.takeMantissaDigits(number);
    }
    if (number.mantissaDigits == 0)
        return false;
    // An "e" that does not start a complete exponent is left over, so "1e" fails.
    scanner.scanExponent(number.ascii);
    return scanner.atEnd();
}

void scanLeading(std::string_view text, const NumberFormat &format, ScannedNumber &number)
{
    Scanner scanner(text);
    scanner.skipBlanks();
    scanner.scanSign(number.ascii);
    scanner.takeMantissaDigits(number);
    if (scanner.consume(".") || scanner.consume(format.decimalSeparator)) {
        number.ascii.push_back('.');
        scanner.takeMantissaDigits(number);
    }
    if (number.mantissaDigits > 0)
        scanner.scanExponent(number.ascii);
}

// Decimal exponent of the leading non-zero digit of an ASCII number, saturated far beyond
// the double range. Only asked for numbers that std::from_chars found out of range.
std::int64_t magnitude(std::string_view ascii)
{
    constexpr std::int64_t kSaturation = 1'000'000'000;
    const std::size_t e = std::min(ascii.find('e'), ascii.size());
    std::int64_t exponent = 0;
    for (std::size_t i = e + 1; i < ascii.size(); ++i) {
        if (isDigit(ascii[i]))
            exponent = std::min(kSaturation, exponent * 10 + (ascii[i] - '0'));
    }
    if (e + 1 < ascii.size() && ascii[e + 1] == '-')
        exponent = -exponent;
    const std::string_view mantissa = ascii.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return -kSaturation;
    const auto distance = static_cast<std::int64_t>(point) - static_cast<std::int64_t>(first);
    return exponent + (first < point ? distance - 1 : distance);
}

// The nearest double; beyond the range an infinity, below it a zero, both signed.
double toDouble(std::string_view ascii)
{
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        value = magnitude(ascii) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return ascii.front() == '-' ? -value : value;
    }
    return value;
}

std::string replaceDecimalPoint(std::string text, const NumberFormat &format)
{
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, format.decimalSeparator);
    return text;
}

// The fifteen significant digits of |value| and the decimal exponent of the first one.
struct SignificantDigits
{
    std::string digits;
    int exponent = 0;
};

SignificantDigits significantDigits(double value)
{
    std::array<char, 32> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(), result.ptr - buffer.data()); // d.dddddddddddddde+XX
    const auto e = text.find('e');
    SignificantDigits out;
    out.digits.reserve(kSignificantDigits);
    out.digits += text.front();
    out.digits += text.substr(2, e - 2);
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
    return out;
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// round(|value| * 10^decimals) as decimal digits, from the fifteen significant digits,
// ties away from zero.
std::string scaledDigits(double value, int decimals)
{
    const SignificantDigits significant = significantDigits(value);
    const int kept = significant.exponent + 1 + decimals; // digits left of the new point
    std::string digits;
    if (kept >= kSignificantDigits) {
        digits = significant.digits;
        digits.append(static_cast<std::size_t>(kept - kSignificantDigits), '0');
    } else if (kept > 0) {
        digits = significant.digits.substr(0, static_cast<std::size_t>(kept));
        if (significant.digits[static_cast<std::size_t>(kept)] >= '5')
            incrementDigits(digits);
    } else {
        digits.assign(1, kept == 0 && significant.digits.front() >= '5' ? '1' : '0');
    }
    const auto firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string("0") : digits.substr(firstNonZero);
}

std::string groupThousands(std::string_view integerDigits, const std::string &separator)
{
    std::string grouped;
    grouped.reserve(integerDigits.size() + integerDigits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        if (i > 0 && (integerDigits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += integerDigits[i];
    }
    return grouped;
}

} // namespace

std::optional<double> readStrict(std::string_view text, const NumberFormat &format)
{
    ScannedNumber number;
    if (!scanStrict(text, format, number))
        return std::nullopt;
    const double value = toDouble(number.ascii);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

bool isNumeric(std::string_view text, const NumberFormat &format)
{
    return readStrict(text, format).has_value();
}

std::string generalText(double value, const NumberFormat &format)
{
    if (value == 0)
        return "0";
    std::array<char, 32> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, kSignificantDigits);
    std::string text(buffer.data(), result.ptr);
    if (const auto e = text.find('e'); e != std::string::npos && std::isfinite(value))
        text[e] = 'E';
    return replaceDecimalPoint(std::move(text), format);
}

double readLeading(std::string_view text, const NumberFormat &format)
{
    ScannedNumber number;
    scanLeading(text, format, number);
    return number.mantissaDigits > 0 ? toDouble(number.ascii) : 0.0;
}

DisplayFormat displayFormatFor(double value)
{
    return value > kTwoDecimalThreshold ? DisplayFormat::TwoDecimals : DisplayFormat::FourDecimals;
}

std::string formatForDisplay(double value, DisplayFormat displayFormat, const NumberFormat &format)
{
    if (!std::isfinite(value))
        return generalText(value, format);
    const int decimals = displayFormat == DisplayFormat::TwoDecimals ? 2 : 4;
    std::string digits = scaledDigits(value, decimals);
    const bool showsMinus = std::signbit(value) && digits != "0";
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    const std::string_view all(digits);
    const auto integerLength = all.size() - static_cast<std::size_t>(decimals);

    std::string text = showsMinus ? "-" : "";
    text += groupThousands(all.substr(0, integerLength), format.thousandsSeparator);
    text += format.decimalSeparator;
    text += all.substr(integerLength);
    return text;
}

} // namespace convert
