// flowmar-screenshots DIR EXAMPLES...: saves what a person sees, for review: the main window with
// each example model's views, every dialog, and each printed page as PDF (scripts/screenshots
// turns the PDFs into PNGs). It asserts nothing about pixels.
#include "core/input/fixed_quantity_values.h"
#include "core/input/graph_options.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/fan_curve_chart.h"
#include "ui/app/main_frame.h"
#include "ui/app/split_frame.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/dialog_fan_number.h"
#include "ui/dialogs/fixed_quantity_dialog.h"
#include "ui/dialogs/graph_trends_dialog.h"
#include "ui/dialogs/notepad_dialog.h"
#include "ui/dialogs/select_units_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/views/graph_view.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QStandardPaths>

#include <cstdio>

namespace {

void save(QWidget& widget, const QDir& dir, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    widget.grab().save(path);
    std::printf("%s\n", qPrintable(path));
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
        frame.showView(flowmar::templates::kSummaryOfResults);
        frame.showView(flowmar::templates::kGraph);
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
        saveFanCurveViews(frame, dir, name);
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
    flowmar::AboutDialog about;
    save(about, dir, QStringLiteral("dialog-about"));
    flowmar::SplashWindow::setEnabled(true);
    QPixmap splash = flowmar::splashPicture();
    splash.save(dir.filePath(QStringLiteral("splash.png")));
    return 0;
}
