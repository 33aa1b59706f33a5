// Help: the user guide built into the program, F1 at the section of the
// group or dialog in use, and Help Topics.
#include "WindowFixture.h"
#include "ui/FormButtons.h"
#include "ui/HelpSections.h"
#include "ui/HelpWindow.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
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
    void helpWindowGoesBackForwardAndToTheContents();
    void picturesShrinkToTheWindowsWidth();
    void aSectionOpensAtItsHeading_data();
    void aSectionOpensAtItsHeading();
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

void HelpTest::helpWindowGoesBackForwardAndToTheContents() {
    wexa::ui::CHelpWindow help;
    help.show();
    auto* browser = help.findChild<QTextBrowser*>();
    const auto button = [&help](const QString& text) {
        for (auto* b : help.findChildren<QPushButton*>()) {
            if (b->text() == text) {
                return b;
            }
        }
        return static_cast<QPushButton*>(nullptr);
    };
    QPushButton* back = button(QStringLiteral("Back"));
    QPushButton* forward = button(QStringLiteral("Forward"));
    QPushButton* contents = button(QStringLiteral("Contents"));
    QVERIFY(back && forward && contents);
    QVERIFY(!back->isEnabled() && !forward->isEnabled());

    help.ShowSection(QStringLiteral("traffic"));
    help.ShowSection(QStringLiteral("printing"));
    QCOMPARE(browser->source().fragment(), QStringLiteral("printing"));
    QVERIFY(back->isEnabled());
    back->click();
    QCOMPARE(browser->source().fragment(), QStringLiteral("traffic"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(browser->source().fragment(), QStringLiteral("printing"));
    contents->click();
    QCOMPARE(browser->source().fragment(), QStringLiteral("contents"));
    back->click();
    QCOMPARE(browser->source().fragment(), QStringLiteral("printing"));
}

// The pictures above a section are fitted to the window after the page is
// shown; the section still opens with its heading at the top.
void HelpTest::aSectionOpensAtItsHeading_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("heading");
    QTest::newRow("result chart") << "result-chart"
                                  << "The result chart";
    QTest::newRow("comparison") << "comparison"
                                << "Comparing the alternatives";
    QTest::newRow("sensitivity") << "sensitivity"
                                 << "Sensitivity";
}

void HelpTest::aSectionOpensAtItsHeading() {
    QFETCH(QString, section);
    QFETCH(QString, heading);
    wexa::ui::CHelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    help.ShowSection(section);
    const auto* browser = help.findChild<QTextBrowser*>();
    QCOMPARE(browser->cursorForPosition(QPoint(10, 10)).block().text().trimmed(), heading);
}

// Every picture is at most as wide as the window shows, at any width.
void HelpTest::picturesShrinkToTheWindowsWidth() {
    wexa::ui::CHelpWindow help;
    for (const int width : {900, 420}) {
        help.resize(width, 600);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const int limit = help.PictureWidthLimit();
        QVERIFY(limit < width);
        int pictures = 0;
        QTextDocument* document = help.findChild<QTextBrowser*>()->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat()) {
                    ++pictures;
                    QVERIFY2(format.toImageFormat().width() <= limit,
                             qPrintable(format.toImageFormat().name()));
                    QVERIFY(format.toImageFormat().width() > 0);
                }
            }
        }
        QVERIFY(pictures >= 10);
    }
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
