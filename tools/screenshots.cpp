// flowmar-screenshots DIR EXAMPLES...: saves what a person sees, for review: the main window with
// each example model's views, every dialog, and each printed page as PDF (scripts/screenshots
// turns the PDFs into PNGs). It asserts nothing about pixels.
#include "core/commands/command_table.h"
#include "core/commands/document_commands.h"
#include "core/fans/add_fan_dialog.h"
#include "core/fans/curve_editor.h"
#include "core/fans/fan_curve_units.h"
#include "core/fans/fan_database_doc.h"
#include "core/fans/select_fan.h"
#include "core/files/fdb_file.h"
#include "core/input/duct_details_values.h"
#include "core/input/fixed_quantity_values.h"
#include "core/input/graph_options.h"
#include "core/input/shock_loss_pages.h"
#include "core/input/shock_loss_values.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "core/views/fan_curve_chart.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_settings.h"
#include "ui/app/split_frame.h"
#include "ui/core_text.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/design_criteria_dialog.h"
#include "ui/dialogs/dialog_add_fan.h"
#include "ui/dialogs/dialog_fan_database.h"
#include "ui/dialogs/dialog_fan_number.h"
#include "ui/dialogs/dialog_preset_k_factor.h"
#include "ui/dialogs/dialog_recovery.h"
#include "ui/dialogs/dialog_select_fan.h"
#include "ui/dialogs/diameter_preset.h"
#include "ui/dialogs/fixed_quantity_dialog.h"
#include "ui/dialogs/graph_trends_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/notepad_dialog.h"
#include "ui/dialogs/select_units_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/dialogs/study_dialog.h"
#include "ui/sheets/duct_prop_sheet.h"
#include "ui/sheets/shock_loss_sheet.h"
#include "ui/views/design_checks_view.h"
#include "ui/views/fan_input_view.h"
#include "ui/views/fan_view.h"
#include "ui/views/graph_view.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>

#include <cstdio>
#include <tuple>
#include <vector>

