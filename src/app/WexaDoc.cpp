#include "app/WexaDoc.h"

#include "forms/FileNameRequest.h"
#include "model/PathText.h"
#include "model/ProjectFile.h"
#include "ui/Prompts.h"
#include "ui/WexaView.h"

#include <QFileInfo>

#include <filesystem>
#include <string_view>
#include <utility>

namespace wexa::app {

namespace {

const QString kFileErrorCaption = QStringLiteral("Wexa");

// The type list of the project file dialogs, in the platform's notation.
constexpr std::string_view kProjectFileFilter = "Wexa Files (*.wxa)|*.wxa|All Files (*.*)|*.*||";

forms::FileNameRequest OpenProjectRequest() {
    return {.InitialName = {},
            .Filters = forms::ParseFileFilter(kProjectFileFilter),
            .MustExist = true,
            .ConfirmOverwrite = false,
            .DefaultSuffix = "wxa"};
}

// A name typed without extension gets ".wxa".
forms::FileNameRequest SaveProjectRequest(std::string initialName) {
    return {.InitialName = std::move(initialName),
            .Filters = forms::ParseFileFilter(kProjectFileFilter),
            .MustExist = false,
            .ConfirmOverwrite = true,
            .DefaultSuffix = "wxa"};
}

std::filesystem::path ToPath(const QString& path) {
    return PathFromText(path.toStdString());
}

} // namespace

CWexaDoc::CWexaDoc(ui::CWexaView& view, ui::Prompts& prompts, QObject* parent)
    : QObject(parent), view_(view), prompts_(prompts), state_(view.GetProject()) {
    connect(&view_, &ui::CWexaView::Edited, this, [this] { TitleChangedIf(state_.MarkEdited()); });
    connect(&view_, &ui::CWexaView::HandlerFinished, this,
            [this] { TitleChangedIf(state_.CheckForEdits(view_.GetProject())); });
}

bool CWexaDoc::SaveModified() {
    // A box typed into and not yet left is checked first, so its message
    // comes before the question and a save keeps the checked value.
    view_.Form().CollectForm();
    return state_.MayDrop(
        [this](const std::string& title) {
            return prompts_.AskSaveChanges(QString::fromStdString(title));
        },
        [this] { return Save(); });
}

bool CWexaDoc::NewDocument() {
    if (!SaveModified()) {
        return false;
    }
    SetPath(QString());
    // Every value stays, also one typed into a box that no check has read.
    view_.Form().CollectForm();
    view_.Form().ShowForm();
    MarkSaved();
    return true;
}

bool CWexaDoc::Open() {
    if (!SaveModified()) {
        return false;
    }
    const auto path = prompts_.AskFileName(OpenProjectRequest());
    return path && ReadFrom(*path);
}

bool CWexaDoc::OpenFile(const QString& path) {
    return SaveModified() && ReadFrom(path);
}

bool CWexaDoc::Save() {
    return state_.Path().empty() ? SaveAs() : WriteTo(Path());
}

bool CWexaDoc::SaveAs() {
    const auto path = prompts_.AskFileName(SaveProjectRequest(state_.SaveAsName()));
    return path && WriteTo(*path);
}

bool CWexaDoc::ReadFrom(const QString& path) {
    // The form's texts go into the project first, so a read that fails
    // leaves the project as the user last saw it.
    const bool read = Transfer(
        path, [&] { return OpenProjectFile(ToPath(path), view_.GetProject()); },
        &forms::MainForm::AfterLoad);
    if (read) {
        emit Opened(Path());
    } else {
        SetPath(QString());
    }
    return read;
}

bool CWexaDoc::WriteTo(const QString& path) {
    // The file holds what the form shows.
    const bool written = Transfer(
        path, [&] { return WriteProjectFile(ToPath(path), view_.GetProject()); },
        &forms::MainForm::AfterSave);
    if (written) {
        emit Saved(Path());
    }
    return written;
}

bool CWexaDoc::Transfer(const QString& path, const std::function<FileResult()>& transfer,
                        void (forms::MainForm::*showAfter)()) {
    view_.Form().CollectForm();
    const FileResult result = transfer();
    if (!result) {
        prompts_.ShowMessage(QString::fromStdString(result.Message), kFileErrorCaption,
                             forms::MessageIcon::Exclamation);
        return false;
    }
    (view_.Form().*showAfter)();
    SetPath(path);
    MarkSaved();
    emit FileUsed(Path());
    return true;
}

void CWexaDoc::SetPath(const QString& path) {
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    state_.SetPath(absolute.toStdString());
    view_.SetProjectFile(absolute);
    emit TitleChanged();
}

void CWexaDoc::MarkSaved() {
    TitleChangedIf(state_.MarkSaved(view_.GetProject()));
}

void CWexaDoc::TitleChangedIf(bool changed) {
    if (changed) {
        emit TitleChanged();
    }
}

} // namespace wexa::app
