// The Shock Loss Details sheet as a person meets it: opened by the Shock Losses command through
// the Qt port, filled by clicks and entries, closed with the keyboard's Enter or Esc.
#include "core/commands/document_commands.h"
#include "core/input/shock_loss_pages.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "ui/app/qt_ui_port.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_table_view.h"
#include "ui/sheets/shock_loss_sheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace flowmar {
namespace {

using namespace shock_loss_sheet;

// The Qt port with its real sheet, but messages recorded instead of shown in boxes that would
// wait for a click.
class RecordingQtPort : public QtUiPort {
public:
    RecordingQtPort() : QtUiPort(nullptr, {}) {}
    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// Runs `steps` on the sheet once the command has opened it modally; whatever the steps leave
// open is cancelled, so that a failed check cannot hang the test.
void whenTheSheetOpens(const std::function<void(CShockLossSheet&)>& steps) {
    QTimer::singleShot(0, [steps] {
        auto* sheet = qobject_cast<CShockLossSheet*>(QApplication::activeModalWidget());
        if (sheet == nullptr) {
            ADD_FAILURE() << "the Shock Losses command opened no sheet";
            return;
        }
        steps(*sheet);
        if (sheet->isVisible()) {
            sheet->reject();
        }
    });
}

void clickTab(CShockLossSheet& sheet, ShockLossPage page) {
    QTabBar* bar = sheet.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(page)).center());
}

// A 1000 m SI duct with rows on pages the person will not open.
CFlowmarDoc ductWithLosses() {
    CFlowmarDoc doc;
    doc.ductLength = 1000;
    doc.entryTypeIndex = 1;
    doc.entryShockFactor = 1.0;
    doc.exitTypeIndex = 2;
    doc.exitShockFactor = 0.88;
    doc.smoothElbowDistance[5] = 500;
    doc.smoothElbowText1[5] = "1.0";
    doc.smoothElbowText2[5] = "90";
    doc.smoothElbowFactor[5] = 0.5; // not the table's 0.22: the page is never opened
    doc.damperDistance[3] = 300;
    doc.damperText[3] = "10";
    doc.damperFactor[3] = 0.67;
    doc.screenDistance[1] = 100;
    return doc;
}

TEST(ShockLossSheet, OpensFromTheCommandAndStoresWhatWasEnteredOnEnter) {
    CFlowmarDoc doc = ductWithLosses();
    RecordingQtPort port;
    whenTheSheetOpens([&port](CShockLossSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Shock Loss Details"));
        ASSERT_EQ(sheet.tabs()->count(), 6);
        EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
        EXPECT_EQ(sheet.tabs()->tabText(0), QStringLiteral("Entry and Exit"));
        EXPECT_EQ(sheet.tabs()->tabText(5), QStringLiteral("Fixed Resistance"));
        EXPECT_EQ(sheet.buttons()->buttons().size(), 2) << "OK and Cancel only";
        EXPECT_TRUE(sheet.entryExitPage()->button(kEntrySharp)->isChecked());
        EXPECT_TRUE(sheet.entryExitPage()->button(kExitFlanged)->isChecked());
        sheet.entryExitPage()->button(kEntryFormedBell)->click();
        EXPECT_FALSE(sheet.entryExitPage()->button(kEntrySharp)->isChecked());

        clickTab(sheet, ShockLossPage::Dampers);
        CShockLossGridPage* dampers = sheet.gridPage(ShockLossPage::Dampers);
        ASSERT_EQ(sheet.tabs()->currentWidget(), dampers);
        GridControl* grid = dampers->grid();
        EXPECT_EQ(grid->shownText(3, 1), QStringLiteral("300.0"));
        EXPECT_EQ(grid->shownText(3, 3), QStringLiteral("0.67"));
        EXPECT_TRUE(grid->enterText(1, 1, QStringLiteral("1500")));
        EXPECT_TRUE(grid->enterText(1, 2, QStringLiteral("30")));
        EXPECT_FALSE(grid->enterText(1, 3, QStringLiteral("2"))) << "C is computed, not typed";
        // Letters in a distance cell: the page reads them as 0 and has no check on leaving.
        EXPECT_TRUE(grid->enterText(2, 1, QStringLiteral("abc")));
        EXPECT_TRUE(grid->enterText(2, 2, QStringLiteral("Wide Open")));
        clickTab(sheet, ShockLossPage::Screen);
        EXPECT_TRUE(port.messages.empty());
        EXPECT_EQ(sheet.tabs()->currentWidget(), sheet.gridPage(ShockLossPage::Screen));
        EXPECT_EQ(sheet.gridPage(ShockLossPage::Screen)->grid()->shownText(7, 2),
                  QStringLiteral("0.97"));

        clickTab(sheet, ShockLossPage::Dampers);
        EXPECT_EQ(grid->shownText(2, 1), QStringLiteral("abc")) << "what was typed stays";
        EXPECT_TRUE(grid->enterText(2, 1, QStringLiteral("250")));
        QTest::mouseClick(dampers->calculateButton(), Qt::LeftButton);
        EXPECT_EQ(grid->shownText(1, 3), QStringLiteral("4.40"));
        EXPECT_EQ(grid->shownText(2, 3), QStringLiteral("0.19"));
        EXPECT_EQ(grid->shownText(1, 1), QStringLiteral("1500.0")) << "Calculate limits nothing";

        // Enter in the grid, not editing, is the sheet's OK.
        grid->view().setFocus();
        QTest::keyClick(&grid->view(), Qt::Key_Return);
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    });
    ASSERT_TRUE(runShockLossesCommand(doc, port));
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(doc.entryTypeIndex, 3);
    EXPECT_EQ(doc.entryShockFactor, 0.1);
    EXPECT_EQ(doc.exitShockFactor, 0.88);
    EXPECT_EQ(doc.damperDistance[1], 1000) << "limited to the duct on OK";
    EXPECT_EQ(doc.damperText[1], "30");
    EXPECT_EQ(doc.damperFactor[1], 4.4);
    EXPECT_EQ(doc.damperDistance[2], 250);
    EXPECT_EQ(doc.damperFactor[2], 0.19);
    EXPECT_EQ(doc.damperDistance[3], 300);
    EXPECT_EQ(doc.screenDistance[1], 100);
    EXPECT_EQ(doc.smoothElbowFactor[5], 0.5) << "a page never opened passes its rows back";
}

