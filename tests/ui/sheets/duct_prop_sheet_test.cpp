// The Duct Details sheet as a person meets it: opened by the Duct Details command and by Execute,
// typed into, refused and mended, confirmed or cancelled. Messages are caught by the port; the
// modal sheet is driven from inside its own event loop.
#include "core/commands/command_table.h"
#include "core/input/preset_dialogs.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "support/no_questions.h"
#include "ui/app/main_frame.h"
#include "ui/app/qt_ui_port.h"
#include "ui/app/shell_questions.h"
#include "ui/dialogs/dialog_preset_k_factor.h"
#include "ui/dialogs/diameter_preset.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_table_view.h"
#include "ui/sheets/duct_prop_sheet.h"
#include "ui/sheets/general_page.h"
#include "ui/sheets/leakage_page.h"
#include "ui/sheets/property_page_zones.h"
#include "ui/sheets/resistance_page.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace flowmar {
namespace {

using namespace duct_details;

// The real dialogs, with the message boxes caught.
class RecordingPort : public QtUiPort {
public:
    RecordingPort() : QtUiPort(nullptr, {}) {}
    std::vector<std::string> messages;
    using QtUiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon) override { messages.emplace_back(text); }
};

// Runs script on the modal dialog of type Dialog once it is open; the dialog is cancelled
// afterwards if the script left it open, so a failed check never leaves the test waiting. The
// timer lives as long as the returned object, so it can fire in no other test.
template <typename Dialog>
std::unique_ptr<QTimer> whenOpen(std::function<void(Dialog&)> script, bool* ran) {
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, [script, ran] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the expected dialog is not open";
            return;
        }
        *ran = true;
        script(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    timer->start(0);
    return timer;
}

template <typename Widget>
Widget* controlOf(const CDuctPropSheet& sheet, int id) {
    auto* widget = qobject_cast<Widget*>(sheet.control(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

class DuctDetailsSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.openFile(QStringLiteral(FLOWMAR_EXAMPLES "/forcing-one-fan.dct")));
        doc = frame.activeDocument();
        ASSERT_NE(doc, nullptr);
        ASSERT_EQ(doc->unitSystem, kSI);
        port.messages.clear();
    }

    RecordingPort port;
    testing::NoQuestions questions;
    CMainFrame frame{&port, &questions};
    CFlowmarDoc* doc = nullptr;
};

TEST_F(DuctDetailsSheetTest, ARefusedPageStaysInFrontUntilMendedAndOkStoresSI) {
    bool ran = false;
    const auto timer = whenOpen<CDuctPropSheet>(
        [this](CDuctPropSheet& sheet) {
            EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Duct Details"));
            ASSERT_EQ(sheet.tabs()->count(), 4);
            EXPECT_EQ(sheet.tabs()->tabText(3), QStringLiteral("General"));
            EXPECT_EQ(sheet.tabs()->currentIndex(), kResistancePage);
            auto* length = controlOf<QLineEdit>(sheet, resistance_page::kLength);
            ASSERT_NE(length, nullptr);
            retype(length, QStringLiteral("0.99"));
            sheet.tabs()->setCurrentIndex(kGeneralPage);

            EXPECT_EQ(port.messages,
                      (std::vector<std::string>{std::string(messages::kDuctLengthOutOfRangeSI)}));
            EXPECT_EQ(sheet.tabs()->currentIndex(), kResistancePage) << "the page stays";
            EXPECT_EQ(sheet.focusWidget(), length);
            EXPECT_EQ(length->selectedText(), QStringLiteral("0.99"));

            retype(length, QStringLiteral("1500"));
            sheet.tabs()->setCurrentIndex(kLeakagePage);
            ASSERT_EQ(sheet.tabs()->currentIndex(), kLeakagePage);
            sheet.leakagePage()->slider()->setValue(150000);
            EXPECT_EQ(controlOf<QLineEdit>(sheet, leakage_page::kResistance)->text(),
                      QStringLiteral("150000"));
            sheet.tabs()->setCurrentIndex(kGeneralPage);
            auto* limit = controlOf<QLineEdit>(sheet, general_page::kIterationLimit);
            ASSERT_NE(limit, nullptr);
            retype(limit, QStringLiteral("2500"));
            QTest::keyClick(limit, Qt::Key_Return); // Enter is OK
            EXPECT_FALSE(sheet.isVisible());
            EXPECT_EQ(port.messages.size(), 1u);
        },
        &ran);
    frame.commandAction(commands::kDuctDetails)->trigger();
    ASSERT_TRUE(ran);
    EXPECT_DOUBLE_EQ(doc->ductLength, 1500);
    EXPECT_EQ(doc->leakageResistance100, 150000);
    EXPECT_EQ(doc->iterationLimit, 2500);
}

