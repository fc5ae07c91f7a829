// The engine's texts in the user's language. The engine knows its units by their English list
// items and writes English prompts; the converter window shows both translated, and maps what
// the user typed back to the English identity.
#ifndef SPOONWISE_I18N_ENGINETEXTS_H
#define SPOONWISE_I18N_ENGINETEXTS_H

#include "units.h"

#include <QString>

#include <string>
#include <string_view>

namespace enginetexts {

// The unit's item in the unit box, and the caption of its result frame.
QString unitItem(convert::Unit unit);
QString resultCaption(convert::Unit unit);

// What the engine reads for a text in the unit box: the English identity when the text equals,
// exactly, a unit's item in the user's language or its English one; any other text unchanged,
// so that it converts nothing ("cup", "Tasse " and the substitute below among them).
std::string unitIdentity(const QString &shown);

// What the unit box shows for a text the engine writes: the empty-unit substitute in the
// user's language (it names no unit, as in English), a unit's item translated.
QString shownUnitText(std::string_view engineText);

// A prompt of the engine in the user's language; an unknown text as it is.
QString prompt(std::string_view enginePrompt);

} // namespace enginetexts

#endif // SPOONWISE_I18N_ENGINETEXTS_H
