// Regional number formats seen in real locales, for the engine tests.
#ifndef SPOONWISE_TESTS_TEST_FORMATS_H
#define SPOONWISE_TESTS_TEST_FORMATS_H

#include "numbers.h"

namespace testformats {

inline const convert::NumberFormat kDotComma {".", ","}; // en_US
inline const convert::NumberFormat kCommaDot {",", "."}; // de_DE
inline const convert::NumberFormat kDotApostrophe {".", "'"}; // de_CH (older)
inline const convert::NumberFormat kDotRightQuote {".", "\u2019"}; // de_CH
inline const convert::NumberFormat kCommaNarrowSpace {",", "\u202F"}; // fr_FR
inline const convert::NumberFormat kCommaNoBreakSpace {",", "\u00A0"}; // ru_RU, pl_PL

} // namespace testformats

#endif // SPOONWISE_TESTS_TEST_FORMATS_H
