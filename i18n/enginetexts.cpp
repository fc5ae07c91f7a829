#include "enginetexts.h"

#include "command.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace enginetexts {

namespace {

// In the order of convert::Unit, each equal to the engine's identity (checked below), so that
// lupdate finds the texts here while the engine keeps its own.
constexpr std::array<const char *, convert::kUnitCount> kUnitItems = {
    //: An item of the unit list, also what a user may type. A US teaspoon, 4.93 ml: the
    //: kitchen word of cookbooks (Teelöffel, cuillère à café). The eleven items must differ
    //: from each other and from the English name of every other unit.
    QT_TRANSLATE_NOOP("Units", "Teaspoon"),
    //: A unit list item: a US tablespoon, 14.8 ml (Esslöffel, cuillère à soupe).
    QT_TRANSLATE_NOOP("Units", "Tablespoon"),
    //: A unit list item: a US fluid ounce, 29.6 ml, a volume, not a weight.
    QT_TRANSLATE_NOOP("Units", "Fluid Ounce"),
    //: A unit list item: the US cup of 236.6 ml, not a metric cup of 250 ml nor a local one.
    //: Choose a name that cannot be mistaken for a local measure.
    QT_TRANSLATE_NOOP("Units", "Cup"),
    //: A unit list item: US liquid pints of 473 ml, not imperial pints of 568 ml.
    QT_TRANSLATE_NOOP("Units", "Pints"),
    //: A unit list item: US liquid quarts of 946 ml.
    QT_TRANSLATE_NOOP("Units", "Quarts"),
    //: A unit list item: US gallons of 3.785 liters, not imperial gallons of 4.546 liters.
    QT_TRANSLATE_NOOP("Units", "Gallons"),
    //: A unit list item.
    QT_TRANSLATE_NOOP("Units", "Milliliters"),
    //: A unit list item.
    QT_TRANSLATE_NOOP("Units", "Centiliters"),
    //: A unit list item.
    QT_TRANSLATE_NOOP("Units", "Deciliters"),
    //: A unit list item.
    QT_TRANSLATE_NOOP("Units", "Liters"),
};

// A source text with the note that tells it from the same text elsewhere.
struct Disambiguated
{
    const char *source;
    const char *disambiguation;
};

// In the order of convert::Unit, each equal to the engine's caption (checked below).
constexpr std::array<Disambiguated, convert::kUnitCount> kResultCaptions = {{
    //: The caption of a result frame, about 80 pixels wide: the same US units as the list.
    QT_TRANSLATE_NOOP3("Units", "Teaspoons", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Tablespoons", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Fluid Ounce", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Cups", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Pints", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Quarts", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Gallons", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Milliliters", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Centiliters", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Deciliters", "result frame"),
    QT_TRANSLATE_NOOP3("Units", "Liters", "result frame"),
}};

// Both tables say what the engine's unit table says, item and caption, unit by unit.
static_assert([] {
    for (std::size_t i = 0; i < convert::kUnitCount; ++i) {
        if (convert::kUnits[i].text != kUnitItems[i]
            || convert::kUnits[i].caption != kResultCaptions[i].source)
            return false;
    }
    return true;
}());

//: Written into the unit box when the user left it empty. It must name no unit, so that it
//: converts nothing: the list's teaspoon in lower case, as in English, or the like.
constexpr const char *kUnitSubstitute = QT_TRANSLATE_NOOP("Units", "teaspoon");
static_assert(convert::kUnitSubstitute == kUnitSubstitute);

constexpr std::array<const char *, 4> kPrompts = {
    //: The amount box was empty; it now shows 0.0.
    QT_TRANSLATE_NOOP("Prompts", "Please enter a number"),
    //: The amount was not a number; it now shows 0.0.
    QT_TRANSLATE_NOOP("Prompts", "That is an invalid Character,You must enter a number"),
    //: The unit box was empty. 'Select & Enter here Combo box' names the unit box; the & is
    //: shown as it is, not an access key.
    QT_TRANSLATE_NOOP("Prompts",
                      "Please Make a selection in the 'Select & Enter here Combo box' pull down menu"),
    //: The amount converts to more than the largest number the program can hold.
    QT_TRANSLATE_NOOP("Prompts", "That number is too large to convert"),
};

static_assert([] {
    for (const std::string_view engine : {convert::kEmptyAmountPrompt, convert::kInvalidAmountPrompt,
                                          convert::kEmptyUnitPrompt, convert::kTooLargePrompt}) {
        if (std::ranges::find(kPrompts, engine) == kPrompts.end())
            return false;
    }
    return true;
}());

QString translated(const char *context, const char *source, const char *disambiguation = nullptr)
{
    return QCoreApplication::translate(context, source, disambiguation);
}

} // namespace

QString unitItem(convert::Unit unit)
{
    return translated("Units", kUnitItems[convert::indexOf(unit)]);
}

QString resultCaption(convert::Unit unit)
{
    const Disambiguated &caption = kResultCaptions[convert::indexOf(unit)];
    return translated("Units", caption.source, caption.disambiguation);
}

std::string unitIdentity(const QString &shown)
{
    for (const convert::UnitInfo &info : convert::kUnits) {
        if (shown == unitItem(info.unit))
            return std::string(info.text);
    }
    return shown.toStdString();
}

QString shownUnitText(std::string_view engineText)
{
    if (engineText == convert::kUnitSubstitute)
        return translated("Units", kUnitSubstitute);
    if (const auto unit = convert::findUnit(engineText))
        return unitItem(*unit);
    return QString::fromUtf8(engineText.data(), static_cast<qsizetype>(engineText.size()));
}

QString prompt(std::string_view enginePrompt)
{
    const auto found = std::ranges::find(kPrompts, enginePrompt);
    return found == kPrompts.end()
        ? QString::fromUtf8(enginePrompt.data(), static_cast<qsizetype>(enginePrompt.size()))
        : translated("Prompts", *found);
}

} // namespace enginetexts
