// The Fan Curve View's two panes in their frame: the form's lists set the document's choice and
// the chart follows; both panes print one landscape page; the frame opens from the View command
// and prints from the command line.
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/views/fan_curve_chart.h"
#include "core/views/fan_curve_form.h"
#include "support/example_models.h"
#include "support/fake_ui_port.h"
#include "ui/app/flowmar_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/split_frame.h"
#include "ui/views/fan_curve_form_view.h"
#include "ui/views/fan_curve_view.h"
#include "ui/views/page_printing.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace flowmar {
namespace {

using namespace fan_curve_view;
using testing::openExample;

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF: "/Type /Page" not followed by the "s" of the page tree.
int pdfPageCount(const QByteArray& pdf) {
    const QByteArray key = "/Type /Page";
    int count = 0;
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        const qsizetype next = at + key.size();
        count += next < pdf.size() && pdf[next] == 's' ? 0 : 1;
    }
    return count;
}

// Whether every page of the PDF lies on its side: its media box wider than high.
bool landscape(const QByteArray& pdf) {
    const qsizetype at = pdf.indexOf("/MediaBox [");
    if (at < 0) {
        return false;
    }
    const QList<QByteArray> box =
        pdf.mid(at + 11, pdf.indexOf(']', at) - at - 11).simplified().split(' ');
    return box.size() == 4 && box[2].toDouble() > box[3].toDouble();
}

void clickRow(QListWidget& list, int row) {
    QListWidgetItem* item = list.item(row);
    ASSERT_NE(item, nullptr) << "row " << row;
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

bool hasText(const Drawing& d, std::string_view text) {
    const std::vector<Text> texts = d.texts();
    return std::ranges::any_of(texts, [&](const Text& t) { return t.text == text; });
}

class FanCurveFrame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(openExample("boosters.dct", m_doc));
        ASSERT_GE(m_doc.fanCount, 2);
        m_frame = std::make_unique<CSplitFrame>(m_doc);
        m_frame->resize(900, 560);
        m_frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    CFlowmarDoc m_doc;
    std::unique_ptr<CSplitFrame> m_frame;
};

TEST_F(FanCurveFrame, ChoosingAFanAndAKindInTheFormSetsTheDocumentAndRedrawsTheChart) {
    CFanCurveFormView& form = *m_frame->formPane();
    CFanCurveView& chart = *m_frame->chartPane();
    ASSERT_EQ(form.fanList()->count(), m_doc.fanCount);
    EXPECT_EQ(form.fanList()->item(1)->text(), QStringLiteral("Fan Number 2"));
    EXPECT_EQ(form.fanList()->currentRow(), 0) << "a model just opened shows fan 1";
    const QImage before = chart.grab().toImage();
    const QString fanOneQuantity = form.controlText(fan_curve_form::kQuantity);

    clickRow(*form.fanList(), 1);
    EXPECT_EQ(m_doc.curveViewFan, 1);
    EXPECT_NE(form.controlText(fan_curve_form::kQuantity), fanOneQuantity)
        << "the form shows fan 2's operating point";
    clickRow(*form.kindList(), kPressurePowerQuantity);
    EXPECT_EQ(form.kindList()->item(kPressurePowerQuantity)->text(),
              QStringLiteral("Pressure-Power-Quantity"));
    EXPECT_EQ(m_doc.curveViewKind, kPressurePowerQuantity);

    QApplication::processEvents();
    const Drawing drawn = chart.chart();
    EXPECT_TRUE(hasText(drawn, kPowerLegend)) << "the power points of the third kind";
    EXPECT_TRUE(hasText(drawn, kPressureLegend));
    EXPECT_NE(chart.grab().toImage(), before) << "the chart pane was painted afresh";
    EXPECT_EQ(m_frame->view(), &form) << "the pane clicked in is the active one";
}

TEST_F(FanCurveFrame, PanesStartAtHalfTheWidthAndTheCaptionIsFanCurves) {
    const QList<int> sizes = m_frame->splitter()->sizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_LE(std::abs(sizes[0] - sizes[1]), m_frame->splitter()->handleWidth() + 1);
    EXPECT_EQ(m_frame->caption(), QStringLiteral("Fan Curves"));
    EXPECT_EQ(m_frame->views().size(), 2U);
}

TEST_F(FanCurveFrame, FormBoxesAreWideEnoughForTheirValues) {
    CFanCurveFormView& form = *m_frame->formPane();
    for (const int id :
         {fan_curve_form::kDistance, fan_curve_form::kQuantity, fan_curve_form::kPressure,
          fan_curve_form::kInputPower, fan_curve_form::kManufacturer}) {
        QLineEdit* box = form.box(id);
        ASSERT_FALSE(box->text().isEmpty()) << id;
        EXPECT_LT(box->fontMetrics().horizontalAdvance(box->text()), box->width() - 6) << id;
    }
}

TEST_F(FanCurveFrame, EachPanePrintsOneLandscapePage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (DuctView* pane : m_frame->views()) {
        const QString path =
            folder.filePath(QStringLiteral("pane-%1.pdf").arg(pane == m_frame->chartPane()));
        ASSERT_TRUE(printToPdf(*pane, path));
        const QByteArray pdf = readFile(path);
        EXPECT_EQ(pdfPageCount(pdf), 1);
        EXPECT_TRUE(landscape(pdf));
        EXPECT_TRUE(pdf.contains("/FontFile")) << "the page has text";
    }
}

TEST(FanCurveViewCommand, OpensOneSplitFrameAndPrintsTheChartPaneFromTheCommandLine) {
    testing::FakeUiPort port;
    CMainFrame frame(&port);
    ASSERT_TRUE(frame.openFile(QStringLiteral(FLOWMAR_EXAMPLES "/boosters.dct")));
    ASSERT_TRUE(frame.showView(templates::kFanCurve));
    ASSERT_NE(qobject_cast<CSplitFrame*>(frame.mdiArea()->activeSubWindow()->widget()), nullptr);
    EXPECT_EQ(frame.mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Fan Curve View"));
    ASSERT_TRUE(frame.showView(templates::kSummaryOfInput));
    ASSERT_TRUE(frame.showView(templates::kFanCurve));
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2) << "the second time activates the first";

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("fan-curve.pdf"));
    CFlowmarApp app;
    ASSERT_TRUE(app.initInstance({QStringLiteral(FLOWMAR_EXAMPLES "/forcing-one-fan.dct"),
                                  QStringLiteral("--print-to"), pdf, QStringLiteral("--print-view"),
                                  QStringLiteral("fan-curve")}));
    const QByteArray bytes = readFile(pdf);
    EXPECT_EQ(pdfPageCount(bytes), 1);
    EXPECT_TRUE(landscape(bytes));
}

} // namespace
} // namespace flowmar
