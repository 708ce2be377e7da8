#include "core/model/flowmar_doc.h"
#include "support/example_models.h"
#include "ui/views/form_id_view.h"
#include "ui/views/form_results_view.h"
#include "ui/views/page_printing.h"

#include <QByteArray>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace flowmar {
namespace {

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

class PrintToPdf : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", m_doc));
    }
    QString path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_folder;
    CFlowmarDoc m_doc;
};

TEST_F(PrintToPdf, EachSummaryIsOnePageWithText) {
    CFormID input(m_doc);
    CFormResults results(m_doc);
    ASSERT_TRUE(printToPdf(input, path("input.pdf")));
    ASSERT_TRUE(printToPdf(results, path("results.pdf")));
    for (const char* name : {"input.pdf", "results.pdf"}) {
        const QByteArray pdf = readFile(path(name));
        EXPECT_TRUE(pdf.startsWith("%PDF-")) << name;
        EXPECT_EQ(pdfPageCount(pdf), 1) << name;
        EXPECT_TRUE(pdf.contains("/FontFile")) << name << ": no text was drawn";
    }
}

TEST_F(PrintToPdf, FailsWhenTheFileCannotBeWritten) {
    CFormID input(m_doc);
    EXPECT_FALSE(printToPdf(input, path("no-such-folder/input.pdf")));
    EXPECT_FALSE(printToPdf(Drawing(Extent{0, 0, 100, -100}, 254), path("no-such-folder/d.pdf")));
}

TEST_F(PrintToPdf, DrawingIsOnePage) {
    Drawing chart(Extent{0, 0, 800, -600});
    chart.addLine({0, 0}, {800, -600});
    ASSERT_TRUE(printToPdf(chart, path("chart.pdf"), QPageLayout::Landscape));
    EXPECT_EQ(pdfPageCount(readFile(path("chart.pdf"))), 1);
}

TEST_F(PrintToPdf, SummariesPrintInPortraitWhateverThePrintSetupSays) {
    CFormResults results(m_doc);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("landscape.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);
    results.print(printer);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(pdfPageCount(readFile(path("landscape.pdf"))), 1);
}

TEST(PrintOnePage, LaysOutThePrintableAreaInTenthMillimetresWithThePrintersMetrics) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter);

    std::optional<PageRect> laidOut;
    std::optional<int> lineHeight;
    ASSERT_TRUE(printOnePage(
        printer, QPageLayout::Portrait, [&](const PageRect& page, const TextMetrics& metrics) {
            laidOut = page;
            lineHeight = reportTextHeight(metrics);
            return Drawing(Extent{page.left, page.top, page.right, page.bottom},
                           kTenthMillimetresPerInch);
        }));
    ASSERT_TRUE(laidOut.has_value());
    // A4 less the margins: 190 mm x 267 mm, the origin at its top-left corner, y up; exactly the
    // device's printable pixels, which Qt rounds from points to within half a millimetre.
    EXPECT_EQ(laidOut->left, 0);
    EXPECT_EQ(laidOut->top, 0);
    EXPECT_NEAR(laidOut->right, printer.width() * 254.0 / printer.logicalDpiX(), 1);
    EXPECT_NEAR(laidOut->bottom, -printer.height() * 254.0 / printer.logicalDpiY(), 1);
    EXPECT_NEAR(laidOut->right, 1900, 5);
    EXPECT_NEAR(laidOut->bottom, -2670, 5);
    // 10 points of Liberation Sans: a cell of 1.15 em, about 4 mm.
    ASSERT_TRUE(lineHeight.has_value());
    EXPECT_NEAR(*lineHeight, 39, 1);
}

} // namespace
} // namespace flowmar
