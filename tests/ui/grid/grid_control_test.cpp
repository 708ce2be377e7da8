#include "ui/grid/grid_control.h"
#include "ui/grid/grid_printer.h"
#include "ui/grid/grid_table_view.h"

#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <ostream>

// Failures show texts, not their UTF-16 units.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace flowmar {
namespace {

constexpr Rgb kGrey = GridStyle::readOnlyGrey();

QModelIndex indexOf(GridControl& grid, int row, int column) {
    return grid.view().model()->index(row - 1, column - 1);
}

// Types the text into the cell as a person does: the first key opens the cell's editor (when the
// cell has one), the rest go to the editor, Return confirms. Returns whether an editor opened.
bool typeIntoCell(GridControl& grid, int row, int column, const QString& text,
                  bool confirm = true) {
    GridTableView& view = grid.view();
    view.setCurrentIndex(indexOf(grid, row, column));
    QTest::keyClicks(&view, text.left(1));
    QWidget* editor = view.indexWidget(view.currentIndex());
    if (!editor) {
        return false;
    }
    QTest::keyClicks(editor, text.mid(1));
    if (confirm) {
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate hands the text over and closes the editor from the event loop.
        QCoreApplication::processEvents();
        EXPECT_EQ(view.indexWidget(view.currentIndex()), nullptr) << "the editor stayed open";
    }
    return true;
}

// The pages of a PDF file, counted by its page objects.
int pdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

// The curve editor's grid as its dialog fills it: 15 points, pressure with 3 decimals, quantity
// and efficiency with 1, a read-only grey fan-input-power column, and a drop-down column in place
// of nothing the editor has, so that both kinds of cell sit side by side.
class CurveEditorGrid : public ::testing::Test {
protected:
    void SetUp() override {
        grid.setUndoRecording(false);
        grid.setRowCount(15);
        grid.setColumnCount(5);
        grid.applyStyle(1, 1, 15, 4, GridStyle().setAlignment(GridAlignment::Right).setDecimals(1));
        grid.applyStyle(1, 1, 15, 1, GridStyle().setDecimals(3));
        grid.applyStyle(1, 5, 15, 5, GridStyle().setDropDownList("45\n90\n135\n180"));
        const char* headers[] = {"Point", "P (Pa)", "Q (m³/s)", "Eff (%)", "FIP (kW)", "Angle"};
        for (int column = 0; column <= 5; ++column) {
            grid.setHeaderText(column, QString::fromUtf8(headers[column]));
        }
        grid.setColumnWidths(1, 5, 57);
        for (int row = 1; row <= 15; ++row) {
            grid.setValue(row, 1, 1000.0 - 50 * row);
            grid.setValue(row, 2, 10.0 + row);
            grid.setValue(row, 3, 70.0);
            grid.setValue(row, 4, 0.0);
        }
        grid.setReadOnlyLock(false);
        grid.applyStyle(1, 4, 15, 4, GridStyle().setReadOnly().setInterior(kGrey));
        grid.setReadOnlyLock(true);
        grid.setUndoRecording(true);
    }

    void showGrid() {
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    GridControl grid;
};

TEST_F(CurveEditorGrid, HeaderRowAndRowNumbers) {
    QAbstractItemModel& model = *grid.view().model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "P (Pa)");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString(), "FIP (kW)");
    EXPECT_EQ(grid.shownText(0, 0), "Point");
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(model.headerData(row - 1, Qt::Vertical).toString(), QString::number(row));
    }
    // A text the program writes in the header column replaces that row's number only.
    grid.setValue(3, 0, QStringLiteral("Max"));
    EXPECT_EQ(model.headerData(2, Qt::Vertical).toString(), "Max");
    EXPECT_EQ(model.headerData(3, Qt::Vertical).toString(), "4");
    // The header column is wide enough for the corner text, which no header view sizes itself to.
    EXPECT_GE(grid.columnPixelWidth(0), grid.fontMetrics().horizontalAdvance("Point"));
}

