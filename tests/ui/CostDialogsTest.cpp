// The "Bid Items" and "Costs Dependent on Time of Construction" dialogs
// opened from the main form and driven as a user drives them.
#include "WindowFixture.h"
#include "forms/MainFormControls.h"
#include "model/ProjectFile.h"
#include "ui/FormButtons.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <functional>

using wexa::forms::MessageIcon;
using wexa::ui::testing::ActInDialog;
using wexa::ui::testing::BoxOf;
using wexa::ui::testing::EnterIn;
using wexa::ui::testing::PressButton;
using wexa::ui::testing::TypeInto;
using wexa::ui::testing::Window;

namespace {} // namespace

class CostDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void negativeQuantityIsRefusedAndTheRowPricedAgain();
    void okStoresTheRowsAndTheTotal();
    void cancelLeavesTheProjectUntouched();
    void copyFromAnUndeclaredAlternativeIsRefused();
    void timeRelatedNegativePriceIsReplacedInItsRowOnly();
    void readOnlyBoxesLookReadOnlyAndTakeNoTabStop();
};

void CostDialogsTest::negativeQuantityIsRefusedAndTheRowPricedAgain() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(w, wexa::ui::FormButton::BidItemCosts, [&w](QDialog& d) {
        EnterIn(d, "UnitPrice[0]", QStringLiteral("250"), "Code[0]");
        EnterIn(d, "Quantity[0]", QStringLiteral("-5"), "Code[0]");
        const auto shown = w.Prompts().TakeMessage(QStringLiteral("Quantity Error"));
        QCOMPARE(shown.Text, QStringLiteral("Quantities must be greater than or equal to zero"));
        QCOMPARE(shown.Icon, MessageIcon::Exclamation);
        QCOMPARE(BoxOf(d, "Quantity[0]")->text(), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), BoxOf(d, "Quantity[0]"));
        QCOMPARE(BoxOf(d, "Cost[0]")->text(), QStringLiteral("250"));
        QCOMPARE(BoxOf(d, "Total")->text(), QStringLiteral("250"));
        PressButton(d, QStringLiteral("Cancel"));
    });
    QCOMPARE(w.Prompts().Dialogs, QStringList{QStringLiteral("Bid Items")});
}

void CostDialogsTest::okStoresTheRowsAndTheTotal() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(wexa::forms::FormField::NumberOfActivities, QStringLiteral("2"));
    w.Click(wexa::ui::FormButton::NextWorkActivity);
    ActInDialog(w, wexa::ui::FormButton::BidItemCosts, [](QDialog& d) {
        QCOMPARE(BoxOf(d, "Activity")->text(), QStringLiteral("2"));
        EnterIn(d, "Quantity[2]", QStringLiteral("3"), "Code[2]");
        EnterIn(d, "UnitPrice[2]", QStringLiteral("0.5"), "Code[2]");
        EnterIn(d, "Quantity[9]", QStringLiteral("2"), "Code[9]");
        EnterIn(d, "UnitPrice[9]", QStringLiteral("1000"), "Code[9]");
        TypeInto(*BoxOf(d, "Description[9]"), QStringLiteral("Pavement markings"));
        PressButton(d, QStringLiteral("OK"));
    });
    const wexa::Project& p = w.GetProject();
    const int first = wexa::BidItemSlot(wexa::ActivitySlot(1, 2), 0);
    QCOMPARE(p.BidItemCosts[first + 2], 1.5);
    QCOMPARE(p.BidItemCosts[first + 9], 2000.0);
    QCOMPARE(p.BidItemDescriptions[first + 9], std::string("Pavement markings"));
    QCOMPARE(p.ActivityBidItemTotal[wexa::ActivitySlot(1, 2)], 2001.5);
    QCOMPARE(p.ActivityBidItemTotal[wexa::ActivitySlot(1, 1)], 0.0);
    QVERIFY(w.Doc().IsModified());
}

