#include "forms/TrafficType.h"

#include <array>

namespace wexa::forms {

namespace {

enum TrafficTypeEntry : Int32 { kRural = 0, kUrban = 1, kSpecific = 2 };

struct TrafficTypeNotice {
    const char* Message;
    const char* Caption;
};

// Indexed by the list position.
constexpr std::array<TrafficTypeNotice, 3> kNotices{{
    {"Traffic type: Rural has been selected.\nThe traffic distribution has been set to the rural "
     "default.",
     "Traffic Type: Rural"},
    {"Traffic type: Urban has been selected.\nThe traffic distribution has been set to the urban "
     "default.",
     "Traffic Type: Urban"},
    {"Traffic type: Specific has been selected.\nThe traffic distribution input window will be "
     "opened automatically",
     "Traffic Type: Specific"},
}};

} // namespace

bool ApplyTrafficType(Project& project, FormEffects& effects) {
    const Int32 type = project.TrafficType;
    if (type < kRural || type > kSpecific) {
        return false;
    }
    effects.ShowMessage(kNotices[type].Message, kNotices[type].Caption, MessageIcon::Information);
    if (type == kSpecific) {
        return true;
    }
    LoadBuiltInHourlyTable(project, type);
    return false;
}

} // namespace wexa::forms