TEST_F(CurveEditorGrid, HeaderAlignmentAppliesToTheHeaderRow) {
    grid.applyStyle(0, 1, 0, 2, GridStyle().setAlignment(GridAlignment::Left));
    const auto alignment = [this](int section) {
        return Qt::Alignment(grid.view()
                                 .model()
                                 ->headerData(section, Qt::Horizontal, Qt::TextAlignmentRole)
                                 .toInt());
    };
    EXPECT_TRUE(alignment(0) & Qt::AlignLeft);
    EXPECT_TRUE(alignment(1) & Qt::AlignLeft);
    EXPECT_TRUE(alignment(2) & Qt::AlignHCenter);
}

TEST(GridControl, AStyleReachesEveryCellOfItsRangeAndNoOther) {
    GridControl grid;
    grid.setRowCount(6);
    grid.setColumnCount(5);
    const GridStyle style = GridStyle()
                                .setAlignment(GridAlignment::Right)
                                .setDecimals(2)
                                .setReadOnly()
                                .setInterior(kGrey)
                                .setDropDownList("a\nb")
                                .setValue(1.5);
    ASSERT_TRUE(grid.applyStyle(2, 2, 4, 3, style));
    QAbstractItemModel& model = *grid.view().model();
    for (int row = 0; row <= 6; ++row) {
        for (int column = 0; column <= 5; ++column) {
            SCOPED_TRACE(testing::Message() << "cell (" << row << ", " << column << ")");
            const bool inside = row >= 2 && row <= 4 && column >= 2 && column <= 3;
            const GridCell cell = grid.cell(row, column);
            EXPECT_EQ(cell.alignment.has_value(), inside);
            EXPECT_EQ(cell.decimals.has_value(), inside);
            EXPECT_EQ(cell.readOnly, inside);
            EXPECT_EQ(cell.interior.has_value(), inside);
            EXPECT_EQ(cell.kind == GridCellKind::DropDownList, inside);
            EXPECT_EQ(cell.value.text, inside ? "1.5" : "");
            if (row > 0 && column > 0) {
                // What the view shows of the cell, one row and one column down from the model's.
                const QModelIndex index = indexOf(grid, row, column);
                EXPECT_EQ(model.data(index).toString(), inside ? "1.50" : "");
                EXPECT_EQ(model.data(index, Qt::BackgroundRole).isValid(), inside);
                EXPECT_EQ(bool(model.flags(index) & Qt::ItemIsEditable), !inside);
            }
        }
    }
}

TEST_F(CurveEditorGrid, AReadOnlyCellRefusesTyping) {
    showGrid();
    EXPECT_FALSE(typeIntoCell(grid, 2, 4, "42"));
    EXPECT_EQ(grid.valueText(2, 4), "0");
    EXPECT_FALSE(grid.enterText(2, 4, "42"));
    EXPECT_EQ(grid.valueText(2, 4), "0");
    // The cell beside it takes the same keys, replacing what it held.
    EXPECT_TRUE(typeIntoCell(grid, 2, 3, "42"));
    EXPECT_EQ(grid.valueText(2, 3), "42");
    EXPECT_EQ(grid.shownText(2, 3), "42.0");
}

TEST_F(CurveEditorGrid, TheProgramWritesAReadOnlyCellOnlyWithTheLockOff) {
    EXPECT_FALSE(grid.setValue(5, 4, 3.5));
    EXPECT_EQ(grid.valueText(5, 4), "0");
    // With the lock on, the cell keeps its whole style too, read-only part included.
    EXPECT_FALSE(grid.applyStyle(5, 4, 5, 4, GridStyle().setReadOnly(false)));
    EXPECT_TRUE(grid.cell(5, 4).readOnly);

    grid.setReadOnlyLock(false);
    EXPECT_TRUE(grid.setValue(5, 4, 3.5));
    grid.setReadOnlyLock(true);
    EXPECT_EQ(grid.valueText(5, 4), "3.5");
    EXPECT_EQ(grid.shownText(5, 4), "3.5");
    // A person still cannot type there while the lock is off.
    grid.setReadOnlyLock(false);
    EXPECT_FALSE(grid.enterText(5, 4, "1"));
    EXPECT_EQ(grid.valueText(5, 4), "3.5");
}

