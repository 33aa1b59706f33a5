#pragma once

namespace wexa::forms {

// Runs a dialog's handlers one at a time. A message box that a handler shows
// takes the keyboard focus, and when it closes the handler gives the focus
// back to the refused box: the window sees boxes losing the focus while the
// handler is still running, and the handlers of those boxes must then do
// nothing.
class HandlerLatch {
public:
    // One handler of a dialog whose boxes hold texts: nothing, and false,
    // while another handler runs. Otherwise `read` takes the boxes' texts
    // (refusing one that does not parse) and says whether every text was
    // read, `rule(allRead)` applies the handler's rule, and `write` shows the
    // values again, so a refused text shows its last accepted value. Returns
    // whether every text was read.
    template <typename Read, typename Rule, typename Write>
    bool Run(Read&& read, Rule&& rule, Write&& write) {
        const Scope scope(*this);
        if (!scope.Entered()) {
            return false;
        }
        const bool allRead = read();
        rule(allRead);
        write();
        return allRead;
    }

    [[nodiscard]] bool Busy() const { return busy_; }

private:
    class Scope {
    public:
        explicit Scope(HandlerLatch& latch) : latch_(latch), entered_(!latch.busy_) {
            latch_.busy_ = true;
        }
        ~Scope() {
            if (entered_) {
                latch_.busy_ = false;
            }
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        [[nodiscard]] bool Entered() const { return entered_; }

    private:
        HandlerLatch& latch_;
        bool entered_;
    };

    bool busy_ = false;
};

} // namespace wexa::forms
