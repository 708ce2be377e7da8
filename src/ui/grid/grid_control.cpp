#include "ui/grid/grid_control.h"

#include "ui/grid/grid_model.h"
#include "ui/grid/grid_table_view.h"

#include <QHeaderView>
#include <QLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace flowmar {

namespace {

// As many rows as a dialog's grid usually shows without scrolling (the curve editor's 15 points).
constexpr int kRowsInSizeHint = 15;

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

GridControl::GridControl(QWidget* parent)
    : QWidget(parent), m_model(new GridModel(m_undoStack, this)),
      m_view(new GridTableView(*m_model, m_undoStack, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);
    m_view->horizontalHeader()->setDefaultSectionSize(
        qRound(GridContent::kDefaultColumnWidth * pixelsPerUnit()));
    // A person's drag of a column's edge is a width the content keeps (printing reads it there).
    connect(m_view->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int pixels) {
                m_model->setColumnWidth(section + 1, qRound(pixels / pixelsPerUnit()));
            });
}

GridControl::~GridControl() {
    // The view and the model refer to the undo stack, a member that goes before the children.
    delete m_view;
    delete m_model;
}

GridControl* GridControl::attach(QWidget* placeholder) {
    if (!placeholder) {
        return nullptr;
    }
    QWidget* parent = placeholder->parentWidget();
    auto* grid = new GridControl(parent);
    grid->setObjectName(placeholder->objectName());
    grid->setSizePolicy(placeholder->sizePolicy());
    grid->setMinimumSize(placeholder->minimumSize());
    grid->setGeometry(placeholder->geometry());
    if (parent && parent->layout()) {
        delete parent->layout()->replaceWidget(placeholder, grid);
    }
    grid->setVisible(!placeholder->isHidden());
    delete placeholder;
    return grid;
}

const GridContent& GridControl::content() const {
    m_view->commitOpenEditor();
    return m_model->content();
}

void GridControl::setContent(const GridContent& content) {
    m_model->setContent(content);
    // The view has set its sections back to the default size; the widths are the content's.
    for (int column = 0; column <= content.columnCount(); ++column) {
        showColumnWidth(column, content.columnWidth(column));
    }
}

void GridControl::setRowCount(int rows) {
    m_model->setGridRowCount(rows);
}

int GridControl::rowCount() const {
    return m_model->gridRowCount();
}

void GridControl::setColumnCount(int columns) {
    m_model->setGridColumnCount(columns);
}

int GridControl::columnCount() const {
    return m_model->gridColumnCount();
}

void GridControl::setHeaderText(int column, const QString& text) {
    applyStyle(0, column, 0, column, GridStyle().setValue(text.toStdString()));
}

bool GridControl::applyStyle(int top, int left, int bottom, int right, const GridStyle& style) {
    return m_model->applyStyle(top, left, bottom, right, style);
}

bool GridControl::setValue(int row, int column, const QString& text) {
    return applyStyle(row, column, row, column, GridStyle().setValue(text.toStdString()));
}

bool GridControl::setValue(int row, int column, double number) {
    return applyStyle(row, column, row, column, GridStyle().setValue(number));
}

QString GridControl::valueText(int row, int column) const {
    return qtText(content().valueText(row, column));
}

double GridControl::number(int row, int column) const {
    return content().number(row, column);
}

void GridControl::selectCell(int row, int column) {
    const QModelIndex index = m_model->index(row - 1, column - 1);
    if (!index.isValid()) {
        return;
    }
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
    m_view->setFocus();
}

QString GridControl::shownText(int row, int column) const {
    return qtText(m_model->content().shownText(row, column));
}

GridCell GridControl::cell(int row, int column) const {
    return m_model->content().cell(row, column);
}

bool GridControl::enterText(int row, int column, const QString& text) {
    return m_model->enterText(row, column, text);
}

double GridControl::pixelsPerUnit() const {
    constexpr double kUnitDigitWidth = 6;
    return std::max(1.0, fontMetrics().horizontalAdvance(u'0') / kUnitDigitWidth);
}

void GridControl::setColumnWidth(int column, int width) {
    m_model->setColumnWidth(column, width);
    showColumnWidth(column, m_model->content().columnWidth(column));
}

void GridControl::showColumnWidth(int column, std::optional<int> width) {
    if (column == 0) {
        m_view->setHeaderColumnWidth(width ? qRound(*width * pixelsPerUnit()) : -1);
    } else if (column > 0 && column <= columnCount() && width) {
        m_view->setColumnWidth(column - 1, qRound(*width * pixelsPerUnit()));
    }
}

void GridControl::setColumnWidths(int firstColumn, int lastColumn, int width) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
        setColumnWidth(column, width);
    }
}

void GridControl::fitColumnsToContents() {
    m_view->resizeColumnsToContents();
}

int GridControl::columnWidth(int column) const {
    // The header column that fits its texts has the width it takes on the screen.
    return m_model->content().columnWidth(column).value_or(
        qRound(columnPixelWidth(column) / pixelsPerUnit()));
}

int GridControl::columnPixelWidth(int column) const {
    if (column == 0) {
        return m_view->headerColumnWidth();
    }
    return m_view->columnWidth(column - 1);
}

int GridControl::rowHeight() const {
    return m_view->verticalHeader()->defaultSectionSize();
}

void GridControl::setUndoRecording(bool on) {
    m_model->setUndoRecording(on);
}

bool GridControl::undoRecording() const {
    return m_model->undoRecording();
}

void GridControl::setReadOnlyLock(bool on) {
    m_model->setReadOnlyLock(on);
}

bool GridControl::readOnlyLock() const {
    return m_model->readOnlyLock();
}

QSize GridControl::sizeHint() const {
    const int frame = 2 * m_view->frameWidth();
    int width = frame + columnPixelWidth(0);
    for (int column = 1; column <= columnCount(); ++column) {
        width += columnPixelWidth(column);
    }
    const int rows = std::min(rowCount(), kRowsInSizeHint);
    int height = frame + m_view->horizontalHeader()->sizeHint().height() + rows * rowHeight();
    if (rowCount() > rows) {
        width += m_view->verticalScrollBar()->sizeHint().width();
    }
    return {width, height};
}

} // namespace flowmar
