#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

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

// The document: the name of the project file on screen and whether the
// project holds changes not yet saved. It owns no data; the view owns the
// Project, and the document reads and writes it whole.
//
// Unsaved changes are never dropped without a question: New, Open and
// closing the window ask "Save changes to NAME?" first when the project is
// modified, and Cancel stops them. A file that cannot be read is reported
// and leaves the project as it was.
class CWexaDoc final : public QObject {
    Q_OBJECT
public:
    CWexaDoc(ui::CWexaView& view, ui::Prompts& prompts, QObject* parent = nullptr);

    // "Untitled" or the file's name.
    [[nodiscard]] QString Title() const;
    [[nodiscard]] const QString& PathName() const { return path_; }
    [[nodiscard]] bool IsModified() const { return modified_; }
    // The main window's title, with Qt's "[*]" where the modified mark goes:
    // "Wexa - Untitled" at start-up, "NAME - Wexa" once the document has
    // been named by New, Open or Save.
    [[nodiscard]] QString FrameTitle() const;

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

private:
    bool ReadFrom(const QString& path);
    bool WriteTo(const QString& path);
    // Reads the form, runs the file transfer, and on success shows the
    // project again (`showAfter`) and takes the file's name; a failure is
    // reported.
    bool Transfer(const QString& path, const std::function<FileResult()>& transfer,
                  void (forms::MainForm::*showAfter)());
    void SetPath(const QString& path);
    void SetModified(bool modified);
    // Remembers the project as saved, to tell later whether a handler
    // changed it (forms::EditedContent: browsing is no change).
    void TakeSnapshot();
    void CompareWithSnapshot();

    ui::CWexaView& view_;
    ui::Prompts& prompts_;
    QString path_;
    bool named_ = false;
    bool modified_ = false;
    std::vector<unsigned char> snapshot_;
};

} // namespace wexa::app
