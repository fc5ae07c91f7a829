// The conversion command behind the Calculate button and the Enter key, written against a
// small form interface so that it runs the same on the real window and on plain strings.
#ifndef SPOONWISE_CONVERT_COMMAND_H
#define SPOONWISE_CONVERT_COMMAND_H

#include "numbers.h"
#include "units.h"

#include <string>
#include <string_view>

namespace convert {

// The command's messages, shown exactly as written (no blank after the comma, no full stops).
inline constexpr std::string_view kEmptyAmountPrompt = "Please enter a number";
inline constexpr std::string_view kInvalidAmountPrompt
    = "That is an invalid Character,You must enter a number";
inline constexpr std::string_view kEmptyUnitPrompt
    = "Please Make a selection in the 'Select & Enter here Combo box' pull down menu";
inline constexpr std::string_view kTooLargePrompt = "That number is too large to convert";

// What replaces an empty unit text. Lower case on purpose: it names no unit, so a run that
// needed it converts nothing, and so does every run until a unit is chosen.
inline constexpr std::string_view kUnitSubstitute = "teaspoon";

// What the command needs of the converter window.
class ConverterForm
{
public:
    virtual ~ConverterForm() = default;

    virtual std::string entryText() const = 0; // txtenter
    virtual void setEntryText(std::string_view text) = 0;
    virtual std::string unitText() const = 0; // Combo1
    virtual void setUnitText(std::string_view text) = 0;
    virtual std::string resultText(Unit box) const = 0;
    virtual void setResultText(Unit box, std::string_view text) = 0;
    // Modal, OK only; returns when the user has closed it.
    virtual void showMessage(std::string_view prompt) = 0;
};

// The zero that replaces an empty or unreadable amount: "0.0" with the regional decimal
// separator, so that it reads back as a number in every format.
std::string zeroSubstitute(const NumberFormat &format);

// Checks and repairs the amount and unit text (each repair with its message), runs the
// chain of the named unit, then rewrites every result box in its display format. A unit
// text that names no unit ("Cups", the substitute "teaspoon") converts nothing, shows the
// empty-unit message unless the run has shown it already, and still runs the display pass. A box that no
// conversion wrote (empty, as before the first run) is left as it is. When a chain step
// overflows, the result boxes keep their texts from before the run, a message says so, and
// the display pass is skipped.
void runConversionCommand(ConverterForm &form, const NumberFormat &format);

} // namespace convert

#endif // SPOONWISE_CONVERT_COMMAND_H