TEST(ShockLossSheet, ClearFormThenEscapeLeavesTheModelAsItWas) {
    CFlowmarDoc doc = ductWithLosses();
    const CFlowmarDoc before = ductWithLosses();
    RecordingQtPort port;
    whenTheSheetOpens([](CShockLossSheet& sheet) {
        clickTab(sheet, ShockLossPage::Dampers);
        CShockLossGridPage* dampers = sheet.gridPage(ShockLossPage::Dampers);
        QTest::mouseClick(dampers->clearFormButton(), Qt::LeftButton);
        EXPECT_EQ(dampers->grid()->shownText(3, 1), QStringLiteral("0.0"));
        EXPECT_EQ(dampers->grid()->shownText(3, 2), QString());
        sheet.entryExitPage()->button(kExitNotIncluded)->click();
        QTest::keyClick(&sheet, Qt::Key_Escape);
        EXPECT_EQ(sheet.result(), QDialog::Rejected);
    });
    EXPECT_FALSE(runShockLossesCommand(doc, port));
    EXPECT_TRUE(doc.isModified()) << "the command marks the model modified before it asks";
    EXPECT_EQ(doc.damperDistance, before.damperDistance);
    EXPECT_EQ(doc.damperText, before.damperText);
    EXPECT_EQ(doc.damperFactor, before.damperFactor);
    EXPECT_EQ(doc.exitTypeIndex, before.exitTypeIndex);
    EXPECT_EQ(doc.exitShockFactor, before.exitShockFactor);
}

TEST(ShockLossSheet, ImperialPagesShowFeetAndPracticalUnits) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    doc.ductLength = 304.8;
    doc.fixedResistanceDistance[1] = 30.48;
    doc.fixedResistanceValue[1] = 1;
    CShockLossSheet sheet(shockLossesFromDocument(doc));
    clickTab(sheet, ShockLossPage::FixedResistance);
    GridControl* grid = sheet.gridPage(ShockLossPage::FixedResistance)->grid();
    EXPECT_EQ(grid->shownText(0, 1), QStringLiteral("Distance (ft)"));
    EXPECT_EQ(grid->shownText(0, 2), QStringLiteral("Resistance (P.U.)"));
    EXPECT_EQ(grid->shownText(1, 1), QStringLiteral("100.0"));
    EXPECT_EQ(grid->shownText(1, 2), QStringLiteral("0.89420"));
    EXPECT_TRUE(grid->enterText(2, 1, QStringLiteral("1200")));
    sheet.accept();
    EXPECT_DOUBLE_EQ(sheet.values().rows[2].fixedResistanceDistance, 1000)
        << "the 1000 ft duct's length, in feet";
}

