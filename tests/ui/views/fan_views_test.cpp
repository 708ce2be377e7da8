// The two fan grid views in the main window: opened from the View menu and the toolbar, one row
// per fan, Sort Fans from the Fan Input View's Tools menu, and the Fan Results printed to PDF.
#include "core/commands/command_table.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/views/fan_results.h"
#include "support/fake_ui_port.h"
#include "support/no_questions.h"
#include "ui/app/child_frame.h"
#include "ui/app/flowmar_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/shell_questions.h"
#include "ui/grid/grid_control.h"
#include "ui/views/drawing_painter.h"
#include "ui/views/fan_grid_view.h"
#include "ui/views/page_printing.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

#include <algorithm>

namespace flowmar {
namespace {

const QString kExamples = QStringLiteral(FLOWMAR_EXAMPLES);

// Page objects of a PDF: "/Type /Page" not followed by the "s" of the page tree.
int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray pdf = file.readAll();
    const QByteArray key = "/Type /Page";
    int count = 0;
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        const qsizetype next = at + key.size();
        count += next < pdf.size() && pdf[next] == 's' ? 0 : 1;
    }
    return count;
}

int redCircles(const Drawing& page) {
    return static_cast<int>(
        std::count_if(page.primitives().begin(), page.primitives().end(), [](const Primitive& p) {
            const auto* e = std::get_if<Ellipse>(&p);
            return e != nullptr && e->pen.color == Rgb{255, 0, 0};
        }));
}

bool hasText(const Drawing& page, const std::string& text) {
    const std::vector<Text> texts = page.texts();
    return std::any_of(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; });
}

class FanViews : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(frame.openFile(kExamples + QStringLiteral("/boosters.dct")));
    }
    FanGridView* activeFanView() const { return qobject_cast<FanGridView*>(frame.activeView()); }
    QString caption() const {
        const auto* child =
            qobject_cast<CChildFrame*>(frame.mdiArea()->activeSubWindow()->widget());
        return child == nullptr ? QString() : child->caption();
    }

    testing::FakeUiPort port;
    testing::NoQuestions questions;
    CMainFrame frame{&port, &questions};
    QTemporaryDir m_folder;
};

TEST_F(FanViews, FanInputOpensFromTheViewMenuWithOneRowPerFan) {
    QAction* entry = frame.viewMenuEntry(templates::kFanInput);
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
    FanGridView* view = activeFanView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->templateId(), templates::kFanInput);
    EXPECT_EQ(frame.mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Fan Input View"));
    EXPECT_EQ(caption(), QStringLiteral("Fan Input View"));
    const GridControl& grid = view->grid();
    EXPECT_EQ(grid.rowCount(), frame.activeDocument()->fanCount);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.shownText(0, 4), QStringLiteral("Distance (m)"));
    EXPECT_FALSE(grid.cell(1, 1).value.text.empty() && grid.cell(1, 4).value.text.empty());
    EXPECT_FALSE(frame.ductToolBar()->isHidden()) << "the duct toolbar with a fan view";
    EXPECT_FALSE(entry->isVisible()) << "the View menu leaves out the active view";
    // A second View command activates the open view instead of opening another.
    const int frames = static_cast<int>(frame.mdiArea()->subWindowList().size());
    frame.showView(templates::kSummaryOfInput);
    frame.viewMenuEntry(templates::kFanInput)->trigger();
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), frames);
    EXPECT_EQ(frame.activeView(), view);
}

TEST_F(FanViews, FanResultsOpensFromTheViewMenuWithEachFansOperatingPoint) {
    EXPECT_TRUE(frame.commandAction(commands::kFanResults)->isEnabled()) << "its toolbar button";
    frame.viewMenuEntry(templates::kFanResults)->trigger();
    FanGridView* view = activeFanView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->templateId(), templates::kFanResults);
    EXPECT_EQ(caption(), QStringLiteral("Fan Operating Characteristics"));
    const CFlowmarDoc& doc = *frame.activeDocument();
    const GridControl& grid = view->grid();
    ASSERT_EQ(grid.rowCount(), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(grid.shownText(i, 10), QStringLiteral("ON")) << i;
        EXPECT_EQ(grid.shownText(i, 5),
                  QString::number(doc.results.fanPressure[std::size_t(i)] / 1000, 'f', 2))
            << i;
    }
}