namespace {

void save(QWidget& widget, const QDir& dir, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    widget.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

// Every page of the Shock Loss Details sheet with the model's rows, in SI and in Imperial units:
// "shock-losses-imperial-2.png" is the second tab.
void saveShockLossPages(flowmar::CFlowmarDoc& doc, const QDir& dir) {
    const int unitSystem = doc.unitSystem;
    for (const int units : {flowmar::kSI, flowmar::kImperial}) {
        doc.unitSystem = units;
        flowmar::CShockLossSheet sheet(flowmar::shockLossesFromDocument(doc));
        const QString system =
            units == flowmar::kSI ? QStringLiteral("si") : QStringLiteral("imperial");
        for (int page = 0; page < sheet.tabs()->count(); ++page) {
            sheet.tabs()->setCurrentIndex(page);
            save(sheet, dir, QStringLiteral("shock-losses-%1-%2").arg(system).arg(page + 1));
        }
    }
    doc.unitSystem = unitSystem;
}

// Each tab of the Duct Details sheet of a new model in one unit system, and the preset dialogs
// its Resistance page opens.
void saveDuctDetails(flowmar::UiPort& port, int unitSystem, const QDir& dir) {
    flowmar::CFlowmarDoc doc;
    doc.ductLength = 1000;
    doc.ductDiameter = 0.762;
    doc.frictionFactor = 0.0035;
    doc.diameterPresetIndex = 1;
    if (unitSystem == flowmar::kImperial) {
        flowmar::applyImperialDefaults(doc);
    }
    doc.zoneStart[1] = 0;
    doc.zoneEnd[1] = 400;
    doc.zoneDiameter[1] = 0.762;
    doc.zoneFrictionFactor[1] = 0.0035;
    doc.zoneLeakageResistance100[1] = 20000;
    doc.zoneStart[2] = 400;
    doc.zoneEnd[2] = 1000;
    doc.zoneDiameter[2] = 0.9;
    doc.zoneFrictionFactor[2] = 0.003;
    doc.zoneLeakageResistance100[2] = 35000;
    const flowmar::DuctDetailsValues values = flowmar::ductDetailsFromDocument(doc);
    const QString units =
        unitSystem == flowmar::kImperial ? QStringLiteral("imperial") : QStringLiteral("si");
    flowmar::CDuctPropSheet sheet(values, port);
    const QStringList pages{QStringLiteral("resistance"), QStringLiteral("leakage"),
                            QStringLiteral("zones"), QStringLiteral("general")};
    for (int page = 0; page < pages.size(); ++page) {
        sheet.tabs()->setCurrentIndex(page);
        save(sheet, dir, QStringLiteral("sheet-duct-details-%1-%2").arg(pages[page], units));
    }
    sheet.hide();
    flowmar::CDiameterPreset diameters(flowmar::defaultDiameterPresets(unitSystem));
    save(diameters, dir, QStringLiteral("dialog-preset-diameter-%1").arg(units));
    flowmar::CDialogPresetKFactor kFactors(values.ductTypeNames,
                                           flowmar::defaultFrictionFactorPresets(unitSystem));
    save(kFactors, dir, QStringLiteral("dialog-preset-k-factor-%1").arg(units));
}

// The Fan Curve View of a model with fan-mode results: every fan, each curve kind, in SI and in
// Imperial units, and the chart pane's printed page in both.
void saveFanCurveViews(flowmar::CMainFrame& frame, const QDir& dir, const QString& name) {
    flowmar::CFlowmarDoc& doc = *frame.activeDocument();
    if (doc.fanCount == 0 || doc.results.boosterPressure != 0.0) {
        return;
    }
    const int units = doc.unitSystem;
    const QStringList kinds{QStringLiteral("pq"), QStringLiteral("wq"), QStringLiteral("pwq")};
    flowmar::CSplitFrame split(doc);
    split.resize(860, 600);
    for (const int system : {flowmar::kSI, flowmar::kImperial}) {
        const QString unitName =
            system == flowmar::kSI ? QStringLiteral("si") : QStringLiteral("imperial");
        doc.unitSystem = system;
        for (int fan = 0; fan < doc.fanCount; ++fan) {
            for (int kind = 0; kind < 3; ++kind) {
                doc.curveViewFan = fan;
                doc.curveViewKind = kind;
                doc.updateAllViews();
                save(split, dir,
                     QStringLiteral("%1-fancurve-fan%2-%3-%4")
                         .arg(name)
                         .arg(fan + 1)
                         .arg(kinds[kind], unitName));
            }
        }
        doc.curveViewFan = 0;
        doc.curveViewKind = flowmar::fan_curve_view::kPressurePowerQuantity;
        doc.updateAllViews();
        frame.printActive(dir.filePath(QStringLiteral("%1-page-%2-%3.pdf")
                                           .arg(name)
                                           .arg(flowmar::templates::kFanCurve)
                                           .arg(unitName)),
                          flowmar::templates::kFanCurve);
    }
    split.hide();
    doc.unitSystem = units;
    doc.curveViewKind = 0;
    doc.updateAllViews();
    // And as a person opens it: in its frame among the model's other windows.
    frame.showView(flowmar::templates::kFanCurve);
    save(frame, dir, name + QStringLiteral("-window-fancurve"));
}

// The fan dialogs empty and filled with the example database's second fan, in SI and Imperial; a
// refused curve with its message; Select Fan over the example database; and the database's window
// with its printed list.
void saveFanWindows(flowmar::UiPort& port, const QString& fanDatabase, const QDir& dir) {
    const flowmar::FanDatabaseFileRead read =
        flowmar::readFanDatabaseFile(fanDatabase.toStdString());
    if (!read.ok()) {
        std::fprintf(stderr, "%s\n", read.error.c_str());
        return;
    }
    const flowmar::CFanDatabaseDoc& db = *read.document;
    for (const int unitSystem : {flowmar::kSI, flowmar::kImperial}) {
        const QString units =
            unitSystem == flowmar::kSI ? QStringLiteral("si") : QStringLiteral("imperial");
        flowmar::AddFanValues fan;
        fan.unitSystem = unitSystem;
        flowmar::CDialogAddFan emptyFan(fan, port);
        save(emptyFan, dir, QStringLiteral("dialog-add-fan-empty-%1").arg(units));
        flowmar::CDialogFanDatabase emptyEditor(flowmar::openCurveEditor({}, unitSystem), port);
        save(emptyEditor, dir, QStringLiteral("dialog-fan-curve-empty-%1").arg(units));

        fan.curve = flowmar::curveToShown(db.fans[2], unitSystem);
        fan.distance = unitSystem == flowmar::kSI ? 250 : 820.21;
        flowmar::CDialogAddFan filledFan(fan, port);
        save(filledFan, dir, QStringLiteral("dialog-add-fan-filled-%1").arg(units));
        flowmar::CDialogFanDatabase filledEditor(flowmar::openCurveEditor(fan.curve, unitSystem),
                                                 port);
        save(filledEditor, dir, QStringLiteral("dialog-fan-curve-filled-%1").arg(units));
    }

    // Quantities that fall with the pressure: the editor comes back with the rows as typed.
    flowmar::CurveEditorValues refused;
    refused.manufacturer = "Quarrystone Air";
    refused.model = "AF-900";
    refused.curveDensity = 1.2;
    refused.rows[1] = {1700, 8, 75, 0};
    refused.rows[2] = {3500, 14, 60, 0};
    refused.rows[4] = {800, 17, 62, 0};
    flowmar::reopenCurveEditor(refused);
    flowmar::CDialogFanDatabase refusedEditor(refused, port);
    save(refusedEditor, dir, QStringLiteral("dialog-fan-curve-refused"));
    QMessageBox message(QMessageBox::Warning, QStringLiteral("Flowmar"),
                        flowmar::coreText(flowmar::messages::kCurveSequence), QMessageBox::Ok);
    save(message, dir, QStringLiteral("dialog-fan-curve-refused-message"));

    flowmar::SelectFanValues select;
    for (int i = 1; i <= db.fanCount; ++i) {
        select.manufacturer[i] = db.fans[i].manufacturer;
        select.model[i] = db.fans[i].model;
        select.setting[i] = db.fans[i].setting;
    }
    select.fanNumber = 2;
    flowmar::CDialogSelectFan selectFan(select, port);
    save(selectFan, dir, QStringLiteral("dialog-select-fan"));

    flowmar::CMainFrame frame;
    frame.resize(1000, 600);
    // Shown first, as the program is, so the database's window takes the size its columns need.
    frame.show();
    QApplication::processEvents();
    if (frame.openFile(fanDatabase)) {
        save(frame, dir, QStringLiteral("fan-database-window"));
        frame.printActive(dir.filePath(QStringLiteral("fan-database-pages.pdf")));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: flowmar-screenshots DIR EXAMPLE.dct...\n");
        return 2;
    }
    const QDir dir(arguments[0]);
    flowmar::SplashWindow::setEnabled(false);

    for (const QString& model : arguments.mid(1)) {
        const QString name = QFileInfo(model).completeBaseName();
        flowmar::CMainFrame frame;
        frame.resize(1280, 860);
        if (!frame.openFile(model)) {
            continue;
        }
        // The example with rows on every page of the sheet.
        if (name == QStringLiteral("zones-and-losses")) {
            saveShockLossPages(*frame.activeDocument(), dir);
        }
        frame.showView(flowmar::templates::kSummaryOfResults);
        frame.showView(flowmar::templates::kGraph);
        QApplication::processEvents();
        frame.mdiArea()->tileSubWindows();
        save(frame, dir, name + QStringLiteral("-window"));
        // The Graph View alone at two window sizes: the picture fills whatever it is given.
        for (const QSize size : {QSize(800, 600), QSize(1400, 800)}) {
            flowmar::CGraphView graph(*frame.activeDocument());
            graph.resize(size);
            save(graph, dir,
                 QStringLiteral("%1-graph-%2x%3").arg(name).arg(size.width()).arg(size.height()));
        }
        for (const int view : {flowmar::templates::kSummaryOfInput,
                               flowmar::templates::kSummaryOfResults, flowmar::templates::kGraph}) {
            frame.printActive(dir.filePath(QStringLiteral("%1-page-%2.pdf").arg(name).arg(view)),
                              view);
        }
        // The two fan grids, in the window beside the summaries and alone, and their printed
        // pages (several when the fans need them).
        frame.showView(flowmar::templates::kFanInput);
        frame.showView(flowmar::templates::kFanResults);
        frame.mdiArea()->tileSubWindows();
        save(frame, dir, name + QStringLiteral("-window-fans"));
        {
            flowmar::CFanInputView input(*frame.activeDocument());
            input.resize(900, 260);
            save(input, dir, name + QStringLiteral("-fan-input"));
            flowmar::CFanView results(*frame.activeDocument());
            results.resize(1000, 260);
            save(results, dir, name + QStringLiteral("-fan-results"));
        }
        frame.printActive(dir.filePath(name + QStringLiteral("-fan-input-pages.pdf")),
                          flowmar::templates::kFanInput);
        frame.printActive(dir.filePath(name + QStringLiteral("-fan-results-pages.pdf")),
                          flowmar::templates::kFanResults);
        saveFanCurveViews(frame, dir, name);
        // What the design checks find, and the Graph View with the flagged stretches shaded.
        {
            flowmar::CDesignChecksView checks(*frame.activeDocument());
            checks.resize(1100, 240);
            save(checks, dir, name + QStringLiteral("-design-checks"));
            flowmar::program_settings::setShadeDesignRanges(true);
            flowmar::CGraphView graph(*frame.activeDocument());
            graph.resize(1000, 700);
            save(graph, dir, name + QStringLiteral("-graph-shaded"));
            flowmar::program_settings::setShadeDesignRanges(false);
        }
        // A length study of the model with a requirement below what it delivers today.
        {
            const flowmar::CFlowmarDoc& doc = *frame.activeDocument();
            const double face = doc.results.branchFlow[2 * std::size_t(doc.segmentCount)];
            flowmar::StudyDialog study(doc, face * 0.9, frame.port());
            if (study.run()) {
                study.waitForResults();
                save(study, dir, name + QStringLiteral("-study"));
            }
        }
    }

    // Two models side by side, tiled; a split Summary of Results; the Graph View shrunk small;
    // the Window menu's list; the help window.
    if (arguments.size() >= 3) {
        flowmar::CMainFrame two;
        two.resize(1280, 860);
        two.show();
        two.openFile(arguments[1]);
        two.openFile(arguments[2]);
        two.showView(flowmar::templates::kGraph);
        QApplication::processEvents();
        two.mdiArea()->tileSubWindows();
        QApplication::processEvents();
        save(two, dir, QStringLiteral("two-models-tiled"));
        two.showView(flowmar::templates::kSummaryOfResults);
        two.commandAction(flowmar::commands::kSplit)->trigger();
        two.mdiArea()->currentSubWindow()->showMaximized();
        QApplication::processEvents();
        save(two, dir, QStringLiteral("split-summary-of-results"));
        two.commandAction(flowmar::commands::kSplit)->trigger();
        two.showView(flowmar::templates::kGraph);
        QMdiSubWindow* graph = two.mdiArea()->currentSubWindow();
        graph->showNormal();
        graph->resize(150, 120);
        QApplication::processEvents();
        save(*graph, dir, QStringLiteral("graph-view-150x120"));
        QMenu windowMenu;
        for (QAction* action : two.windowListActions()) {
            windowMenu.addAction(action);
        }
        windowMenu.adjustSize();
        save(windowMenu, dir, QStringLiteral("window-list"));
        two.commandAction(flowmar::commands::kHelpContents)->trigger();
        if (QWidget* help = two.helpWindow()) {
            QApplication::processEvents();
            save(*help, dir, QStringLiteral("help-window"));
        }
    }

    flowmar::CMainFrame empty;
    empty.resize(1000, 700);
    save(empty, dir, QStringLiteral("empty-window"));
    flowmar::SelectUnitsDialog units(flowmar::kSI);
    save(units, dir, QStringLiteral("dialog-select-units"));
    flowmar::NotepadDialog notepad(QStringLiteral("Development heading, forcing duct of 1 km."),
                                   empty.port());
    save(notepad, dir, QStringLiteral("dialog-notepad"));
    flowmar::FixedQuantityValues values;
    values.fixedQuantity = 8;
    flowmar::FixedQuantityDialog fixedQuantity(values, empty.port());
    save(fixedQuantity, dir, QStringLiteral("dialog-fixed-quantity"));
    flowmar::CDialogFanNumber fanNumber(QStringLiteral("Delete Fan"), 0, empty.port());
    save(fanNumber, dir, QStringLiteral("dialog-delete-fan"));
    flowmar::CGraphDlg graphTrends(flowmar::GraphOptions{});
    save(graphTrends, dir, QStringLiteral("dialog-graph-trends"));
    for (const int unitSystem : {flowmar::kSI, flowmar::kImperial}) {
        saveDuctDetails(empty.port(), unitSystem, dir);
    }
    flowmar::DesignCriteria criteria;
    criteria.requiredFaceQuantity = 18;
    flowmar::DesignCriteriaDialog criteriaDialog(criteria, flowmar::kSI, empty.port());
    save(criteriaDialog, dir, QStringLiteral("dialog-design-criteria"));
    flowmar::AboutDialog about;
    save(about, dir, QStringLiteral("dialog-about"));
    saveFanWindows(empty.port(),
                   QFileInfo(arguments[1]).dir().filePath(QStringLiteral("fan-database.fdb")), dir);
    // The start-up offer after a program was killed: a model with a file, a new model and a fan
    // database, as the keeper's notes name them.
    std::vector<flowmar::RecoveryRow> recoveryRows;
    for (const auto& [file, title, kind, savedAt] :
         {std::tuple{"/home/mine/ducts/heading-3-north.dct", "heading-3-north.dct",
                     flowmar::RecoveryKind::DuctModel, 1'781'000'000},
          std::tuple{"", "DuctData2", flowmar::RecoveryKind::DuctModel, 1'781'000'400},
          std::tuple{"/home/mine/fans/site-fans.fdb", "site-fans.fdb",
                     flowmar::RecoveryKind::FanDatabase, 1'780'990'000}}) {
        recoveryRows.push_back(
            flowmar::recoveryRow({{}, {}, file, title, kind, std::int64_t{savedAt}, {}}));
    }
    flowmar::DialogRecovery recovery(recoveryRows);
    recovery.actionBox(2)->setCurrentIndex(1);
    save(recovery, dir, QStringLiteral("dialog-recovery"));
    flowmar::SplashWindow::setEnabled(true);
    QPixmap splash = flowmar::splashPicture();
    splash.save(dir.filePath(QStringLiteral("splash.png")));
    return 0;
}
