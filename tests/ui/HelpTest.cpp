// Help: the user guide built into the program, F1 at the section of the
// group or dialog in use, and Help Topics.
#include "WindowFixture.h"
#include "ui/FormButtons.h"
#include "ui/HelpSections.h"
#include "ui/HelpWindow.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWhatsThis>

using wexa::forms::FormField;
using wexa::ui::testing::Window;
using F = FormField;

Q_DECLARE_METATYPE(wexa::forms::FormField)

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void guideHasEverySectionAndNoDanglingLinkOrPicture();
    void helpWindowShowsTheGuide();
    void f1OpensTheSectionOfTheFocusedGroup_data();
    void f1OpensTheSectionOfTheFocusedGroup();
    void f1InADialogOpensItsSection();
    void helpTopicsOpensTheContents();
};

void HelpTest::guideHasEverySectionAndNoDanglingLinkOrPicture() {
    QFile file(QStringLiteral(":/help/user-guide.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString guide = QString::fromUtf8(file.readAll());
    for (const char* section : wexa::ui::HelpSection::All) {
        QVERIFY2(guide.contains(QStringLiteral("<a name=\"%1\">").arg(QLatin1String(section))),
                 section);
    }
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (const auto& match : link.globalMatch(guide)) {
        QVERIFY2(guide.contains(QStringLiteral("<a name=\"%1\">").arg(match.captured(1))),
                 qPrintable(match.captured(1)));
    }
    // Every picture the guide shows is built into the program beside it.
    const QRegularExpression image(QStringLiteral("src=\"([^\"]+)\""));
    for (const auto& match : image.globalMatch(guide)) {
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + match.captured(1)),
                 qPrintable(match.captured(1)));
    }
}

void HelpTest::helpWindowShowsTheGuide() {
    wexa::ui::CHelpWindow help;
    help.ShowSection(QStringLiteral("traffic"));
    const auto* browser = help.findChild<QTextBrowser*>();
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Truck Equivalency Factor")));
}

void HelpTest::f1OpensTheSectionOfTheFocusedGroup_data() {
    QTest::addColumn<FormField>("box");
    QTest::addColumn<QString>("section");
    QTest::newRow("general") << F::ProjectLength << "general";
    QTest::newRow("traffic") << F::PercentTrucks << "traffic";
    QTest::newRow("alternative") << F::AlternativeDescription << "alternative";
    QTest::newRow("activity") << F::WorkZoneLength << "activity";
    QTest::newRow("years to the next activity") << F::YearsToNextExpected << "activity";
}

void HelpTest::f1OpensTheSectionOfTheFocusedGroup() {
    QFETCH(FormField, box);
    QFETCH(QString, section);
    Window w;
    QVERIFY(w.Active);
    w.Box(box)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.Box(box), Qt::Key_F1);
    QCOMPARE(w.Prompts().HelpSections, QStringList{section});
}

void HelpTest::f1InADialogOpensItsSection() {
    Window w;
    QVERIFY(w.Active);
    w.Prompts().OnDialog = [](QDialog& dialog) {
        wexa::ui::testing::ShowActive(dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        // The main window's keys are blocked while the dialog is open.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
        dialog.reject();
    };
    w.Click(wexa::ui::FormButton::BidItemCosts);
    QCOMPARE(w.Prompts().HelpSections, QStringList{QStringLiteral("bid-items")});
}

void HelpTest::helpTopicsOpensTheContents() {
    Window w;
    w.Frame().Actions().HelpTopics->trigger();
    QCOMPARE(w.Prompts().HelpSections, QStringList{QStringLiteral("contents")});
}

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
