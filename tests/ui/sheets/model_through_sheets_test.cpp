// A new model built only through the program's sheets and the Fixed Quantity Tool gives the same
// solution as the same model written by hand as JSON, the form the command line runs: the sheets
// store what a person typed, in SI, with nothing lost or rounded on the way.
#include "core/commands/document_commands.h"
#include "core/commands/execute_command.h"
#include "core/commands/fan_commands.h"
#include "core/files/json_model.h"
#include "core/input/duct_details_sheet.h"
#include "core/input/general_page.h"
#include "core/input/leakage_page.h"
#include "core/input/resistance_page.h"
#include "core/input/shock_loss_pages.h"
#include "core/input/zones_page.h"
#include "core/model/flowmar_doc.h"
#include "support/example_models.h"
#include "ui/app/qt_ui_port.h"
#include "ui/dialogs/dialog_add_fan.h"
#include "ui/dialogs/dialog_select_fan.h"
#include "ui/dialogs/fixed_quantity_dialog.h"
#include "ui/grid/grid_control.h"
#include "ui/sheets/duct_prop_sheet.h"
#include "ui/sheets/property_page_zones.h"
#include "ui/sheets/shock_loss_sheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace flowmar {
namespace {

class RecordingPort : public QtUiPort {
public:
    RecordingPort() : QtUiPort(nullptr, {}) {}
    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon) override { messages.emplace_back(text); }
    // The file-open dialog answered with the file a person would pick.
    std::optional<std::string> chooseFileToOpen(const OpenFileRequest&) override {
        return fileToOpen;
    }
    std::vector<std::string> messages;
    std::optional<std::string> fileToOpen;
};

