#include "command.h"

#include <array>

namespace convert {

namespace {

constexpr std::array<Unit, kUnitCount> kDisplayOrder = {
    Unit::Gallons,    Unit::Quarts,      Unit::Pints,       Unit::Cup,
    Unit::Liters,     Unit::Milliliters, Unit::Teaspoon,    Unit::Tablespoon,
    Unit::FluidOunce, Unit::Deciliters,  Unit::Centiliters,
};

void repairAmount(ConverterForm &form, const NumberFormat &format)
{
    if (form.entryText().empty()) {
        form.setEntryText(zeroSubstitute(format));
        form.showMessage(kEmptyAmountPrompt);
    }
    const bool numeric = isNumeric(form.entryText(), format);
    if (!numeric) {
        form.setEntryText(zeroSubstitute(format));
        form.showMessage(kInvalidAmountPrompt);
    }
}

// True when the unit text was empty and has been replaced, its message shown.
bool repairUnit(ConverterForm &form)
{
    if (!form.unitText().empty())
        return false;
    form.showMessage(kEmptyUnitPrompt);
    form.setUnitText(kUnitSubstitute);
    return true;
}

// Each box is read back from its own text; the command keeps no numeric copy.
void displayPass(ResultTexts &texts, const NumberFormat &format)
{
    for (const Unit box : kDisplayOrder) {
        std::string &text = texts[indexOf(box)];
        if (const auto value = readStrict(text, format))
            text = formatForDisplay(*value, displayFormatFor(*value), format);
    }
}

ResultTexts readResults(const ConverterForm &form)
{
    ResultTexts texts;
    for (const UnitInfo &info : kUnits)
        texts[indexOf(info.unit)] = form.resultText(info.unit);
    return texts;
}

} // namespace

std::string zeroSubstitute(const NumberFormat &format)
{
    return "0" + format.decimalSeparator + "0";
}

void runConversionCommand(ConverterForm &form, const NumberFormat &format)
{
    repairAmount(form, format);
    const bool unitRepaired = repairUnit(form);

    ResultTexts texts;
    if (const auto unit = findUnit(form.unitText())) {
        // The chain runs on a copy, so a failing step leaves nothing half-converted on screen.
        // The amount passed the numeric test, so only an overflow can stop it.
        if (runChain(*unit, form.entryText(), texts, format)) {
            form.showMessage(kTooLargePrompt);
            return;
        }
    } else {
        // The boxes keep the results of an earlier amount, which a cook would take for this
        // one's. One unit message a run.
        if (!unitRepaired)
            form.showMessage(kEmptyUnitPrompt);
        texts = readResults(form);
    }

    displayPass(texts, format);
    for (const Unit box : kDisplayOrder)
        form.setResultText(box, texts[indexOf(box)]);
}

} // namespace convert
