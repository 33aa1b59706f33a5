#pragma once

#include "forms/DocumentState.h"

#include <QObject>
#include <QString>

#include <functional>

namespace wexa {
struct FileResult;
}
namespace wexa::forms {
class MainForm;
}
namespace wexa::ui {
class CWexaView;
class Prompts;
} // namespace wexa::ui

namespace wexa::app {

// The document: the project file on screen. It owns no data; the view owns
// the Project, and the document reads and writes it whole. What it decides
// (the name, the modified mark, the title, the question before unsaved
// changes are dropped) is forms::DocumentState; the document asks, moves the
// file and tells the window. A file that cannot be read is reported and
// leaves the project as it was.
class CWexaDoc final : public QObject {
    Q_OBJECT
public:
    CWexaDoc(ui::CWexaView& view, ui::Prompts& prompts, QObject* parent = nullptr);

    [[nodiscard]] bool IsModified() const { return state_.IsModified(); }
    // The project's file, absolute; empty while untitled.
    [[nodiscard]] QString Path() const { return QString::fromStdString(state_.Path()); }
    // With Qt's "[*]" where the modified mark goes.
    [[nodiscard]] QString FrameTitle() const { return QString::fromStdString(state_.FrameTitle()); }

    // Ctrl+N: the project stays as it is; the document becomes "Untitled".
    bool NewDocument();
    // File > Open: asks for a file, then reads it.
    bool Open();
    // Opens `path` (a recent file, the command line) after the question
    // about unsaved changes.
    bool OpenFile(const QString& path);
    bool Save();
    bool SaveAs();
    // The question before the project is dropped. True when the caller may
    // go on: nothing to save, saved, or discarded.
    bool SaveModified();

signals:
    // The title or the modified mark changed.
    void TitleChanged();
    // A file was opened or saved under this path.
    void FileUsed(const QString& path);
    // After FileUsed: the project on screen is now the one read from `path`,
    // or was written to it.
    void Opened(const QString& path);
    void Saved(const QString& path);

private:
    bool ReadFrom(const QString& path);
    bool WriteTo(const QString& path);
    // Reads the form, runs the file transfer, and on success shows the
    // project again (`showAfter`) and takes the file's name; a failure is
    // reported.
    bool Transfer(const QString& path, const std::function<FileResult()>& transfer,
                  void (forms::MainForm::*showAfter)());
    void SetPath(const QString& path);
    // The project as it is now counts as saved.
    void MarkSaved();
    void TitleChangedIf(bool changed);

    ui::CWexaView& view_;
    ui::Prompts& prompts_;
    forms::DocumentState state_;
};

} // namespace wexa::app