// Runs steps on the modal dialog once it is open; a dialog the steps leave open is cancelled, so
// a failed step cannot hang the test.
template <typename Dialog>
void whenOpen(const std::function<void(Dialog&)>& steps, bool& ran) {
    QTimer::singleShot(0, [steps, &ran] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the expected dialog did not open";
            return;
        }
        ran = true;
        steps(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

void retype(QWidget* widget, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void clickOk(QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    buttons->button(QDialogButtonBox::Ok)->click();
}

// The same model as a person would write it for the command line.
constexpr const char* kSameModelAsJson = R"({
    "unitSystem": 1,
    "ductLength": 800, "ductDiameter": 0.76, "frictionFactor": 0.0035,
    "leakageResistance100": 30000, "airDensity": 1.2, "iterationLimit": 5000,
    "zonesOff": 0, "autoTransitionOff": 1,
    "zones": [
        {"start": 0, "end": 400, "diameter": 0.76, "frictionFactor": 0.0035,
         "leakageResistance100": 30000},
        {"start": 400, "end": 800, "diameter": 0.6, "frictionFactor": 0.004,
         "leakageResistance100": 40000}],
    "dampers": [{"distance": 300, "degreeClosed": "30", "factor": 4.4}],
    "entryTypeIndex": 3, "entryShockFactor": 0.1,
    "solutionMode": 0, "fixedQuantity": 12.5, "fixedQuantityLocation": 0
})";

TEST(ModelThroughSheets, GivesTheSameSolutionAsTheModelWrittenAsJson) {
    CFlowmarDoc doc;
    RecordingPort port;

    bool ran = false;
    whenOpen<CDuctPropSheet>(
        [](CDuctPropSheet& sheet) {
            retype(sheet.control(resistance_page::kLength), QStringLiteral("800"));
            retype(sheet.control(resistance_page::kDiameter), QStringLiteral("0.76"));
            retype(sheet.control(resistance_page::kFrictionFactor), QStringLiteral("0.0035"));
            sheet.tabs()->setCurrentIndex(duct_details::kLeakagePage);
            ASSERT_EQ(sheet.tabs()->currentIndex(), duct_details::kLeakagePage);
            retype(sheet.control(leakage_page::kResistance), QStringLiteral("30000"));
            sheet.tabs()->setCurrentIndex(duct_details::kZonesPage);
            ASSERT_EQ(sheet.tabs()->currentIndex(), duct_details::kZonesPage);
            qobject_cast<QCheckBox*>(sheet.control(zones_page::kApplyZones))->setChecked(true);
            qobject_cast<QCheckBox*>(sheet.control(zones_page::kAutoTransitionLosses))
                ->setChecked(false);
            GridControl* zones = sheet.zonesPage()->grid();
            const char* rows[2][5] = {{"0", "400", "0.76", "0.0035", "30000"},
                                      {"400", "800", "0.6", "0.004", "40000"}};
            for (int r = 0; r < 2; ++r) {
                for (int c = 0; c < 5; ++c) {
                    EXPECT_TRUE(zones->enterText(r + 1, c + 1, QString::fromLatin1(rows[r][c])));
                }
            }
            sheet.tabs()->setCurrentIndex(duct_details::kGeneralPage);
            ASSERT_EQ(sheet.tabs()->currentIndex(), duct_details::kGeneralPage);
            retype(sheet.control(general_page::kAirDensity), QStringLiteral("1.20"));
            retype(sheet.control(general_page::kIterationLimit), QStringLiteral("5000"));
            clickOk(sheet);
        },
        ran);
    ASSERT_TRUE(runDuctDetailsCommand(doc, port));
    ASSERT_TRUE(ran);

    ran = false;
    whenOpen<CShockLossSheet>(
        [](CShockLossSheet& sheet) {
            sheet.entryExitPage()->button(shock_loss_sheet::kEntryFormedBell)->click();
            sheet.tabs()->setCurrentWidget(sheet.gridPage(ShockLossPage::Dampers));
            GridControl* dampers = sheet.gridPage(ShockLossPage::Dampers)->grid();
            EXPECT_TRUE(dampers->enterText(1, 1, QStringLiteral("300")));
            EXPECT_TRUE(dampers->enterText(1, 2, QStringLiteral("30")));
            clickOk(sheet);
        },
        ran);
    ASSERT_TRUE(runShockLossesCommand(doc, port));
    ASSERT_TRUE(ran);

    ran = false;
    whenOpen<FixedQuantityDialog>(
        [](FixedQuantityDialog& dialog) {
            dialog.applyBox()->setChecked(true);
            retype(dialog.quantityEdit(), QStringLiteral("12.5"));
            dialog.locationList()->setCurrentIndex(0);
            clickOk(dialog);
        },
        ran);
    ASSERT_TRUE(runFixedQuantityToolCommand(doc, port));
    ASSERT_TRUE(ran);
    EXPECT_TRUE(port.messages.empty()) << port.messages.front();

    CFlowmarDoc fromJson;
    ASSERT_EQ(readJsonModel(kSameModelAsJson, fromJson), "");
    RecordingPort jsonPort;
    const ExecuteResult sheets = Execute(doc, port);
    const ExecuteResult json = Execute(fromJson, jsonPort);
    ASSERT_EQ(sheets.status, SolutionStatus::FixedQuantity)
        << ::testing::PrintToString(port.messages);
    ASSERT_EQ(json.status, SolutionStatus::FixedQuantity);
    EXPECT_EQ(doc.zoneCount, 2);
    EXPECT_EQ(doc.damperFactor[1], 4.4) << "C from the damper table on OK";
    EXPECT_GT(doc.results.boosterPressure, 0);
    EXPECT_EQ(doc.results.boosterPressure, fromJson.results.boosterPressure);
    EXPECT_EQ(doc.results.branchFlow, fromJson.results.branchFlow);
    EXPECT_EQ(doc.results.totalPressure, fromJson.results.totalPressure);
}

// The example forcing-one-fan built from a new model: its duct typed into the Duct Details
// sheet, its one fan placed at the portal with the Add/Edit Fan dialog and its curve imported
// from the example fan database. The solution equals the example's.
TEST(ModelThroughSheets, ForcingOneFanBuiltInTheDialogsSolvesAsTheExample) {
    CFlowmarDoc doc;
    RecordingPort port;
    port.fileToOpen = testing::examplePath("fan-database.fdb").string();

    bool ran = false;
    whenOpen<CDuctPropSheet>(
        [](CDuctPropSheet& sheet) {
            retype(sheet.control(resistance_page::kLength), QStringLiteral("1000"));
            retype(sheet.control(resistance_page::kDiameter), QStringLiteral("0.9"));
            retype(sheet.control(resistance_page::kFrictionFactor), QStringLiteral("0.002"));
            sheet.tabs()->setCurrentIndex(duct_details::kLeakagePage);
            retype(sheet.control(leakage_page::kResistance), QStringLiteral("10000"));
            sheet.tabs()->setCurrentIndex(duct_details::kGeneralPage);
            retype(sheet.control(general_page::kAirDensity), QStringLiteral("1.2"));
            clickOk(sheet);
        },
        ran);
    ASSERT_TRUE(runDuctDetailsCommand(doc, port));
    ASSERT_TRUE(ran);

    ran = false;
    whenOpen<CDialogAddFan>(
        [](CDialogAddFan& dialog) {
            // A distance of 0 places the fan at the portal.
            retype(dialog.distanceEdit(), QStringLiteral("0"));
            bool selected = false;
            whenOpen<CDialogSelectFan>(
                [](CDialogSelectFan& select) {
                    ASSERT_EQ(select.grid().shownText(2, 2), QStringLiteral("AF-900"));
                    retype(select.numberEdit(), QStringLiteral("2"));
                    clickOk(select);
                },
                selected);
            dialog.importCurveButton()->click();
            EXPECT_TRUE(selected);
            clickOk(dialog);
        },
        ran);
    runAddFanCommand(doc, port);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(port.messages.empty()) << port.messages.front();

    CFlowmarDoc example;
    testing::openExample("forcing-one-fan.dct", example);
    const ExecuteResult built = Execute(doc, port);
    ASSERT_EQ(built.status, SolutionStatus::Converged) << ::testing::PrintToString(port.messages);
    ASSERT_EQ(doc.fanCount, 1);
    EXPECT_EQ(doc.fanDistance[1], example.fanDistance[1]);
    EXPECT_GT(doc.results.fanPressure[1], 0);
    EXPECT_EQ(doc.results.fanPressure[1], example.results.fanPressure[1]);
    EXPECT_EQ(doc.results.fanEfficiency[1], example.results.fanEfficiency[1]);
    EXPECT_EQ(doc.results.branchFlow, example.results.branchFlow);
    EXPECT_EQ(doc.results.totalPressure, example.results.totalPressure);
    EXPECT_EQ(doc.results.iterationCount, example.results.iterationCount);
}

} // namespace
} // namespace flowmar