TEST_F(CurveEditorGrid, ADropDownCellIsEditedWithItsChoicesOnly) {
    showGrid();
    const QModelIndex index = indexOf(grid, 2, 5);
    grid.view().setCurrentIndex(index);
    grid.view().edit(index);
    auto* combo = qobject_cast<QComboBox*>(grid.view().indexWidget(index));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    EXPECT_EQ(items, QStringList({"45", "90", "135", "180"}));
    combo->setCurrentIndex(2);
    QTest::keyClick(combo, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.view().indexWidget(index), nullptr);
    EXPECT_EQ(grid.valueText(2, 5), "135");
}

TEST_F(CurveEditorGrid, PastingRefusesWhatACellCannotTake) {
    showGrid();
    GridTableView& view = grid.view();
    view.setCurrentIndex(indexOf(grid, 3, 5));
    QApplication::clipboard()->setText("60");
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid.valueText(3, 5), "");
    QApplication::clipboard()->setText("180");
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid.valueText(3, 5), "180");

    // A block pasted over a read-only column fills the cells beside it and leaves that one.
    view.setCurrentIndex(indexOf(grid, 1, 3));
    QApplication::clipboard()->setText("55\t9.5\n66\t8.5\n");
    QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid.valueText(1, 3), "55");
    EXPECT_EQ(grid.valueText(2, 3), "66");
    EXPECT_EQ(grid.valueText(1, 4), "0");
    EXPECT_EQ(grid.valueText(2, 4), "0");
}

TEST_F(CurveEditorGrid, AValueStillBeingTypedIsReadBack) {
    showGrid();
    ASSERT_TRUE(typeIntoCell(grid, 6, 2, "77", false));
    EXPECT_EQ(grid.valueText(6, 2), "77");
    EXPECT_EQ(grid.number(6, 2), 77);
}

TEST_F(CurveEditorGrid, AFillWithRecordingOffLeavesNothingToUndo) {
    // The fixture filled 75 cells with recording off.
    EXPECT_EQ(grid.undoStack().count(), 0);
    EXPECT_FALSE(grid.undoStack().canUndo());
}

