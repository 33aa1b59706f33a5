#pragma once

#include <QDialog>

namespace wexa::app {

// "DISCLAIMER - Wexa": shown before the main window and from View >
// Disclaimer. Escape and the close box end it like "OK"; nobody looks at the
// result.
class CDisclaimerDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CDisclaimerDlg(QWidget* parent = nullptr);
};

// "About Wexa": the program's name and version.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace wexa::app
