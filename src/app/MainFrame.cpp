#include "app/MainFrame.h"

#include "app/InfoDialogs.h"
#include "app/RunSeedSettings.h"
#include "app/WexaDoc.h"
#include "ui/HelpSections.h"
#include "ui/Prompts.h"
#include "ui/ResultsPagePrinting.h"
#include "ui/RunOptionsDialog.h"
#include "ui/WexaView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace wexa::app {

namespace {
const QString kIdleText =
    QStringLiteral("For Full Help File, press F1.  For Pop-Up Help, press Shift+F1");
}

CMainFrame::CMainFrame(ui::Prompts& prompts, QSettings& settings, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), settings_(settings),
      view_(new ui::CWexaView(prompts, this)), doc_(new CWexaDoc(*view_, prompts, this)),
      recent_(settings), actions_(CreateFrameActions(*this)) {
    setCentralWidget(view_);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectCommands();
    UpdateTitle();
    UpdateRecentMenu();
    FitToScreen();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addActions({actions_.New, actions_.Open, actions_.Save, actions_.SaveAs});
    file->addSeparator();
    file->addActions({actions_.Print, actions_.PrintPreview, actions_.ExportDocument});
    file->addSeparator();
    for (QAction* recent : actions_.RecentFiles) {
        file->addAction(recent);
    }
    file->addSeparator();
    file->addAction(actions_.Exit);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addActions({actions_.ToggleToolBar, actions_.ToggleStatusBar, actions_.ViewDisclaimer});
    view->addSeparator();
    view->addActions({actions_.Sensitivity, actions_.RunOptions});

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(actions_.HelpTopics);
    help->addSeparator();
    help->addAction(actions_.About);
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->addActions({actions_.New, actions_.Open, actions_.Save, actions_.SaveAs});
    toolBar_->addSeparator();
    toolBar_->addAction(actions_.Execute);
    toolBar_->addSeparator();
    toolBar_->addAction(actions_.About);
}

void CMainFrame::CreateStatusBar() {
    // A normal widget, so that a command's prompt covers it while shown.
    statusBar()->addWidget(new QLabel(kIdleText), 1);
    for (const char* key : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QLatin1String(key));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        // The state of the lock keys is not known on every desktop: the
        // panes are shown greyed.
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
}

