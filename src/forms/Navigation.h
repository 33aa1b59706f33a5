#pragma once

#include "forms/FormEffects.h"
#include "model/Project.h"

namespace wexa::forms {

// Moving the form between alternatives and activities, and copying one
// activity onto the current one. Each works on the project as read from the
// form; the caller brackets it with the form exchange.
//
// The numbers are not trusted: a project file can carry any count and any
// current alternative or activity. Moving never goes past the four
// alternatives or ten activities the project has room for, whatever the
// counts say, and a current position that names no slot loads nothing.

// Loads the current activity's copies from its slot, shows or hides its
// work-zone inputs and captions its years-to-next distribution (keeping the
// values loaded). `singleBlankPlusMinus` is the caption variant seen after
// "Next Work Activity".
void ShowActivity(Project& project, FormEffects& effects, bool singleBlankPlusMinus = false);

// "Next Alternative": the following alternative, after the last the first;
// its first activity.
void NextAlternative(Project& project, FormEffects& effects);

// "Next Work Activity": the following activity of the alternative, after the
// last the first. Stepping forward sets the new activity's expected year to
// the previous activity's year plus its expected years to the next.
void NextWorkActivity(Project& project, FormEffects& effects);

// After a project was read: the alternative and activity it names, each
// brought within what the project has, with every copy loaded from their
// slots, so the form shows that project and an edit lands in the activity
// on screen.
void ShowStoredPosition(Project& project, FormEffects& effects);

// After the number of alternatives was left: alternative 1, activity 1.
void ShowFirstAlternative(Project& project, FormEffects& effects);

// After the number of activities was left: the count is stored for the
// current alternative, which then shows its activity 1.
void ShowFirstActivity(Project& project, FormEffects& effects);

// "Copy Another Work Activity", up to the copy: checks the source numbers
// (CopyFromAlternative, CopyFromActivity) and copies the source slot onto the
// current one, whose copies then show the copied values. False, with the
// refusal shown and the refused number set to 1, when a number names no
// declared alternative or activity; false without a word when the form
// shows no slot to copy onto.
[[nodiscard]] bool CopyAnotherWorkActivity(Project& project, FormEffects& effects);

inline constexpr std::string_view kCopyNotice =
    "You have elected to copy another work activity.\nYou should check the work zone timing "
    "since\nthe traffic volume may be different.";
inline constexpr std::string_view kCopyNoticeCaption = "Copy Work Activity";

} // namespace wexa::forms