void CostDialogsTest::cancelLeavesTheProjectUntouched() {
    Window w;
    QVERIFY(w.Active);
    const std::vector<unsigned char> before = wexa::WriteProjectBytes(w.GetProject());
    ActInDialog(w, wexa::forms::MainFormControl::TimeRelatedCostsButton, [](QDialog& d) {
        EnterIn(d, "UnitPrice[0]", QStringLiteral("75"), "Description[0]");
        PressButton(d, QStringLiteral("Cancel"));
    });
    ActInDialog(w, wexa::ui::FormButton::BidItemCosts, [](QDialog& d) {
        EnterIn(d, "Quantity[0]", QStringLiteral("4"), "Code[0]");
        PressButton(d, QStringLiteral("Cancel"));
    });
    QVERIFY(wexa::WriteProjectBytes(w.GetProject()) == before);
    QVERIFY(!w.Doc().IsModified());
}

void CostDialogsTest::copyFromAnUndeclaredAlternativeIsRefused() {
    Window w;
    QVERIFY(w.Active);
    w.Enter(wexa::forms::FormField::NumberOfAlternatives, QStringLiteral("2"));
    ActInDialog(w, wexa::ui::FormButton::BidItemCosts, [&w](QDialog& d) {
        EnterIn(d, "Quantity[0]", QStringLiteral("7"), "Code[0]");
        TypeInto(*BoxOf(d, "CopyFromAlternative"), QStringLiteral("3"));
        PressButton(d, QStringLiteral("Copy Bid Items to Present Activity"));
        QCOMPARE(w.Prompts().TakeCaptions(), QStringList{QStringLiteral("Alternative Error")});
        QCOMPARE(BoxOf(d, "CopyFromAlternative")->text(), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), BoxOf(d, "CopyFromAlternative"));
        QCOMPARE(BoxOf(d, "Quantity[0]")->text(), QStringLiteral("7"));
        // A valid source (the activity itself) reloads its stored rows.
        PressButton(d, QStringLiteral("Copy Bid Items to Present Activity"));
        QCOMPARE(BoxOf(d, "Quantity[0]")->text(), QStringLiteral("0"));
        PressButton(d, QStringLiteral("Cancel"));
    });
}

void CostDialogsTest::timeRelatedNegativePriceIsReplacedInItsRowOnly() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(w, wexa::forms::MainFormControl::TimeRelatedCostsButton, [&w](QDialog& d) {
        EnterIn(d, "UnitPrice[0]", QStringLiteral("120"), "Description[0]");
        EnterIn(d, "UnitPrice[2]", QStringLiteral("-3"), "Description[0]");
        QCOMPARE(w.Prompts().TakeMessage(QStringLiteral("Unit Price Error")).Text,
                 QStringLiteral("The unit price must be at least zero"));
        QCOMPARE(BoxOf(d, "UnitPrice[2]")->text(), QStringLiteral("1"));
        QCOMPARE(BoxOf(d, "UnitPrice[0]")->text(), QStringLiteral("120"));
        PressButton(d, QStringLiteral("OK"));
    });
    QCOMPARE(w.Prompts().Dialogs,
             QStringList{QStringLiteral("Costs Dependent on Time of Construction")});
    const wexa::Project& p = w.GetProject();
    QCOMPARE(p.TimeItemUnitPrices[0], 120.0);
    QCOMPARE(p.TimeItemUnitPrices[2], 1.0);
}

void CostDialogsTest::readOnlyBoxesLookReadOnlyAndTakeNoTabStop() {
    Window w;
    QVERIFY(w.Active);
    ActInDialog(w, wexa::ui::FormButton::BidItemCosts, [](QDialog& d) {
        QStringList readOnly{QStringLiteral("Alternative"), QStringLiteral("Activity"),
                             QStringLiteral("Total")};
        for (int row = 0; row < 10; ++row) {
            readOnly << QStringLiteral("Cost[%1]").arg(row);
        }
        wexa::ui::testing::VerifyReadOnlyBoxes(d, readOnly);
        d.reject();
    });
    ActInDialog(w, wexa::forms::MainFormControl::TimeRelatedCostsButton, [](QDialog& d) {
        wexa::ui::testing::VerifyReadOnlyBoxes(
            d, {QStringLiteral("Alternative"), QStringLiteral("Activity")});
        d.reject();
    });
}

QTEST_MAIN(CostDialogsTest)
#include "CostDialogsTest.moc"
