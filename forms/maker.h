// The maker of the program, as every window names it.
#ifndef SPOONWISE_FORMS_MAKER_H
#define SPOONWISE_FORMS_MAKER_H

namespace maker {

inline constexpr auto kName = "Pinchpot Software";
inline constexpr auto kNoticeLine = "\u00A9 1998-99 Pinchpot Software";
inline constexpr auto kEmail = "pinchpot@example.com";
inline constexpr auto kStreet = "27 Larder Lane";
inline constexpr auto kTown = "Millbrook Falls, ZZ 00000";

} // namespace maker

#endif // SPOONWISE_FORMS_MAKER_H
