#pragma once

#include "forms/DialogBoxes.h"
#include "forms/FormEffects.h"
#include "forms/HandlerLatch.h"

namespace wexa::forms {

// What the table dialogs (hourly distribution, added time and costs, delay
// cost rates) share: a copy of one project table, the texts of the controls
// and the running of handlers.
//
// Who owns what: the dialog owns its copy of the table. Handlers change
// only the copy; the window hands it back to the project with StoreInto
// after OK, and after Cancel drops the object unseen.
//
// How the window drives it: it shows Boxes() when the dialog opens; before
// each handler it writes what its controls hold into Boxes(), and after it
// shows Boxes() again, since a handler may replace any text.
template <typename Table, typename BoxesType> class TableDialog {
public:
    virtual ~TableDialog() = default;
    TableDialog(const TableDialog&) = delete;
    TableDialog& operator=(const TableDialog&) = delete;

    [[nodiscard]] BoxesType& Boxes() { return boxes_; }
    [[nodiscard]] const BoxesType& Boxes() const { return boxes_; }
    // The table as the dialog holds it.
    [[nodiscard]] const Table& Values() const { return table_; }

    // After OK: the table handed back to the project.
    void StoreInto(Project& project) const { table_.CopyInto(project); }

protected:
    explicit TableDialog(const Table& table) : table_(table) {}

    [[nodiscard]] Table& EditValues() { return table_; }

    // Runs a handler (HandlerLatch::Run): the texts are read, `rule(allRead)`
    // runs and the values are shown again. A rule that acts on the whole
    // table (OK, a file, a reset) acts only when every text was read, so a
    // mistyped value is never saved, escalated or dropped unseen.
    template <typename Rule> bool Handle(FormEffects& effects, Rule&& rule) {
        return RunBoxHandler(
            latch_, effects, [this](BoxReader& reader) { ReadBoxes(reader); }, rule,
            [this] { WriteBoxes(); });
    }

    // Runs a handler that reads no box (a reset): `rule()` replaces values
    // whatever the boxes hold, then the values are shown again. False, and
    // nothing done, while another handler runs.
    template <typename Rule> bool HandleUnread(Rule&& rule) {
        return latch_.Run([] { return true; }, [&](bool /*allRead*/) { rule(); },
                          [this] { WriteBoxes(); });
    }

    // The dialog's boxes into its values, and back. The derived dialog calls
    // WriteBoxes once it is built.
    virtual void ReadBoxes(BoxReader& reader) = 0;
    virtual void WriteBoxes() = 0;

private:
    BoxesType boxes_;
    Table table_;
    HandlerLatch latch_;
};

} // namespace wexa::forms
