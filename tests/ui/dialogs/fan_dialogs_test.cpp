// The fan dialogs as a person uses them: Add/Edit Fan with its curve editor and its import from a
// fan database file, the fan-number dialogs, all opened by the core's commands through the port.
#include "core/commands/fan_commands.h"
#include "core/fans/fan_curve_units.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/fdb_file.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/example_models.h"
#include "support/modal_steps.h"
#include "ui/dialogs/dialog_add_fan.h"
#include "ui/dialogs/dialog_fan_database.h"
#include "ui/dialogs/dialog_fan_number.h"
#include "ui/dialogs/dialog_select_fan.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_table_view.h"

#include <QCheckBox>
#include <QLabel>

namespace flowmar {
namespace {

using testing::clickOk;
using testing::DialogPort;
using testing::retype;
using testing::whenOpen;

struct TypedRow {
    int row;
    const char* pressure;
    const char* quantity;
    const char* efficiency;
};

void typeRows(GridControl& grid, const std::vector<TypedRow>& rows) {
    for (const TypedRow& r : rows) {
        EXPECT_TRUE(grid.enterText(r.row, 1, QString::fromLatin1(r.pressure)));
        EXPECT_TRUE(grid.enterText(r.row, 2, QString::fromLatin1(r.quantity)));
        EXPECT_TRUE(grid.enterText(r.row, 3, QString::fromLatin1(r.efficiency)));
    }
}

// An Imperial model: what is typed in ft, in.w.g. and kcfm is stored in SI.
TEST(FanDialogs, AddFanWithATypedCurveStoresItInSI) {
    CFlowmarDoc doc;
    doc.unitSystem = kImperial;
    DialogPort port;
    int addOpened = 0;
    int editorOpened = 0;
    whenOpen<CDialogAddFan>(
        [&](CDialogAddFan& dialog) {
            retype(dialog.distanceEdit(), QStringLiteral("328.08"));
            whenOpen<CDialogFanDatabase>(
                [](CDialogFanDatabase& editor) {
                    EXPECT_EQ(editor.densityLabel()->text(),
                              QString::fromUtf8("Fan Curve Density (lb/ft³)"));
                    EXPECT_EQ(editor.grid().shownText(0, 1), QStringLiteral("P (in.w.g.)"));
                    retype(editor.manufacturerEdit(), QStringLiteral("Quarrystone Air"));
                    retype(editor.densityEdit(), QStringLiteral("0.075"));
                    // Typed out of order, with a blank row between: sorted on OK.
                    typeRows(editor.grid(), {{1, "4", "20", "60"}, {3, "8", "10", "70"}});
                    clickOk(editor);
                },
                editorOpened);
            dialog.editCurveButton()->click();
            EXPECT_EQ(dialog.pointCountEdit()->text(), QStringLiteral("2"));
            EXPECT_EQ(dialog.manufacturerEdit()->text(), QStringLiteral("Quarrystone Air"));
            EXPECT_EQ(dialog.densityEdit()->text(), QStringLiteral("0.075"));
            clickOk(dialog);
        },
        addOpened);
    runAddFanCommand(doc, port);
    ASSERT_EQ(addOpened, 1);
    ASSERT_EQ(editorOpened, 1);
    EXPECT_TRUE(port.messages.empty()) << port.messages.front();
    ASSERT_EQ(doc.fanCount, 1);
    EXPECT_NEAR(doc.fanDistance[1], 328.08 * 0.3048, 1e-9);
    EXPECT_EQ(doc.fanCurvePointCount[1], 2);
    EXPECT_NEAR(doc.fanCurvePressure[1][1], 8 / 0.0040147, 1e-9) << "highest pressure first";
    EXPECT_NEAR(doc.fanCurveQuantity[2][1], 20 * 1000 / 2118.9, 1e-9);
    EXPECT_NEAR(doc.fanCurveDensity[1], 0.075 / 0.06242796, 1e-9);
    EXPECT_EQ(doc.fanManufacturer[1], "Quarrystone Air");
    EXPECT_EQ(doc.fanHasCurve[1], 1);
}

// The editor comes back after each refused curve with every typed row, unsorted and with rows
// beyond the counted points; Cancel then leaves the fan's curve as it was.
TEST(FanDialogs, ARefusedCurveReopensTheEditorWithTheTypedRows) {
    CFlowmarDoc doc;
    doc.unitSystem = kSI;
    DialogPort port;
    int addOpened = 0;
    int editorOpened = 0;
    std::vector<std::string> reopenedRows;
    whenOpen<CDialogAddFan>(
        [&](CDialogAddFan& dialog) {
            whenOpen<CDialogFanDatabase>(
                [&](CDialogFanDatabase& editor) {
                    // Quantity falls with pressure: refused by the sequence check after sorting.
                    typeRows(editor.grid(), {{2, "1000", "10", "60"}, {9, "2000", "20", "70"}});
                    whenOpen<CDialogFanDatabase>(
                        [&](CDialogFanDatabase& again) {
                            for (const int row : {1, 2, 9}) {
                                reopenedRows.push_back(
                                    again.grid().shownText(row, 1).toStdString());
                            }
                            EXPECT_NE(again.grid().shownText(9, 4), QStringLiteral("0.0"))
                                << "fan input power computed at the re-opening";
                        },
                        editorOpened);
                    clickOk(editor);
                },
                editorOpened);
            dialog.editCurveButton()->click();
            EXPECT_EQ(dialog.pointCountEdit()->text(), QStringLiteral("0"))
                << "Cancel leaves the working curve as it was";
        },
        addOpened);
    runAddFanCommand(doc, port);
    EXPECT_EQ(editorOpened, 2);
    EXPECT_EQ(port.messages, (std::vector<std::string>{std::string(messages::kCurveSequence)}));
    EXPECT_EQ(reopenedRows, (std::vector<std::string>{"0.000", "1000.000", "2000.000"}));
    EXPECT_EQ(doc.fanCount, 0) << "the Add/Edit Fan dialog was cancelled";
}

TEST(FanDialogs, ImportFanThreeOfTheExampleDatabase) {
    AddFanValues values;
    values.unitSystem = kSI;
    DialogPort port;
    port.fileToOpen = testing::examplePath("fan-database.fdb").string();
    int addOpened = 0;
    int selectOpened = 0;
    QString listedRow3;
    QString listedRow6;
    whenOpen<CDialogAddFan>(
        [&](CDialogAddFan& dialog) {
            whenOpen<CDialogSelectFan>(
                [&](CDialogSelectFan& select) {
                    EXPECT_EQ(select.grid().rowCount(), 100);
                    listedRow3 = select.grid().shownText(3, 2);
                    listedRow6 = select.grid().shownText(6, 1);
                    retype(select.numberEdit(), QStringLiteral("3"));
                    clickOk(select);
                },
                selectOpened);
            dialog.importCurveButton()->click();
            EXPECT_EQ(dialog.modelEdit()->text(), QStringLiteral("AF-1100"));
            EXPECT_EQ(dialog.settingEdit()->text(), QStringLiteral("45 kW"));
            EXPECT_EQ(dialog.densityEdit()->text(), QStringLiteral("1.2"));
            EXPECT_EQ(dialog.pointCountEdit()->text(), QStringLiteral("5"));
            clickOk(dialog);
        },
        addOpened);
    ASSERT_TRUE(port.runAddEditFan(values));
    EXPECT_EQ(selectOpened, 1);
    EXPECT_EQ(port.fileRequests, std::vector<std::string>{"Specify Fan Database File"});
    EXPECT_EQ(listedRow3, QStringLiteral("AF-1100"));
    EXPECT_EQ(listedRow6, QString()) << "the file holds five fans";
    EXPECT_EQ(values.curve.points[1], (FanCurvePoint{4200, 8, 62}));
    EXPECT_EQ(values.curve.pointCount, 5);
}

// Each box that takes a number refuses anything else and stays open with its text selected;
// the first row of each pair is refused, the second taken.
TEST(FanDialogs, NumberBoxesTakeTheWholeTextAsOneNumber) {
    struct Case {
        const char* why;
        const char* text;
        const char* message; // empty: taken
    };
    const Case fanNumbers[] = {
        {"a letter after the number", "3a", "Enter a whole number for Input Fan Number."},
        {"beyond 100", "101", "Enter a fan number between 1 and 100."},
        {"a fan number", " 7 ", ""},
    };
    for (const Case& c : fanNumbers) {
        SCOPED_TRACE(c.why);
        DialogPort port;
        CDialogFanNumber dialog(QStringLiteral("Delete Fan"), 0, port);
        dialog.show();
        retype(dialog.numberEdit(), QString::fromLatin1(c.text));
        dialog.accept();
        EXPECT_EQ(port.messages.empty() ? std::string() : port.messages.front(), c.message);
        EXPECT_EQ(dialog.isVisible(), *c.message != 0);
        if (*c.message != 0) {
            EXPECT_EQ(dialog.numberEdit()->selectedText(), QString::fromLatin1(c.text));
        } else {
            EXPECT_EQ(dialog.number(), 7);
        }
    }
    const Case distances[] = {
        {"a unit after the number", "12 m", "Enter a number for Distance Along Duct (m)."},
        {"a number", "12.5", ""},
    };
    for (const Case& c : distances) {
        SCOPED_TRACE(c.why);
        DialogPort port;
        AddFanValues values;
        values.unitSystem = kSI;
        CDialogAddFan dialog(values, port);
        dialog.show();
        retype(dialog.distanceEdit(), QString::fromLatin1(c.text));
        dialog.accept();
        EXPECT_EQ(port.messages.empty() ? std::string() : port.messages.front(), c.message);
        EXPECT_EQ(dialog.isVisible(), *c.message != 0);
        if (*c.message == 0) {
            EXPECT_EQ(dialog.values().distance, 12.5);
        }
    }
}

TEST(FanDialogs, DeleteFanOfANumberAboveTheCountChangesNothing) {
    CFlowmarDoc doc;
    doc.fanCount = 2;
    doc.fanManufacturer[1] = "first";
    doc.fanManufacturer[2] = "second";
    DialogPort port;
    int opened = 0;
    whenOpen<CDialogFanNumber>(
        [](CDialogFanNumber& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Delete Fan"));
            retype(dialog.numberEdit(), QStringLiteral("3"));
            clickOk(dialog);
        },
        opened);
    runDeleteFanCommand(doc, port);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(doc.fanCount, 2);
    EXPECT_EQ(doc.fanManufacturer[2], "second");
    EXPECT_EQ(port.messages, std::vector<std::string>{"There is no fan 3; there are only 2 fans."});
}

// Fan 5 of the example database has a setting longer than a person may type: the editor shows it
// whole and OK keeps it; typed over with eleven characters it is refused, the text selected.
TEST(FanDialogs, TheCurveEditorShowsAndKeepsALongSettingWhole) {
    const FanDatabaseFileRead read = readFanDatabaseFile(testing::examplePath("fan-database.fdb"));
    ASSERT_TRUE(read.ok());
    const FanCurve& fan = read.document->fans[5];
    ASSERT_GT(fan.setting.size(), std::size_t(kSettingMaxLength));
    const QString whole = QString::fromStdString(fan.setting);
    DialogPort port;
    {
        CDialogFanDatabase editor(openCurveEditor(curveToShown(fan, kSI), kSI), port);
        editor.show();
        EXPECT_EQ(editor.settingEdit()->text(), whole);
        clickOk(editor);
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(editor.values().setting, fan.setting);
    }
    CDialogFanDatabase editor(openCurveEditor(curveToShown(fan, kSI), kSI), port);
    editor.show();
    retype(editor.settingEdit(), QStringLiteral("01234567890"));
    clickOk(editor);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(port.messages,
              std::vector<std::string>{
                  "Enter no more than 10 characters for Fan Blade/Impellor Setting."});
    EXPECT_EQ(editor.settingEdit()->selectedText(), QStringLiteral("01234567890"));
    EXPECT_EQ(editor.values().setting, fan.setting);
}

// The keyboard alone fills a curve: typing opens a cell, Tab and the arrows move on.
TEST(FanDialogs, TheKeyboardAloneFillsTheCurveGrid) {
    DialogPort port;
    CurveEditorValues values;
    values.unitSystem = kSI;
    CDialogFanDatabase editor(values, port);
    editor.show();
    GridTableView& view = editor.grid().view();
    view.setFocus();
    view.setCurrentIndex(view.model()->index(0, 0));
    // Keys go where a person's would: to the cell's editor when one is open, else to the grid,
    // where the first key opens the current cell's editor.
    const auto keyTarget = [&view]() -> QWidget* {
        QWidget* cellEditor = view.indexWidget(view.currentIndex());
        return cellEditor != nullptr ? cellEditor : &view;
    };
    const auto press = [&](const QString& keys) {
        for (const QChar c : keys) {
            QTest::keyClicks(keyTarget(), QString(c));
        }
    };
    const auto key = [&](Qt::Key k) {
        QTest::keyClick(keyTarget(), k);
        QCoreApplication::processEvents();
    };
    for (const char* number : {"2000", "10", "70"}) {
        press(QString::fromLatin1(number));
        key(Qt::Key_Tab);
    }
    EXPECT_EQ(view.currentIndex().column(), 3) << "Tab moved along the row";
    key(Qt::Key_Escape);
    for (const Qt::Key k : {Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}) {
        key(k);
    }
    press(QStringLiteral("1000"));
    key(Qt::Key_Return);
    editor.accept();
    EXPECT_EQ(editor.values().rows[1].pressure, 2000);
    EXPECT_EQ(editor.values().rows[1].quantity, 10);
    EXPECT_EQ(editor.values().rows[1].efficiency, 70);
    EXPECT_EQ(editor.values().rows[2].pressure, 1000) << "Down, then Left to the first column";
}

} // namespace
} // namespace flowmar