// Tab walks through both preset lists to the friction factor box and Enter is OK: the focus
// entering a list chooses nothing, so the duct keeps its diameter and friction factor.
TEST_F(DuctDetailsSheetTest, TabbingThroughThePresetListsAppliesNoPreset) {
    doc->ductDiameter = 1.2;
    doc->frictionFactor = 0.002;
    doc->diameterPresetIndex = -1;
    doc->frictionFactorPresetIndex = -1;
    bool ran = false;
    const auto timer = whenOpen<CDuctPropSheet>(
        [](CDuctPropSheet& sheet) {
            // Focus events reach the lists only in the active window.
            sheet.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
            controlOf<QLineEdit>(sheet, resistance_page::kLength)->setFocus();
            for (int i = 0; i < 6; ++i) {
                QTest::keyClick(sheet.focusWidget(), Qt::Key_Tab);
            }
            EXPECT_EQ(sheet.focusWidget(), sheet.control(resistance_page::kFrictionFactor));
            QTest::keyClick(sheet.focusWidget(), Qt::Key_Return);
            EXPECT_FALSE(sheet.isVisible());
        },
        &ran);
    frame.commandAction(commands::kDuctDetails)->trigger();
    ASSERT_TRUE(ran);
    EXPECT_EQ(doc->ductDiameter, 1.2);
    EXPECT_EQ(doc->frictionFactor, 0.002);
    EXPECT_EQ(doc->diameterPresetIndex, -1);
    EXPECT_EQ(doc->frictionFactorPresetIndex, -1);
    EXPECT_TRUE(port.messages.empty());
}

// A typed number is the whole text: a thousands separator is refused, naming the box, which
// keeps the focus with its text selected; the model keeps what it held.
TEST_F(DuctDetailsSheetTest, ATypedCommaIsRefusedNamingTheBox) {
    struct Case {
        int page;
        int box;
        const char* typed;
        const char* message;
    };
    const double length = doc->ductLength;
    const double density = doc->airDensity;
    for (const Case& c : {Case{kResistancePage, resistance_page::kLength, "1,500",
                               "Enter a number for Length (m)."},
                          Case{kGeneralPage, general_page::kAirDensity, "1,15",
                               "Enter a number for Air Density (kg/m³)."}}) {
        port.messages.clear();
        bool ran = false;
        const auto timer = whenOpen<CDuctPropSheet>(
            [this, c](CDuctPropSheet& sheet) {
                sheet.tabs()->setCurrentIndex(c.page);
                auto* box = controlOf<QLineEdit>(sheet, c.box);
                ASSERT_NE(box, nullptr);
                retype(box, QString::fromUtf8(c.typed));
                QTest::keyClick(box, Qt::Key_Return);
                EXPECT_TRUE(sheet.isVisible()) << c.typed;
                EXPECT_EQ(port.messages, (std::vector<std::string>{c.message}));
                EXPECT_EQ(sheet.focusWidget(), box);
                EXPECT_EQ(box->selectedText(), QString::fromUtf8(c.typed));
            },
            &ran);
        frame.commandAction(commands::kDuctDetails)->trigger();
        ASSERT_TRUE(ran);
        EXPECT_EQ(doc->ductLength, length);
        EXPECT_EQ(doc->airDensity, density);
    }
}

