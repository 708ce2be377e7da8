#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "ui/dialogs/fixed_quantity_dialog.h"
#include "ui/dialogs/graph_trends_dialog.h"
#include "ui/dialogs/notepad_dialog.h"
#include "ui/dialogs/select_units_dialog.h"
#include "ui/dialogs/splash_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace flowmar {
namespace {

TEST(SplashWindow, ThePressThatClosesItIsEatenButNoneAfter) {
    SplashWindow::setEnabled(true);
    QWidget owner;
    owner.show();
    QLineEdit edit;
    edit.show();
    SplashWindow::showSplash(&owner);
    ASSERT_NE(SplashWindow::current(), nullptr);
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(edit.text(), QString()) << "the first press only closes the splash";
    // Closed but not yet deleted (no event loop has run): a dialog shown now, as the recovery
    // question at start-up is, must get every press.
    ASSERT_NE(SplashWindow::current(), nullptr);
    QTest::keyClick(&edit, Qt::Key_B);
    EXPECT_EQ(edit.text(), QStringLiteral("b"));
    SplashWindow::setEnabled(false);
}

TEST(SelectUnitsDialog, AnUnsetValueComesBackUnchanged) {
    SelectUnitsDialog dialog(-1);
    EXPECT_FALSE(dialog.imperialButton()->isChecked());
    EXPECT_FALSE(dialog.siButton()->isChecked());
    dialog.accept();
    EXPECT_EQ(dialog.unitSystem(), -1);
}

TEST(SelectUnitsDialog, TakesTheButtonClicked) {
    SelectUnitsDialog dialog(kSI);
    EXPECT_TRUE(dialog.siButton()->isChecked());
    dialog.imperialButton()->click();
    EXPECT_EQ(dialog.unitSystem(), kImperial);
}

TEST(NotepadDialog, AcceptsAThousandCharactersAndRefusesMore) {
    testing::FakeUiPort port;
    NotepadDialog dialog(QString(1001, QLatin1Char('x')), port);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kNotepadTooLong)}));
    dialog.editor()->setPlainText(QString(1000, QLatin1Char('x')));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FixedQuantityDialog, QuantityOutsideItsRangeKeepsTheDialogOpen) {
    testing::FakeUiPort port;
    FixedQuantityValues values;
    values.unitSystem = kImperial;
    values.fixedQuantity = 21.189;
    values.location = -1;
    FixedQuantityDialog dialog(values, port);
    EXPECT_EQ(dialog.quantityEdit()->text(), QStringLiteral("21.189"));
    EXPECT_EQ(dialog.locationList()->currentIndex(), 0) << "a negative location shows Face";
    EXPECT_EQ(dialog.locationList()->count(), 2);
    dialog.quantityEdit()->setText(QStringLiteral("800.5"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(port.messages.size(), 1u);
    dialog.quantityEdit()->setText(QStringLiteral("12.5"));
    dialog.applyBox()->setChecked(true);
    dialog.locationList()->setCurrentIndex(1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().fixedQuantity, 12.5);
    EXPECT_EQ(dialog.values().applied, 1);
    EXPECT_EQ(dialog.values().location, 1);
}

TEST(GraphTrendsDialog, ShowsTheOptionsAndHandsBackWhatWasChanged) {
    GraphOptions options;
    options.plotStaticPressure = 0;
    CGraphDlg dialog(options);
    ASSERT_NE(dialog.control(graph_trends::kDuctStaticPressure), nullptr);
    EXPECT_FALSE(dialog.control(graph_trends::kDuctStaticPressure)->isChecked());
    EXPECT_TRUE(dialog.control(graph_trends::kPlotQuantity)->isChecked());
    dialog.control(graph_trends::kPlotVelocity)->click();
    EXPECT_FALSE(dialog.control(graph_trends::kPlotQuantity)->isChecked());
    dialog.control(graph_trends::kShowFans)->click();
    const GraphOptions chosen = dialog.options();
    EXPECT_EQ(chosen.flowPlotKind, 2);
    EXPECT_EQ(chosen.showFans, 0);
    EXPECT_EQ(chosen.plotStaticPressure, 0);
    EXPECT_EQ(chosen.plotTotalPressure, 1);
}

} // namespace
} // namespace flowmar
