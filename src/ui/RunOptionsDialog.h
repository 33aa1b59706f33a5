#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

class QLineEdit;
class QRadioButton;

namespace wexa::ui {

class Prompts;

// "Run Options": whether the window's runs take a new seed from the clock
// or all use one fixed seed, so that a run can be repeated. OK refuses a
// seed that is not a whole number from 0 to 4294967295 and stays open.
class CRunOptionsDialog final : public QDialog {
    Q_OBJECT
public:
    // `seed` is the choice in force (none: the clock); `lastRun` the seed of
    // the last run shown, which "Last Run's Seed" copies into the box.
    CRunOptionsDialog(std::optional<std::uint32_t> seed, std::optional<std::uint32_t> lastRun,
                      Prompts& prompts, QWidget* parent = nullptr);

    // The choice made, once the dialog was accepted.
    [[nodiscard]] std::optional<std::uint32_t> Seed() const { return seed_; }

    void accept() override;

private:
    Prompts& prompts_;
    QRadioButton* clock_;
    QRadioButton* fixed_;
    QLineEdit* seedBox_;
    std::optional<std::uint32_t> seed_;
};

} // namespace wexa::ui
