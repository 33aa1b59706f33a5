#pragma once

#include "forms/FormEffects.h"
#include "model/Project.h"

namespace wexa::forms {

// The three distributions the main form shows, each as a kind list, three
// boxes and three captions above them.
enum class Distribution { DiscountRate, TrafficGrowth, YearsToNext };

struct CaptionStyle {
    // A Deterministic distribution hides its first and third boxes. Picking
    // the kind in the list also sets their values to 0 (for the years, the
    // form's copies, not the slot); showing another activity keeps the values
    // it loaded.
    bool ZeroHiddenValues = true;
    // The Truncated Normal third caption is "  +/-"; after "Next Work
    // Activity" the form has always shown it with a single blank.
    bool SingleBlankPlusMinus = false;
};

// Sets the distribution's captions from its kind and shows or hides its first
// and third boxes (the middle box is always shown). A kind outside the list
// changes nothing.
void ShowCaptions(Project& project, FormEffects& effects, Distribution distribution,
                  CaptionStyle style = {});

// ShowCaptions for all three: years to the next activity, traffic growth,
// discount rate, in that order.
void ShowAllCaptions(Project& project, FormEffects& effects, CaptionStyle style = {});

} // namespace wexa::forms