TEST_F(DuctDetailsSheetTest, CancelTakesNothingBackButMarksTheModel) {
    doc->setModifiedFlag(false);
    const double length = doc->ductLength;
    const double frictionFactor = doc->frictionFactor;
    const auto presets = doc->diameterPresets;
    bool ran = false;
    const auto timer = whenOpen<CDuctPropSheet>(
        [](CDuctPropSheet& sheet) {
            retype(controlOf<QLineEdit>(sheet, resistance_page::kLength), QStringLiteral("2000"));
            controlOf<QListWidget>(sheet, resistance_page::kDuctTypeList)->setCurrentRow(3);
            QTest::keyClick(&sheet, Qt::Key_Escape);
            EXPECT_FALSE(sheet.isVisible()) << "Esc cancels";
        },
        &ran);
    frame.commandAction(commands::kDuctDetails)->trigger();
    ASSERT_TRUE(ran);
    EXPECT_EQ(doc->ductLength, length);
    EXPECT_EQ(doc->frictionFactor, frictionFactor);
    EXPECT_EQ(doc->diameterPresets, presets);
    EXPECT_TRUE(doc->isModified()) << "the command marks the model before the sheet opens";
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(DuctDetailsSheetTest, ExecuteWithABadZoneSaysSoThenOpensTheSheetAtZones) {
    doc->zonesOff = 0;
    doc->zoneStart[1] = -50;
    doc->zoneEnd[1] = 100;
    bool ran = false;
    const auto timer = whenOpen<CDuctPropSheet>(
        [this](CDuctPropSheet& sheet) {
            EXPECT_EQ(port.messages,
                      (std::vector<std::string>{std::string(messages::kZoneDistanceNegative)}))
                << "the message comes before the sheet";
            EXPECT_EQ(sheet.tabs()->currentIndex(), kZonesPage) << "the page holding the fault";
            EXPECT_EQ(sheet.zonesPage()->grid()->shownText(1, 1), QStringLiteral("-50.0"))
                << "the page in front is filled";
        },
        &ran);
    frame.commandAction(commands::kExecute)->trigger();
    EXPECT_TRUE(ran);
}

// Without the event loop of exec: the sheet's own handling of the Zones page and OK.
TEST(DuctPropSheet, ClearFormThenOkMovesTheTenthZoneToTheTop) {
    testing::FakeUiPort port;
    DuctDetailsValues values;
    values.ductLength = 1000;
    values.ductDiameter = 0.76;
    values.frictionFactor = 0.0035;
    values.leakageResistance100 = 20000;
    values.zones[1] = {0, 300, 0.8, 0.003, 20000};
    values.zones[10] = {300, 1000, 0.9, 0.004, 30000};
    CDuctPropSheet sheet(values, port);
    sheet.tabs()->setCurrentIndex(kZonesPage);
    GridControl* grid = sheet.zonesPage()->grid();
    EXPECT_EQ(grid->rowCount(), 9);
    EXPECT_EQ(grid->shownText(1, 2), QStringLiteral("300.0"));
    controlOf<QPushButton>(sheet, zones_page::kClearForm)->click();
    EXPECT_EQ(grid->shownText(1, 2), QStringLiteral("0.0"));
    ASSERT_TRUE(grid->enterText(5, 1, QStringLiteral("1000")));
    ASSERT_TRUE(grid->enterText(5, 2, QStringLiteral("1200 m")));
    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted) << "a cell with a unit is no number";
    EXPECT_EQ(port.messages, (std::vector<std::string>{"Enter a number for End (m) in row 5."}));
    EXPECT_EQ(grid->view().currentIndex().row(), 4);
    EXPECT_EQ(grid->view().currentIndex().column(), 1);
    ASSERT_TRUE(grid->enterText(5, 2, QStringLiteral("1200")));
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    const DuctDetailsValues back = sheet.values();
    EXPECT_EQ(back.zones[1].start, 300) << "the held tenth zone, now first";
    EXPECT_EQ(back.zones[2].end, 1200) << "the typed row";
    EXPECT_EQ(back.zones[3].end, 0);
}

// Rows typed on the Zones page are never dropped: one the sort would lose is refused, naming
// it, with the Zones page in front even when OK is pressed on another page.
TEST(DuctPropSheet, ATypedZoneRowThatCannotBeKeptIsRefusedByName) {
    testing::FakeUiPort port;
    DuctDetailsValues values;
    values.ductLength = 400;
    values.ductDiameter = 0.76;
    values.frictionFactor = 0.0035;
    values.leakageResistance100 = 20000;
    values.airDensity = 1.2;
    values.iterationLimit = 5000;
    CDuctPropSheet sheet(values, port);
    sheet.tabs()->setCurrentIndex(kZonesPage);
    GridControl* grid = sheet.zonesPage()->grid();
    const auto row = [grid](int r, const char* start, const char* end) {
        ASSERT_TRUE(grid->enterText(r, 1, QString::fromLatin1(start)));
        ASSERT_TRUE(grid->enterText(r, 2, QString::fromLatin1(end)));
        ASSERT_TRUE(grid->enterText(r, 3, QStringLiteral("0.76")));
    };
    row(1, "0", "100");
    row(2, "100", "-5");
    row(3, "100", "400");
    sheet.tabs()->setCurrentIndex(kGeneralPage);
    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(port.messages, (std::vector<std::string>{"Zone row 2: the end is less than zero."}));
    EXPECT_EQ(sheet.tabs()->currentIndex(), kZonesPage);
    EXPECT_EQ(grid->view().currentIndex().row(), 1);
    EXPECT_EQ(grid->view().currentIndex().column(), 1);

    row(2, "100", "0");
    sheet.accept();
    EXPECT_EQ(port.messages.back(), "Zone row 2: the end must lie beyond the start.");

    row(2, "100", "250");
    row(3, "250", "400");
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    const DuctDetailsValues back = sheet.values();
    EXPECT_EQ(back.zones[1].end, 100);
    EXPECT_EQ(back.zones[2].end, 250);
    EXPECT_EQ(back.zones[3].end, 400) << "every typed row kept";
}

