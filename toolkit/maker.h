// The program and its maker, as every window names them.
#ifndef SPOONWISE_TOOLKIT_MAKER_H
#define SPOONWISE_TOOLKIT_MAKER_H

namespace maker {

// The title of the main window and of every message box.
inline constexpr auto kProduct = "Spoonwise II";
inline constexpr auto kName = "Pinchpot Software";
inline constexpr auto kNoticeLine = "\u00A9 1998-99 Pinchpot Software";
inline constexpr auto kEmail = "pinchpot@example.com";
inline constexpr auto kStreet = "27 Larder Lane";
inline constexpr auto kTown = "Millbrook Falls, ZZ 00000";

} // namespace maker

#endif // SPOONWISE_TOOLKIT_MAKER_H
