#pragma once

class QWidget;

namespace wexa::ui {

class FormBuilder;
class FormControls;

// Builds the main input form: every group, label, box, list and button,
// each control registered with `controls` under its name. The controls that
// the form keeps hidden (results area, graph options, progress text) are
// made too, because the exchange and the project file carry their fields.
QWidget* BuildMainForm(FormControls& controls);

// The groups, one function each.
QWidget* GeneralProjectGroup(FormBuilder& build);
QWidget* TrafficGroup(FormBuilder& build);
QWidget* ExecuteGroup(FormBuilder& build);
QWidget* HiddenResultsArea(FormBuilder& build);
QWidget* AlternativeGroup(FormBuilder& build);
QWidget* ActivityGroup(FormBuilder& build);

} // namespace wexa::ui