TEST_F(FanViews, SortFansRenumbersTheFanInputRowsWithoutMarkingTheModel) {
    CFlowmarDoc& doc = *frame.activeDocument();
    QAction* sort = frame.commandAction(commands::kSortFans);
    EXPECT_FALSE(sort->isVisible()) << "only in the Fan Input View's Tools menu";
    frame.showView(templates::kFanInput);
    ASSERT_TRUE(sort->isVisible());
    ASSERT_TRUE(sort->isEnabled());
    // The first fan moved past the others: sorting makes it fan 3.
    doc.fanDistance[1] = 2999;
    doc.fanModel[1] = "Moved";
    doc.setModifiedFlag(false);
    sort->trigger();
    const GridControl& grid = activeFanView()->grid();
    EXPECT_EQ(grid.shownText(3, 2), QStringLiteral("Moved"));
    EXPECT_EQ(grid.shownText(3, 4), QStringLiteral("2999.0"));
    EXPECT_NE(grid.shownText(1, 2), QStringLiteral("Moved"));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(FanViews, FanResultsPrintAPageForEachCurveFanWithItsChart) {
    frame.showView(templates::kFanResults);
    const QString pdf = m_folder.filePath(QStringLiteral("fan-results.pdf"));
    ASSERT_TRUE(frame.printActive(pdf));
    // A curve fan's block reserves its lines and 200 mm for the chart: one to a page.
    EXPECT_EQ(pdfPageCount(pdf), 3);

    // The pages as that printer lays them out: each fan's block whole, with its chart.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_folder.filePath(QStringLiteral("measure.pdf")));
    QPainter painter(&printer);
    const std::vector<Drawing> pages = fanResultsPages(
        *frame.activeDocument(), printablePageRect(printer), QtTextMetrics(printer));
    painter.end();
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(hasText(pages[p], "Fan Number = " + std::to_string(p + 1))) << p;
        EXPECT_EQ(redCircles(pages[p]), 2) << "the operating point on page " << p + 1;
    }
}

TEST_F(FanViews, FanInputPrintsOnePortraitPageForThreeFans) {
    const QString pdf = m_folder.filePath(QStringLiteral("fan-input.pdf"));
    ASSERT_TRUE(frame.printActive(pdf, templates::kFanInput));
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(frame.activeView()->templateId(), templates::kFanInput);
}

TEST(FanViewsCommandLine, PrintViewWritesTheFanReports) {
    QTemporaryDir folder;
    struct Case {
        const char* view;
        int pages;
    };
    for (const Case& c : {Case{"fan-input", 1}, Case{"fan-results", 3}}) {
        const QString pdf = folder.filePath(QString::fromLatin1(c.view) + QStringLiteral(".pdf"));
        CFlowmarApp app;
        ASSERT_TRUE(app.initInstance(
            {kExamples + QStringLiteral("/boosters.dct"), QStringLiteral("--print-to"), pdf,
             QStringLiteral("--print-view"), QString::fromLatin1(c.view)}));
        EXPECT_EQ(pdfPageCount(pdf), c.pages) << c.view;
    }
    EXPECT_EQ(parseCommandLine({QStringLiteral("m.dct"), QStringLiteral("--print-view"),
                                QStringLiteral("fan-input")})
                  .printView,
              templates::kFanInput);
    EXPECT_FALSE(parseCommandLine({QStringLiteral("m.dct"), QStringLiteral("--print-view"),
                                   QStringLiteral("fans")})
                     .valid);
}

} // namespace
} // namespace flowmar
