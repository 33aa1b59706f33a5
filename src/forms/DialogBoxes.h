#pragma once

#include "forms/FormEffects.h"
#include "forms/HandlerLatch.h"
#include "model/Project.h"

#include <string>
#include <string_view>

namespace wexa::forms {

// The numbers of a dialog's edit boxes, moved as text: the window shows the
// texts the dialog writes and hands back what the boxes hold.

// A number as its box shows it: integers in decimal, reals with up to 15
// significant digits, a real that is not finite as an empty box (FormText).
[[nodiscard]] std::string BoxText(double value);
[[nodiscard]] std::string BoxText(Int32 value);

// The widest texts a box can be given, to size the boxes by: any 32-bit
// integer; a figure of the work-zone cost summary (whole dollars, or a
// percentage to two decimals), which is never beyond the 64-bit range (a
// larger one is refused, not shown); and any real. Reals show 15 significant
// digits.
inline constexpr std::string_view kWidestInteger = "-2147483648";
inline constexpr std::string_view kWidestFigure = "-9.22337203685478e+18";
inline constexpr std::string_view kWidestReal = "-1.23456789012345e-300";

// The name of the box of `column` in a dialog's row (0-based), for
// FormEffects::MoveFocus: "Quantity[3]".
[[nodiscard]] std::string RowControl(std::string_view column, int row);

// The text and caption of a message box.
struct MessageText {
    std::string_view Message;
    std::string_view Caption;
};

// A refused value: the message with an exclamation icon, then the focus back
// on the value's box.
void Refuse(FormEffects& effects, const MessageText& refusal, std::string_view control);

// Reads a dialog's boxes one by one into their values.
//
// A box whose text is the one its value is shown with keeps its value
// exactly: 15 digits do not always give a real back bit for bit, and a
// value the user did not touch must not change by being shown. Any other
// text is parsed strictly (FormText), so the empty box of a value that is
// not finite is refused. A text that does not parse is refused
// ("Please enter a number." or "Please enter an integer.", the focus on its
// box) and its value stays; only the first refusal of a read is shown, the
// other boxes are still read, so nothing else the user typed is lost.
class BoxReader {
public:
    explicit BoxReader(FormEffects& effects) : effects_(effects) {}

    void Read(std::string_view text, double& value, std::string_view control);
    void Read(std::string_view text, Int32& value, std::string_view control);
    // A drop-down list: its position, or, when it shows no entry (-1), the
    // value it had: a stored position outside the list cannot be shown, and
    // being shown must not change it.
    static void ReadList(int position, Int32& value);

    // False when a text was refused.
    [[nodiscard]] bool AllRead() const { return !refused_; }

private:
    void Refuse(std::string_view message, std::string_view control);

    FormEffects& effects_;
    bool refused_ = false;
};

// Runs one handler of a dialog whose boxes hold texts (HandlerLatch::Run):
// `readBoxes(reader)` reads every box through one BoxReader, `rule(allRead)`
// applies the handler's rule, told whether every text was read, and `write()`
// shows the values again. Returns whether every text was read; false, and
// nothing done, while another handler of the dialog runs.
template <typename ReadBoxes, typename Rule, typename Write>
bool RunBoxHandler(HandlerLatch& latch, FormEffects& effects, ReadBoxes&& readBoxes, Rule&& rule,
                   Write&& write) {
    return latch.Run(
        [&] {
            BoxReader reader(effects);
            readBoxes(reader);
            return reader.AllRead();
        },
        rule, write);
}

} // namespace wexa::forms
