#pragma once

#include "forms/DialogBoxes.h"
#include "forms/FormEffects.h"
#include "forms/HandlerLatch.h"
#include "model/Capacities.h"
#include "model/Project.h"

#include <array>
#include <tuple>
#include <utility>

namespace wexa::forms {

// What the bid item and time-related cost dialogs share: the rows of one
// activity's items, the copies of the project's item arrays they come from
// and go back to, the texts of the controls and the running of handlers.
//
// Who owns what: the dialog owns its copies of the arrays (every slot, not
// just the activity's). Handlers change only the rows; OK writes the rows
// into the copies, and the window then hands the copies back with
// StoreInto. Cancel drops the object and the project never sees anything.
//
// How the window drives a dialog: it shows Boxes() when the dialog opens;
// before each handler it writes what its controls hold into Boxes() (texts
// as typed, list positions), and after it shows Boxes() again, because a
// handler may replace a text.
//
// The alternative and activity numbers it is opened with may name no slot (a
// project file can hold any numbers): then the rows stay empty and nothing is
// stored, so nothing outside the arrays is read or written.
//
// An item kind is three types, the flat index rule of its rows
// (Capacities.h) and two functions, found by argument lookup:
//   Row      a row as the dialog holds it;
//   Arrays   the copied arrays, with CopyInto(Project&);
//   Boxes    the controls' texts: Alternative, Activity and an array Rows
//            with one element per row of an activity;
//   RowValues(Row&), StoredValues(Arrays&, item)
//            the values of a row and their stored elements at flat index
//            `item`, in the same order, as tuples of references: assigning
//            one to the other moves a whole row.
template <typename RowType, typename ArraysType, typename BoxesType> class ItemsDialog {
public:
    static constexpr int kRows = std::tuple_size_v<decltype(BoxesType::Rows)>;
    using RowArray = std::array<RowType, kRows>;

    virtual ~ItemsDialog() = default;
    ItemsDialog(const ItemsDialog&) = delete;
    ItemsDialog& operator=(const ItemsDialog&) = delete;

    [[nodiscard]] BoxesType& Boxes() { return boxes_; }
    [[nodiscard]] const BoxesType& Boxes() const { return boxes_; }

    // "OK": the rows go into the copied arrays. False, and the dialog stays
    // open, when a text does not parse.
    [[nodiscard]] bool PressOk(FormEffects& effects) {
        return Handle(effects, [this](bool allRead) {
            if (allRead) {
                Confirm();
            }
        });
    }

    // After OK: the arrays handed back whole. False, and nothing written,
    // when the dialog has no activity slot.
    bool StoreInto(Project& project) const {
        if (!HasSlot()) {
            return false;
        }
        arrays_.CopyInto(project);
        return true;
    }

    [[nodiscard]] bool HasSlot() const { return slot_ >= 0; }
    // The rows as the dialog holds them, and the copies of the arrays.
    [[nodiscard]] const RowArray& Rows() const { return rows_; }
    [[nodiscard]] const ArraysType& Arrays() const { return arrays_; }

protected:
    // The flat index of a row of an activity slot (BidItemSlot, TimeItemSlot).
    using ItemIndex = int (*)(int activitySlot, int row);

    // Opening: the activity's stored rows, as they are.
    ItemsDialog(int alternative, int activity, ArraysType arrays, ItemIndex itemIndex)
        : alternative_(alternative), activity_(activity), arrays_(std::move(arrays)),
          itemIndex_(itemIndex),
          slot_(IsValidActivity(alternative, activity) ? ActivitySlot(alternative, activity) : -1) {
        Load(alternative, activity);
    }

    [[nodiscard]] RowArray& EditRows() { return rows_; }
    [[nodiscard]] ArraysType& EditArrays() { return arrays_; }
    // The activity slot, -1 for none.
    [[nodiscard]] int Slot() const { return slot_; }

    // The rows take the stored rows of an activity, as they are in the
    // copies; nothing when the numbers name no slot.
    void Load(int alternative, int activity) {
        if (!IsValidActivity(alternative, activity)) {
            return;
        }
        const int slot = ActivitySlot(alternative, activity);
        for (int row = 0; row < kRows; ++row) {
            RowValues(rows_[row]) = StoredValues(arrays_, itemIndex_(slot, row));
        }
    }

    // What OK does once every text was read: the rows go into the copies at
    // the dialog's own slot.
    virtual void Confirm() {
        for (int row = 0; HasSlot() && row < kRows; ++row) {
            StoredValues(arrays_, itemIndex_(slot_, row)) = RowValues(rows_[row]);
        }
    }

    // Runs a handler (HandlerLatch::Run): the texts are read, `rule(allRead)`
    // runs, and the values are shown again. A check of the box just left
    // runs even when another box's text was refused, as the platform's own
    // exchange lets it, so no unchecked value stays in a row; what acts on
    // the whole dialog (OK, a copy) runs only when every text was read.
    template <typename Rule> bool Handle(FormEffects& effects, Rule&& rule) {
        return RunBoxHandler(
            latch_, effects, [this](BoxReader& reader) { ReadBoxes(reader); }, rule,
            [this] { Write(); });
    }

    // The dialog's boxes into its values, and back.
    virtual void ReadBoxes(BoxReader& reader) = 0;
    virtual void WriteBoxes() = 0;

    // Shows every value; the derived dialog calls it once it is built.
    void Write() {
        boxes_.Alternative = BoxText(Int32{alternative_});
        boxes_.Activity = BoxText(Int32{activity_});
        WriteBoxes();
    }

private:
    BoxesType boxes_;
    int alternative_;
    int activity_;
    ArraysType arrays_;
    ItemIndex itemIndex_;
    int slot_;
    RowArray rows_{};
    HandlerLatch latch_;
};

} // namespace wexa::forms
