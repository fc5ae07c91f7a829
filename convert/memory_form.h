// A converter form held in plain strings, for running the command without a window.
#ifndef SPOONWISE_CONVERT_MEMORY_FORM_H
#define SPOONWISE_CONVERT_MEMORY_FORM_H

#include "command.h"

#include <string>
#include <vector>

namespace convert {

class MemoryForm : public ConverterForm
{
public:
    std::string entry = "0";
    std::string unit = "Teaspoon";
    ResultTexts results;
    std::vector<std::string> messages; // every prompt shown, in order

    std::string entryText() const override { return entry; }
    void setEntryText(std::string_view text) override { entry = text; }
    std::string unitText() const override { return unit; }
    void setUnitText(std::string_view text) override { unit = text; }
    std::string resultText(Unit box) const override { return results[indexOf(box)]; }
    void setResultText(Unit box, std::string_view text) override { results[indexOf(box)] = text; }
    void showMessage(std::string_view prompt) override { messages.emplace_back(prompt); }
};

} // namespace convert

#endif // SPOONWISE_CONVERT_MEMORY_FORM_H
