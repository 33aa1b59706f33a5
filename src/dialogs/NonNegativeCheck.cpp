#include "dialogs/NonNegativeCheck.h"

namespace wexa::forms {

bool ReplaceNegative(double& value, const MessageText& refusal, std::string_view control,
                     FormEffects& effects) {
    if (value < 0.0) {
        Refuse(effects, refusal, control);
        value = kNegativeValueSubstitute;
        return true;
    }
    return false;
}

} // namespace wexa::forms
