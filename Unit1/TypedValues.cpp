#include "Unit1/TypedValues.h"

#include <vector>

#include "MyFunc/TextConv.h"
#include "Unit1/Form.h"
#include "figures/Figure.h"
#include "figures/StepInputs.h"

namespace Unit1 {

namespace {

using MyFunc::TypedKind;

// The option's text and the texts of the numbers the run's mode and step
// read (Form: TForm1 or const TForm1).
template <typename Form>
auto TextsRead(Form& form) -> std::vector<decltype(&form.OptionText)> {
    std::vector<decltype(&form.OptionText)> texts;
    const figures::ModeSpec* mode = figures::FindMode(form.Mode);
    if (mode == nullptr) return texts;
    if (mode->TakesOption) texts.push_back(&form.OptionText);
    if (form.Step != 3) return texts;
    size_t next = 0;
    for (figures::NumberRole role : figures::NumbersRead(*mode))
        if (role != figures::NumberRole::Option) texts.push_back(&form.NumberTexts[next++]);
    return texts;
}

TypedKind KindOf(const TForm1& form, const std::string& text) {
    if (&text == &form.OptionText) {
        int32_t option = 0;
        return MyFunc::ReadTypedInt(text, option);
    }
    double value = 0;
    return MyFunc::ReadTypedFloat(text, value);
}

}  // namespace

TypedProblem FirstUnreadableTyped(const TForm1& form) {
    for (const std::string* text : TextsRead(form)) {
        const TypedKind kind = KindOf(form, *text);
        if (kind != TypedKind::Number && kind != TypedKind::Empty) return {text, kind};
    }
    return {};
}

bool ReadTypedValues(TForm1& form) {
    if (FirstUnreadableTyped(form).Text != nullptr) {
        form.Outcome = figures::NotDrawn::NotANumber;
        return false;
    }
    for (std::string* text : TextsRead(form)) *text = MyFunc::HalfWidthNumberText(*text);
    form.ModeOption = MyFunc::TextToInt(form.OptionText);
    return true;
}

}  // namespace Unit1