TEST(DuctPropSheet, ImperialLeakagePageShowsItsOwnEndLabels) {
    testing::FakeUiPort port;
    DuctDetailsValues values;
    values.unitSystem = kImperial;
    values.ductLength = 3280;
    values.ductDiameter = 30;
    values.frictionFactor = 10;
    values.leakageResistance100 = 2500;
    CDuctPropSheet sheet(values, port);
    sheet.tabs()->setCurrentIndex(kLeakagePage);
    CLeakagePage* page = sheet.leakagePage();
    EXPECT_FALSE(sheet.control(leakage_page::kLeftEndSI)->isVisibleTo(page));
    EXPECT_TRUE(sheet.control(leakage_page::kLeftEndImperial)->isVisibleTo(page));
    EXPECT_FALSE(sheet.control(leakage_page::kPowerOfTen)->isVisibleTo(page));
    EXPECT_EQ(page->slider()->maximum(), 1000);
    EXPECT_EQ(page->slider()->value(), 1);
    auto* box = controlOf<QLineEdit>(sheet, leakage_page::kResistance);
    retype(box, QStringLiteral("949"));
    EXPECT_EQ(page->slider()->value(), 1) << "typing does not move the slider";
    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{"Value must be between 950.00 and 1450000."}));
    page->slider()->setValue(0);
    EXPECT_EQ(box->text(), QStringLiteral("950.0"));
}

// The tab order follows the layout: length, the diameter list, its Edit button and box, then the
// duct types, their Edit button and the friction factor.
TEST(DuctPropSheet, TabWalksTheResistancePageInLayoutOrder) {
    testing::FakeUiPort port;
    DuctDetailsValues values;
    CDuctPropSheet sheet(values, port);
    using namespace resistance_page;
    std::vector<QWidget*> expected;
    for (const int id : {kLength, kDiameterList, kEditDiameters, kDiameter, kDuctTypeList,
                         kEditFrictionFactors, kFrictionFactor}) {
        expected.push_back(sheet.control(id));
    }
    std::vector<QWidget*> walked;
    QWidget* at = expected.front();
    do {
        if (std::find(expected.begin(), expected.end(), at) != expected.end()) {
            walked.push_back(at);
        }
        at = at->nextInFocusChain();
    } while (at != expected.front() && walked.size() < expected.size());
    EXPECT_EQ(walked, expected);
}

TEST(DuctPropSheet, TheDiameterEditButtonTakesThePresetsOfItsDialog) {
    testing::FakeUiPort port;
    DuctDetailsValues values;
    values.ductDiameter = 0.76;
    values.diameterPresetIndex = 2;
    CDuctPropSheet sheet(values, port);
    bool ran = false;
    const auto timer = whenOpen<CDiameterPreset>(
        [](CDiameterPreset& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Preset Diameter Dialog"));
            EXPECT_EQ(dialog.edit(2)->text(), QStringLiteral("1.0"));
            dialog.edit(2)->setText(QStringLiteral("1.05"));
            dialog.accept();
        },
        &ran);
    controlOf<QPushButton>(sheet, resistance_page::kEditDiameters)->click();
    ASSERT_TRUE(ran);
    EXPECT_EQ(controlOf<QListWidget>(sheet, resistance_page::kDiameterList)->item(2)->text(),
              QStringLiteral("1.05"));
    EXPECT_EQ(controlOf<QLineEdit>(sheet, resistance_page::kDiameter)->text(),
              QStringLiteral("1.05"))
        << "the selected preset is written into the box again";
}

TEST(PresetDialogs, HandBackWhatWasTypedUnchecked) {
    CDialogPresetKFactor dialog({"A", "B", "C", "D"}, {"1", "2", "3", "4"});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Preset k Factor Dialog"));
    dialog.nameEdit(1)->setText(QStringLiteral("Steel"));
    dialog.valueEdit(3)->setText(QString());
    EXPECT_EQ(dialog.names(), (PresetTexts{"A", "Steel", "C", "D"}));
    EXPECT_EQ(dialog.values(), (PresetTexts{"1", "2", "3", ""}));
}

} // namespace
} // namespace flowmar
