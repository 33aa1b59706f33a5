#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace wexa::ui {

// The user guide in a window of its own, opened at a section, with Back,
// Forward and Contents as a reader of any guide expects; its pictures shrink
// to the window's width rather than run off its edge.
class CHelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    void ShowSection(const QString& section);

    // The widest a picture is shown now, in pixels.
    [[nodiscard]] int PictureWidthLimit() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitPictures();

    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
};

} // namespace wexa::ui
