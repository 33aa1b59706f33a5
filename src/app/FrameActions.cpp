#include "app/FrameActions.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>
#include <QWidget>

namespace wexa::app {

namespace {

// `prompt` is the status-bar text and the tooltip, separated by a line break.
QAction* MakeAction(QWidget& frame, const char* name, const QString& text, const QString& prompt,
                    const QKeySequence& keys = {}) {
    auto* action = new QAction(text, &frame);
    action->setObjectName(QStringLiteral("action%1").arg(QLatin1String(name)));
    const qsizetype lineBreak = prompt.indexOf(QLatin1Char('\n'));
    action->setStatusTip(prompt.left(lineBreak));
    if (lineBreak >= 0) {
        action->setToolTip(prompt.mid(lineBreak + 1));
    }
    action->setShortcut(keys);
    return action;
}

// The desktop theme's icon, or `fallback` where the theme has none.
void SetIcon(QAction* action, const char* themeName, const QIcon& fallback) {
    action->setIcon(QIcon::fromTheme(QLatin1String(themeName), fallback));
}

void SetIcon(QWidget& frame, QAction* action, const char* themeName,
             QStyle::StandardPixmap fallback) {
    SetIcon(action, themeName, frame.style()->standardIcon(fallback));
}

// The styles have no picture of "Save As": the save picture with a pencil
// across its lower right corner, in full colour so that it does not look
// greyed out beside Save.
QIcon SaveAsIcon(const QStyle& style) {
    const QIcon save = style.standardIcon(QStyle::SP_DialogSaveButton);
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48}) {
        QPixmap picture = save.pixmap(size, size);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = picture.width() / 16.0 / picture.devicePixelRatio();
        painter.scale(unit, unit);
        // Drawn on a 16 x 16 grid: the pencil runs from its tip near the
        // lower left of the corner up to the right edge.
        painter.translate(9.0, 15.0);
        painter.rotate(-45.0);
        painter.setPen(QPen(QColor(60, 40, 10), 0.8));
        painter.setBrush(QColor(240, 180, 40));
        painter.drawRect(QRectF(2.0, -1.4, 7.0, 2.8));
        painter.setBrush(QColor(250, 220, 170));
        painter.drawPolygon(QPolygonF({QPointF(0.0, 0.0), QPointF(2.0, -1.4), QPointF(2.0, 1.4)}));
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

} // namespace

FrameActions CreateFrameActions(QWidget& frame) {
    FrameActions a;
    a.New =
        MakeAction(frame, "New", QStringLiteral("&New"), QStringLiteral("Create a new Wexa\nNew"),
                   QKeySequence(Qt::CTRL | Qt::Key_N));
    SetIcon(frame, a.New, "document-new", QStyle::SP_FileIcon);
    a.Open = MakeAction(frame, "Open", QStringLiteral("&Open..."),
                        QStringLiteral("Open an existing Wexa\nOpen"),
                        QKeySequence(Qt::CTRL | Qt::Key_O));
    SetIcon(frame, a.Open, "document-open", QStyle::SP_DialogOpenButton);
    a.Save = MakeAction(frame, "Save", QStringLiteral("&Save"),
                        QStringLiteral("Save the active Wexa\nSave"),
                        QKeySequence(Qt::CTRL | Qt::Key_S));
    SetIcon(frame, a.Save, "document-save", QStyle::SP_DialogSaveButton);
    a.SaveAs = MakeAction(frame, "SaveAs", QStringLiteral("Save &As..."),
                          QStringLiteral("Save the active Wexa with a new name\nSave As"));
    SetIcon(a.SaveAs, "document-save-as", SaveAsIcon(*frame.style()));
    a.Print = MakeAction(frame, "Print", QStringLiteral("&Print..."),
                         QStringLiteral("Print the active document\nPrint"),
                         QKeySequence(Qt::CTRL | Qt::Key_P));
    SetIcon(frame, a.Print, "document-print", QStyle::SP_FileIcon);
    a.PrintPreview = MakeAction(frame, "PrintPreview", QStringLiteral("Print Pre&view"),
                                QStringLiteral("Display full pages\nPrint Preview"));
    SetIcon(frame, a.PrintPreview, "document-print-preview", QStyle::SP_FileDialogContentsView);
    a.ExportDocument =
        MakeAction(frame, "ExportDocument", QStringLiteral("&Export Analysis Document..."),
                   QStringLiteral("Write the whole analysis of the last run as one PDF\n"
                                  "Export Analysis Document"));
    for (int i = 0; i < static_cast<int>(a.RecentFiles.size()); ++i) {
        a.RecentFiles[i] = MakeAction(frame, "RecentFile", QStringLiteral("Recent File"),
                                      QStringLiteral("Open this document"));
        a.RecentFiles[i]->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
    }
    a.Exit = MakeAction(frame, "Exit", QStringLiteral("E&xit"),
                        QStringLiteral("Quit the application; prompts to save documents\nExit"));
    a.ToggleToolBar = MakeAction(frame, "ToggleToolBar", QStringLiteral("&Toolbar"),
                                 QStringLiteral("Show or hide the toolbar\nToggle ToolBar"));
    a.ToggleStatusBar = MakeAction(frame, "ToggleStatusBar", QStringLiteral("&Status Bar"),
                                   QStringLiteral("Show or hide the status bar\nToggle StatusBar"));
    for (QAction* toggle : {a.ToggleToolBar, a.ToggleStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    a.ViewDisclaimer = MakeAction(frame, "ViewDisclaimer", QStringLiteral("Disclaimer"),
                                  QStringLiteral("View the Disclaimer Window\nView Disclaimer"));
    a.Sensitivity = MakeAction(frame, "Sensitivity", QStringLiteral("Se&nsitivity"),
                               QStringLiteral("Show how the choice depends on the discount rate "
                                              "and on each input\nSensitivity"));
    a.RunOptions = MakeAction(frame, "RunOptions", QStringLiteral("&Run Options..."),
                              QStringLiteral("Choose the seed of the runs, to repeat a run\nRun "
                                             "Options"));
    a.HelpTopics = MakeAction(frame, "HelpTopics", QStringLiteral("&Help Topics"),
                              QStringLiteral("List Help topics\nHelp Topics"));
    a.About = MakeAction(frame, "About", QStringLiteral("&About Wexa..."),
                         QStringLiteral("Display program information, version number and "
                                        "copyright\nAbout"));
    SetIcon(frame, a.About, "help-about", QStyle::SP_MessageBoxInformation);
    a.Execute = MakeAction(frame, "Execute", QStringLiteral("Execute"),
                           QStringLiteral("Execute the Wexa after all inputs have been "
                                          "entered\nExecute"));
    SetIcon(frame, a.Execute, "system-run", QStyle::SP_MediaPlay);
    return a;
}

} // namespace wexa::app
