#include "forms/DialogBoxes.h"

#include "forms/FormExchange.h"
#include "forms/FormText.h"

#include <cmath>

namespace wexa::forms {

namespace {

// True when `value` now holds what the text says. A value that is not
// finite is shown as an empty box, which holds no number: it is refused
// until the user types one.
template <typename Number, typename Parse>
bool Take(std::string_view text, Number& value, Parse parse) {
    if (std::isfinite(static_cast<double>(value)) && text == BoxText(value)) {
        return true;
    }
    if (const auto parsed = parse(text)) {
        value = *parsed;
        return true;
    }
    return false;
}

} // namespace

std::string BoxText(double value) {
    return FormatReal(value);
}

std::string BoxText(Int32 value) {
    return FormatInteger(value);
}

std::string RowControl(std::string_view column, int row) {
    return std::string(column) + "[" + std::to_string(row) + "]";
}

void Refuse(FormEffects& effects, const MessageText& refusal, std::string_view control) {
    effects.ShowMessage(refusal.Message, refusal.Caption, MessageIcon::Exclamation);
    effects.MoveFocus(control);
}

void BoxReader::Read(std::string_view text, double& value, std::string_view control) {
    if (!Take(text, value, ParseReal)) {
        Refuse(kNotANumber, control);
    }
}

void BoxReader::Read(std::string_view text, Int32& value, std::string_view control) {
    if (!Take(text, value, ParseInteger)) {
        Refuse(kNotAnInteger, control);
    }
}

void BoxReader::ReadList(int position, Int32& value) {
    if (position >= 0) {
        value = position;
    }
}

void BoxReader::Refuse(std::string_view message, std::string_view control) {
    if (!refused_) {
        forms::Refuse(effects_, {message, kExchangeMessageCaption}, control);
    }
    refused_ = true;
}

} // namespace wexa::forms
