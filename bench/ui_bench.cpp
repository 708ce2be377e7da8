// The desktop program on the offscreen platform: start-up until the main window is shown, and
// opening an example model until both summaries are filled.
#include "core/model/document_templates.h"
#include "support/no_questions.h"
#include "ui/app/main_frame.h"
#include "ui/app/shell_questions.h"
#include "ui/dialogs/splash_window.h"

#include <QApplication>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace flowmar {
namespace {

const QString kExample = QStringLiteral(FLOWMAR_EXAMPLES "/zones-and-losses.dct");

void BM_StartUpToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        CMainFrame frame;
        frame.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(frame.isVisible());
    }
}

void BM_OpenModelUntilBothSummariesAreFilled(benchmark::State& state) {
    testing::NoQuestions questions; // the executed model closes between runs unsaved
    CMainFrame frame(nullptr, &questions);
    frame.show();
    QApplication::processEvents();
    for (auto _ : state) {
        const bool opened =
            frame.openFile(kExample) && frame.showView(templates::kSummaryOfResults);
        QApplication::processEvents();
        benchmark::DoNotOptimize(opened);
        state.PauseTiming();
        frame.closeActiveDocument();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenModelUntilBothSummariesAreFilled)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace flowmar

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    flowmar::SplashWindow::setEnabled(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
