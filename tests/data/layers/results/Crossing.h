// What a run shows rests on the main form's room and the core, never on the
// input dialogs.
#pragma once
#include "decision/Comparison.h"
#include "dialogs/BidItemsDialog.h"
#include "forms/FormText.h"