TEST_F(CurveEditorGrid, AnEditWithRecordingOnCanBeUndone) {
    showGrid();
    ASSERT_TRUE(typeIntoCell(grid, 1, 1, "123.4"));
    EXPECT_EQ(grid.valueText(1, 1), "123.4");
    ASSERT_TRUE(grid.undoStack().canUndo());
    QTest::keyClick(&grid.view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(grid.valueText(1, 1), "950");
    grid.undoStack().redo();
    EXPECT_EQ(grid.valueText(1, 1), "123.4");
}

TEST_F(CurveEditorGrid, APastedBlockIsOneUndoStep) {
    showGrid();
    grid.view().setCurrentIndex(indexOf(grid, 1, 1));
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    QTest::keyClick(&grid.view(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(grid.valueText(2, 2), "4");
    EXPECT_EQ(grid.undoStack().count(), 1);
    grid.undoStack().undo();
    EXPECT_EQ(grid.valueText(1, 1), "950");
    EXPECT_EQ(grid.valueText(2, 2), "12");
}

TEST_F(CurveEditorGrid, ProgramWritesAreRecordedOnlyWhileRecordingIsOn) {
    grid.setValue(7, 3, 80.0);
    ASSERT_EQ(grid.undoStack().count(), 1);
    grid.undoStack().undo();
    EXPECT_EQ(grid.valueText(7, 3), "70");
    grid.undoStack().clear();
    grid.setUndoRecording(false);
    grid.setValue(7, 3, 80.0);
    EXPECT_EQ(grid.undoStack().count(), 0);
}

TEST_F(CurveEditorGrid, ChangingTheShapeKeepsCellsAndDropsTheUndoHistory) {
    grid.enterText(2, 2, "5");
    ASSERT_TRUE(grid.undoStack().canUndo());
    grid.setRowCount(20);
    EXPECT_FALSE(grid.undoStack().canUndo());
    EXPECT_EQ(grid.valueText(2, 2), "5");
    EXPECT_EQ(grid.shownText(15, 1), "250.000");
    EXPECT_EQ(grid.valueText(20, 1), "");
    EXPECT_EQ(grid.shownText(20, 0), "20");
    grid.setColumnCount(2);
    EXPECT_EQ(grid.valueText(1, 3), "");
    EXPECT_EQ(grid.cell(1, 2).decimals, 1);
}

TEST_F(CurveEditorGrid, ColumnWidthsReachTheViewAndTheHeaderColumn) {
    // Grid units grow with the font and are never less than a pixel.
    const int pixels57 = grid.columnPixelWidth(1);
    EXPECT_GE(pixels57, 57);
    for (int column = 1; column <= 5; ++column) {
        EXPECT_EQ(grid.columnWidth(column), 57);
        EXPECT_EQ(grid.view().columnWidth(column - 1), pixels57);
    }
    grid.setColumnWidth(0, 20);
    EXPECT_EQ(grid.columnWidth(0), 20);
    EXPECT_EQ(grid.view().verticalHeader()->maximumWidth(), grid.columnPixelWidth(0));
    grid.setColumnWidths(2, 3, 150);
    EXPECT_EQ(grid.columnWidth(1), 57);
    EXPECT_EQ(grid.columnWidth(2), 150);
    EXPECT_EQ(grid.columnWidth(3), 150);
    EXPECT_EQ(grid.columnWidth(4), 57);
    EXPECT_GT(grid.view().columnWidth(1), pixels57);
}

TEST_F(CurveEditorGrid, ThreeDecimalsOfAPressureFitItsColumn) {
    // The curve editor's pressure column is 57 units wide for texts such as "2200.000".
    // The item view keeps a margin on either side of a cell's text.
    const GridTableView& view = grid.view();
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const int textWidth = view.fontMetrics().horizontalAdvance(QStringLiteral("2200.000"));
    EXPECT_GE(grid.columnPixelWidth(1), textWidth + 2 * margin);
}

TEST_F(CurveEditorGrid, AWidthAPersonDragsAColumnToReachesTheContent) {
    const int pixels = 2 * grid.columnPixelWidth(2);
    grid.view().horizontalHeader()->resizeSection(1, pixels);
    EXPECT_EQ(grid.columnPixelWidth(2), pixels);
    // Twice 57 units, give or take the rounding to whole pixels.
    ASSERT_TRUE(grid.content().columnWidth(2).has_value());
    EXPECT_NEAR(*grid.content().columnWidth(2), 114, 1);
    EXPECT_EQ(grid.content().columnWidth(3), 57);
}

// A content filled in the core, as a page or a view fills its grid, shown as it is.
TEST(GridControl, ShowsAContentFilledInTheCoreAndTakesEditsIntoIt) {
    GridContent content(3, 2);
    content.setHeaderText(0, "Zone");
    content.setHeaderText(1, "Start (m)");
    content.setHeaderText(2, "C");
    content.applyStyle(1, 1, 3, 2, GridStyle().setAlignment(GridAlignment::Right).setDecimals(1));
    content.setValue(2, 1, 12.26);
    content.setValue(3, 0, "Max");
    content.applyStyle(1, 2, 3, 2, GridStyle().setReadOnly().setInterior(kGrey));
    content.setColumnWidth(0, 20);
    content.setColumnWidth(2, 150);

    GridControl grid;
    grid.setRowCount(1);
    grid.setColumnCount(1);
    grid.enterText(1, 1, QStringLiteral("5"));
    ASSERT_TRUE(grid.undoStack().canUndo());
    grid.setContent(content);
    EXPECT_FALSE(grid.undoStack().canUndo()) << "the history named the cells of another content";

    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.columnCount(), 2);
    QAbstractItemModel& model = *grid.view().model();
    EXPECT_EQ(grid.shownText(0, 0), "Zone");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Start (m)");
    EXPECT_EQ(model.headerData(1, Qt::Vertical).toString(), "2");
    EXPECT_EQ(model.headerData(2, Qt::Vertical).toString(), "Max");
    const QModelIndex number = indexOf(grid, 2, 1);
    EXPECT_EQ(model.data(number).toString(), "12.3");
    EXPECT_EQ(model.data(number, Qt::EditRole).toString(), "12.26");
    EXPECT_TRUE(Qt::Alignment(model.data(number, Qt::TextAlignmentRole).toInt()) & Qt::AlignRight);
    const QModelIndex computed = indexOf(grid, 1, 2);
    EXPECT_EQ(model.data(computed, Qt::BackgroundRole).value<QBrush>().color(),
              QColor(192, 192, 192));
    EXPECT_FALSE(model.flags(computed) & Qt::ItemIsEditable);
    EXPECT_EQ(grid.columnWidth(0), 20);
    EXPECT_EQ(grid.columnWidth(1), GridContent::kDefaultColumnWidth);
    EXPECT_EQ(grid.columnWidth(2), 150);
    EXPECT_EQ(grid.view().columnWidth(1), grid.columnPixelWidth(2));
    EXPECT_GT(grid.columnPixelWidth(2), grid.columnPixelWidth(1));
    // The lock came on with the content, so the program cannot write the read-only column.
    EXPECT_FALSE(grid.setValue(1, 2, 1.0));

    // A person's entry goes into the content, in its number format, and can be undone.
    EXPECT_TRUE(grid.enterText(1, 1, QStringLiteral("7")));
    EXPECT_EQ(grid.content().valueText(1, 1), "7");
    EXPECT_EQ(grid.content().shownText(1, 1), "7.0");
    EXPECT_EQ(model.data(indexOf(grid, 1, 1)).toString(), "7.0");
    grid.undoStack().undo();
    EXPECT_EQ(grid.content().valueText(1, 1), "");
    // The content handed in is the caller's own and keeps what it held.
    EXPECT_EQ(content.valueText(1, 1), "");
}

TEST(GridControl, AContentWithoutAHeaderWidthLetsTheHeaderColumnFitItsTexts) {
    GridControl grid;
    grid.setRowCount(2);
    grid.setColumnWidth(0, 4);
    ASSERT_EQ(grid.columnWidth(0), 4);
    GridContent content(2, 1);
    content.setHeaderText(0, "A long corner text");
    grid.setContent(content);
    EXPECT_GE(grid.columnPixelWidth(0),
              grid.fontMetrics().horizontalAdvance(QStringLiteral("A long corner text")));
}

TEST(GridControl, ShowsACellsToolTipAndFitsItsColumnsToTheirTexts) {
    GridContent content(2, 2);
    content.setHeaderText(1, "Status");
    content.setValue(1, 1, "a text far wider than a column of the default width");
    content.applyStyle(2, 2, 2, 2, GridStyle().setValue("stopped").setToolTip("Why it stopped."));
    GridControl grid;
    grid.setContent(content);
    const QAbstractItemModel& model = *grid.view().model();
    EXPECT_EQ(model.data(indexOf(grid, 2, 2), Qt::ToolTipRole).toString(), "Why it stopped.");
    EXPECT_FALSE(model.data(indexOf(grid, 1, 2), Qt::ToolTipRole).isValid());

    grid.fitColumnsToContents();
    EXPECT_GE(grid.columnPixelWidth(1),
              grid.fontMetrics().horizontalAdvance(
                  QStringLiteral("a text far wider than a column of the default width")));
    EXPECT_GT(grid.content().columnWidth(1), GridContent::kDefaultColumnWidth)
        << "the width reaches the content";
}

TEST(GridControl, AttachTakesThePlaceOfAPlaceholder) {
    QWidget page;
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(new QLabel(QStringLiteral("above")));
    QPointer<QWidget> placeholder = new QWidget;
    placeholder->setObjectName(QStringLiteral("fanCurve"));
    layout->addWidget(placeholder);
    layout->addWidget(new QPushButton(QStringLiteral("below")));

    GridControl* grid = GridControl::attach(placeholder);
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(placeholder.isNull());
    EXPECT_EQ(grid->parentWidget(), &page);
    EXPECT_EQ(layout->indexOf(grid), 1);
    EXPECT_EQ(page.findChild<GridControl*>(QStringLiteral("fanCurve")), grid);
}

TEST(GridControl, AttachWithoutALayoutTakesThePlaceholdersGeometry) {
    QWidget page;
    auto* placeholder = new QWidget(&page);
    placeholder->setGeometry(10, 20, 300, 200);
    GridControl* grid = GridControl::attach(placeholder);
    EXPECT_EQ(grid->geometry(), QRect(10, 20, 300, 200));
}

// Printing: a grid of the fan database's shape, 4 columns of text and one of numbers.
class PrintedGrid : public ::testing::Test {
protected:
    void fill(int rows, int columns, int width) {
        grid.setUndoRecording(false);
        grid.setRowCount(rows);
        grid.setColumnCount(columns);
        grid.setHeaderText(0, QStringLiteral("No."));
        for (int column = 1; column <= columns; ++column) {
            grid.setHeaderText(column, QStringLiteral("Column %1").arg(column));
        }
        grid.setColumnWidths(1, columns, width);
        grid.applyStyle(1, columns, rows, columns, GridStyle().setDecimals(1));
        for (int row = 1; row <= rows; ++row) {
            for (int column = 1; column < columns; ++column) {
                grid.setValue(row, column, QStringLiteral("Fan %1").arg(row));
            }
            grid.setValue(row, columns, 1.2);
        }
    }

    // Prints to a PDF file on a page of the given size; returns the file's bytes.
    QByteArray printToPdf(QPageSize::PageSizeId size, int fromPage = 0, int toPage = 0) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("grid.pdf")));
        printer.setPageSize(QPageSize(size));
        printer.setFromTo(fromPage, toPage);
        GridPrinter gridPrinter(grid);
        gridPrinter.setTitle(QStringLiteral("fans.fdb"));
        pages = gridPrinter.pageCount(printer);
        EXPECT_TRUE(gridPrinter.print(printer));
        QFile file(printer.outputFileName());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    GridControl grid;
    QTemporaryDir folder;
    int pages = 0;
};

