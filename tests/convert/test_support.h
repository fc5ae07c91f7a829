// Regional formats seen in real locales, and a splitter for one-line expectation tables.
#ifndef SPOONWISE_TESTS_TEST_SUPPORT_H
#define SPOONWISE_TESTS_TEST_SUPPORT_H

#include "numbers.h"

#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

inline const convert::NumberFormat kDotComma {".", ","}; // en_US
inline const convert::NumberFormat kCommaDot {",", "."}; // de_DE
inline const convert::NumberFormat kDotApostrophe {".", "'"}; // de_CH (older)
inline const convert::NumberFormat kDotRightQuote {".", "\u2019"}; // de_CH
inline const convert::NumberFormat kCommaNarrowSpace {",", "\u202F"}; // fr_FR
inline const convert::NumberFormat kCommaNoBreakSpace {",", "\u00A0"}; // ru_RU, pl_PL

// "48 16 *" -> {"48", "16", "*"}
inline std::vector<std::string> words(const std::string &line)
{
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

} // namespace testsupport

#endif // SPOONWISE_TESTS_TEST_SUPPORT_H