void CMainFrame::ConnectCommands() {
    connect(actions_.New, &QAction::triggered, doc_, &CWexaDoc::NewDocument);
    connect(actions_.Open, &QAction::triggered, doc_, &CWexaDoc::Open);
    connect(actions_.Save, &QAction::triggered, doc_, &CWexaDoc::Save);
    connect(actions_.SaveAs, &QAction::triggered, doc_, &CWexaDoc::SaveAs);
    for (int i = 0; i < static_cast<int>(actions_.RecentFiles.size()); ++i) {
        connect(actions_.RecentFiles[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
    }
    connect(actions_.Exit, &QAction::triggered, this, &QWidget::close);
    connect(actions_.ToggleToolBar, &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(actions_.ToggleStatusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
    // The toolbar can also be closed from its own context menu.
    connect(toolBar_, &QToolBar::visibilityChanged, actions_.ToggleToolBar, &QAction::setChecked);
    connect(actions_.ViewDisclaimer, &QAction::triggered, this, [this] {
        CDisclaimerDlg dialog(this);
        prompts_.RunDialog(dialog);
    });
    connect(actions_.About, &QAction::triggered, this, [this] {
        CAboutDlg dialog(this);
        prompts_.RunDialog(dialog);
    });
    connect(actions_.HelpTopics, &QAction::triggered, this,
            [this] { prompts_.ShowHelp(QString::fromLatin1(ui::HelpSection::Contents)); });
    ui::AddHelpKeys(*this, prompts_);
    connect(actions_.Execute, &QAction::triggered, view_, &ui::CWexaView::RunSimulation);
    connect(actions_.Sensitivity, &QAction::triggered, view_, &ui::CWexaView::ShowSensitivity);
    connect(actions_.ExportDocument, &QAction::triggered, view_,
            &ui::CWexaView::ExportAnalysisDocument);
    connect(view_, &ui::CWexaView::RunStarted, this, [this] {
        statusBar()->clearMessage();
        SetProjectCommandsEnabled(false);
    });
    connect(view_, &ui::CWexaView::RunEnded, this, [this](bool cancelled) {
        SetProjectCommandsEnabled(true);
        if (cancelled) {
            statusBar()->showMessage(QStringLiteral("Run cancelled."));
        } else {
            statusBar()->showMessage(view_->ShownRunSeedText());
        }
    });
    connect(actions_.RunOptions, &QAction::triggered, this, &CMainFrame::ChooseRunSeed);
    // The seed chosen for a project goes with its file, in the settings.
    connect(doc_, &CWexaDoc::Opened, this,
            [this](const QString& path) { view_->SetRunSeed(StoredRunSeed(settings_, path)); });
    connect(doc_, &CWexaDoc::Saved, this,
            [this](const QString& path) { StoreRunSeed(settings_, path, view_->RunSeed()); });
    connect(actions_.Print, &QAction::triggered, this, &CMainFrame::PrintPage);
    connect(actions_.PrintPreview, &QAction::triggered, this, &CMainFrame::PreviewPage);
    connect(view_, &ui::CWexaView::PreviewRequested, this, &CMainFrame::PreviewPage);
    connect(doc_, &CWexaDoc::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(doc_, &CWexaDoc::FileUsed, this, [this](const QString& path) {
        recent_.Add(path);
        UpdateRecentMenu();
    });
}

void CMainFrame::SetProjectCommandsEnabled(bool enabled) {
    for (QAction* command : {actions_.New, actions_.Open, actions_.Save, actions_.SaveAs,
                             actions_.Print, actions_.PrintPreview, actions_.ExportDocument,
                             actions_.Execute, actions_.Sensitivity, actions_.RunOptions}) {
        command->setEnabled(enabled);
    }
    for (QAction* recent : actions_.RecentFiles) {
        recent->setEnabled(false);
    }
    if (enabled) {
        UpdateRecentMenu();
    }
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(doc_->FrameTitle());
    setWindowModified(doc_->IsModified());
}

void CMainFrame::UpdateRecentMenu() {
    const QStringList& paths = recent_.Paths();
    for (int i = 0; i < static_cast<int>(actions_.RecentFiles.size()); ++i) {
        QAction* entry = actions_.RecentFiles[i];
        if (i < paths.size()) {
            entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(ShortenedPath(paths[i])));
        }
        // While the list is empty, one greyed entry says where it goes.
        entry->setVisible(i < paths.size() || i == 0);
        entry->setEnabled(i < paths.size());
        if (paths.isEmpty()) {
            entry->setText(QStringLiteral("Recent File"));
        }
    }
}

void CMainFrame::OpenRecent(int index) {
    if (index >= recent_.Paths().size()) {
        return;
    }
    const QString path = recent_.Paths()[index];
    if (QFileInfo::exists(path)) {
        doc_->OpenFile(path);
        return;
    }
    const QString question = QStringLiteral("The file %1 cannot be found.\n\nRemove it from the "
                                            "list of recent files?")
                                 .arg(QDir::toNativeSeparators(path));
    if (prompts_.AskYesNo(question, QStringLiteral("Wexa"))) {
        recent_.Remove(path);
        UpdateRecentMenu();
    }
}

void CMainFrame::FitToScreen() {
    // The form with the menu, toolbar and status bar around it, within the
    // screen's free area less the window's title bar and borders, which are
    // not known before it is shown; the form scrolls in what is left.
    const QSize form = view_->widget()->sizeHint();
    const int chrome = menuBar()->sizeHint().height() + toolBar_->sizeHint().height() +
                       statusBar()->sizeHint().height();
    const QSize wanted(form.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                       form.height() + chrome);
    const QSize room = screen()->availableGeometry().size() - QSize(16, 40);
    resize(wanted.boundedTo(room));
}

void CMainFrame::PrintPage() {
    view_->Form().CollectForm();
    ui::PrintResultsPageWithDialog(view_->GetProject(), prompts_, this);
    view_->Form().ShowForm();
}

void CMainFrame::PreviewPage() {
    view_->Form().CollectForm();
    ui::PreviewResultsPage(view_->GetProject(), prompts_, settings_, this);
    view_->Form().ShowForm();
}

void CMainFrame::ChooseRunSeed() {
    ui::CRunOptionsDialog dialog(view_->RunSeed(), view_->ShownRunSeed(), prompts_, this);
    if (prompts_.RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    view_->SetRunSeed(dialog.Seed());
    if (!doc_->Path().isEmpty()) {
        StoreRunSeed(settings_, doc_->Path(), dialog.Seed());
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The run works off the window's thread, so the window can be asked to
    // close under it: the run stops first, or the window stays. A run that
    // ends while the question is open answers it: the question closes, and
    // the window closes without the run's report and charts.
    if (view_->Running()) {
        view_->HoldRunEnd(true);
        const QMetaObject::Connection ended =
            connect(view_, &ui::CWexaView::RunEndHeld, this, [this] { prompts_.CloseQuestion(); });
        const bool stop = prompts_.AskYesNo(
            QStringLiteral("The analysis is still running.\n\nStop it and close?"),
            QStringLiteral("Wexa"));
        disconnect(ended);
        view_->HoldRunEnd(false);
        if (!stop && !view_->RunEndedWhileHeld()) {
            event->ignore();
            return;
        }
    }
    view_->StopRun();
    if (doc_->SaveModified()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace wexa::app