// A cell that holds no number keeps the sheet open on its page, says which cell, and selects it,
// whether OK or Calculate found it.
TEST(ShockLossSheet, ACellThatIsNoNumberIsNamedAndSelected) {
    testing::FakeUiPort port;
    CFlowmarDoc doc = ductWithLosses();
    CShockLossSheet sheet(shockLossesFromDocument(doc), nullptr, &port);
    clickTab(sheet, ShockLossPage::Dampers);
    GridControl* dampers = sheet.gridPage(ShockLossPage::Dampers)->grid();
    ASSERT_TRUE(dampers->enterText(4, 1, QStringLiteral("2,500")));
    sheet.gridPage(ShockLossPage::Dampers)->calculateButton()->click();
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{"Enter a number for Distance (m) in row 4."}));
    EXPECT_EQ(dampers->view().currentIndex().row(), 3);
    EXPECT_EQ(dampers->view().currentIndex().column(), 0);

    clickTab(sheet, ShockLossPage::Screen);
    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(port.messages.size(), 2u);
    EXPECT_EQ(sheet.tabs()->currentWidget(), sheet.gridPage(ShockLossPage::Dampers))
        << "the page holding the cell comes to the front";

    ASSERT_TRUE(dampers->enterText(4, 1, QStringLiteral("250")));
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.values().rows[4].damperDistance, 250);
}

// Keys go where the focus is, as they do for a person; an editor closes on the next turn of the
// event loop.
void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
}
// The first key of an entry opens the cell's editor, which takes the focus and the other keys.
void type(const char* text) {
    for (const char* c = text; *c != 0; ++c) {
        QTest::keyClick(QApplication::focusWidget(), *c);
    }
}

TEST(ShockLossSheet, TheKeyboardAloneFillsAPageAndConfirmsIt) {
    CFlowmarDoc doc = ductWithLosses();
    CShockLossSheet sheet(shockLossesFromDocument(doc));
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    sheet.tabs()->tabBar()->setFocus();
    for (int i = 0; i < int(ShockLossPage::Screen); ++i) {
        press(Qt::Key_Right);
    }
    CShockLossGridPage* screens = sheet.gridPage(ShockLossPage::Screen);
    ASSERT_EQ(sheet.tabs()->currentWidget(), screens);
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &screens->grid()->view());
    press(Qt::Key_Down); // from the screen at 100 m in row 1 to row 2
    type("75");
    press(Qt::Key_Return);
    press(Qt::Key_Down);
    type("1500");
    press(Qt::Key_Return); // ends the entry
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    press(Qt::Key_Return); // the sheet's OK
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.values().rows[1].screenDistance, 100);
    EXPECT_EQ(sheet.values().rows[2].screenDistance, 75);
    EXPECT_EQ(sheet.values().rows[3].screenDistance, 1000);
}

// The widgets Tab visits from the sheet's first one, in order.
QList<QWidget*> tabStops(QWidget& window) {
    QList<QWidget*> stops;
    QWidget* w = &window;
    while ((w = w->nextInFocusChain()) != &window) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0 &&
            w->focusProxy() == nullptr) {
            stops << w;
        }
    }
    return stops;
}

// Tab follows the layout: the tabs, the page from top to bottom and left to right, then OK and
// Cancel.
TEST(ShockLossSheet, TabVisitsThePageInTheOrderOfItsLayout) {
    CFlowmarDoc doc = ductWithLosses();
    CShockLossSheet sheet(shockLossesFromDocument(doc));
    sheet.show();
    QWidget* ok = sheet.buttons()->button(QDialogButtonBox::Ok);
    QWidget* cancel = sheet.buttons()->button(QDialogButtonBox::Cancel);
    CEntryExitPage* entryExit = sheet.entryExitPage();
    EXPECT_EQ(
        tabStops(sheet),
        (QList<QWidget*>{sheet.tabs()->tabBar(), entryExit->button(kEntrySharp),
                         entryExit->button(kEntryFlanged), entryExit->button(kEntryFormedBell),
                         entryExit->button(kEntryNotIncluded), entryExit->button(kExitAbrupt),
                         entryExit->button(kExitFlanged), entryExit->button(kExitDiffuser),
                         entryExit->button(kExitNotIncluded), ok, cancel}));
    clickTab(sheet, ShockLossPage::Dampers);
    CShockLossGridPage* dampers = sheet.gridPage(ShockLossPage::Dampers);
    EXPECT_EQ(tabStops(sheet), (QList<QWidget*>{sheet.tabs()->tabBar(), &dampers->grid()->view(),
                                                dampers->clearFormButton(),
                                                dampers->calculateButton(), ok, cancel}));
}

} // namespace
} // namespace flowmar