TEST_F(PrintedGrid, RowsThatDoNotFitOnePageGoOnFurtherPages) {
    fill(40, 4, 110);
    const QByteArray pdf = printToPdf(QPageSize::A6);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pages, 1);
    EXPECT_EQ(pdfPageCount(pdf), pages);
}

TEST_F(PrintedGrid, AGridThatFitsTakesOnePage) {
    fill(10, 4, 110);
    const QByteArray pdf = printToPdf(QPageSize::A4);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST_F(PrintedGrid, ColumnsThatDoNotFitThePageWidthGoOnFurtherPages) {
    // 10 columns of 150 pixels are about 40 cm at the screen's resolution: two or more pages
    // across an A4 page, each with the same rows.
    fill(10, 10, 150);
    const QByteArray pdf = printToPdf(QPageSize::A4);
    EXPECT_GE(pages, 2);
    EXPECT_EQ(pdfPageCount(pdf), pages);
}

TEST_F(PrintedGrid, APageRangePrintsOnlyThosePages) {
    fill(40, 4, 110);
    const QByteArray pdf = printToPdf(QPageSize::A6, 2, 2);
    ASSERT_GT(pages, 1);
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST_F(PrintedGrid, ThePreviewShowsEveryPage) {
    fill(40, 4, 110);
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A6));
    std::unique_ptr<QPrintPreviewDialog> dialog(
        createGridPrintPreview(grid, QStringLiteral("fans.fdb"), printer));
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    preview->updatePreview();
    EXPECT_GT(preview->pageCount(), 1);
    EXPECT_EQ(preview->pageCount(), GridPrinter(grid).pageCount(printer));
}

} // namespace
} // namespace flowmar
