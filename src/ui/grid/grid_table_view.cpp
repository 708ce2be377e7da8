#include "ui/grid/grid_table_view.h"

#include "ui/grid/grid_cell_delegate.h"
#include "ui/grid/grid_model.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QUndoStack>

#include <algorithm>
#include <string>
#include <vector>

namespace flowmar {

namespace {

constexpr int kHeaderTextMargin = 12;

bool isGridKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
           key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->matches(QKeySequence::Delete);
}

// The rows and cells of a text copied from a spreadsheet: a tab between cells, a newline (or a
// carriage return and newline) after each row, the last one optional.
std::vector<QStringList> cellsOf(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast();
    }
    std::vector<QStringList> rows;
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        rows.push_back(line.split(u'\t'));
    }
    return rows;
}

} // namespace

GridTableView::GridTableView(GridModel& model, QUndoStack& undoStack, QWidget* parent)
    : QTableView(parent), m_model(model), m_undoStack(undoStack) {
    setModel(&model);
    setItemDelegate(new GridCellDelegate(this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed | SelectedClicked);
    setSelectionMode(ContiguousSelection);
    setWordWrap(false);
    setTabKeyNavigation(true);

    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) {
        m_corner->installEventFilter(this);
    }
    connect(&model, &GridModel::cornerChanged, this, [this] {
        fitHeaderColumn();
        if (m_corner) {
            m_corner->update();
        }
    });
    connect(&model, &GridModel::headerDataChanged, this, [this](Qt::Orientation orientation) {
        if (orientation == Qt::Vertical) {
            fitHeaderColumn();
        }
    });
    connect(&model, &GridModel::rowsInserted, this, [this] { fitHeaderColumn(); });
    connect(&model, &GridModel::rowsRemoved, this, [this] { fitHeaderColumn(); });
    fitHeaderColumn();
}

void GridTableView::commitOpenEditor() {
    if (state() != EditingState) {
        return;
    }
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
    }
}

void GridTableView::setHeaderColumnWidth(int width) {
    m_headerColumnWidth = std::max(width, -1);
    fitHeaderColumn();
}

int GridTableView::headerColumnWidth() const {
    // As the table view lays out its header, before it has been shown too.
    const QHeaderView* header = verticalHeader();
    return std::min(std::max(header->minimumWidth(), header->sizeHint().width()),
                    header->maximumWidth());
}

void GridTableView::fitHeaderColumn() {
    if (m_headerColumnWidth >= 0) {
        verticalHeader()->setFixedWidth(m_headerColumnWidth);
    } else {
        const QString corner = QString::fromStdString(m_model.content().shownText(0, 0));
        verticalHeader()->setMaximumWidth(QWIDGETSIZE_MAX);
        verticalHeader()->setMinimumWidth(
            corner.isEmpty() ? 0 : fontMetrics().horizontalAdvance(corner) + kHeaderTextMargin);
    }
    updateGeometries();
}

QString GridTableView::selectedText() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return {};
    }
    int top = selected.front().row();
    int bottom = top;
    int left = selected.front().column();
    int right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QString text;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left) {
                text += u'\t';
            }
            text += QString::fromStdString(m_model.content().valueText(row + 1, column + 1));
        }
        text += u'\n';
    }
    return text;
}

void GridTableView::pasteText(const QString& text) {
    const std::vector<QStringList> rows = cellsOf(text);
    std::vector<GridEntry> entries;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (rows.size() == 1 && rows.front().size() == 1 && selected.size() > 1) {
        for (const QModelIndex& index : selected) {
            entries.push_back(
                {index.row() + 1, index.column() + 1, rows.front().front().toStdString()});
        }
    } else if (const QModelIndex start = currentIndex(); start.isValid()) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            for (qsizetype j = 0; j < rows[i].size(); ++j) {
                entries.push_back({start.row() + 1 + int(i), start.column() + 1 + int(j),
                                   rows[i][j].toStdString()});
            }
        }
    }
    m_model.enterTexts(entries);
}

void GridTableView::clearSelectedCells() {
    std::vector<GridEntry> entries;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        entries.push_back({index.row() + 1, index.column() + 1, std::string()});
    }
    m_model.enterTexts(entries);
}

bool GridTableView::event(QEvent* event) {
    // The grid's own keys win over a window's shortcuts while the grid has the focus, as they do
    // in a line edit.
    if (event->type() == QEvent::ShortcutOverride && state() != EditingState &&
        isGridKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void GridTableView::keyPressEvent(QKeyEvent* event) {
    if (state() == EditingState) {
        QTableView::keyPressEvent(event);
    } else if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(selectedText());
    } else if (event->matches(QKeySequence::Paste)) {
        pasteText(QApplication::clipboard()->text());
    } else if (event->matches(QKeySequence::Delete)) {
        clearSelectedCells();
    } else if (event->matches(QKeySequence::Undo)) {
        m_undoStack.undo();
    } else if (event->matches(QKeySequence::Redo)) {
        m_undoStack.redo();
    } else {
        QTableView::keyPressEvent(event);
    }
}

bool GridTableView::eventFilter(QObject* watched, QEvent* event) {
    // Qt's corner button draws an empty header section; the grid's corner shows cell (0, 0).
    if (watched == m_corner && event->type() == QEvent::Paint) {
        const GridCell& corner = m_model.content().cell(0, 0);
        QStyleOptionHeader option;
        option.initFrom(m_corner);
        option.state = QStyle::State_None;
        if (m_corner->isEnabled()) {
            option.state |= QStyle::State_Enabled;
        }
        if (m_corner->isDown()) {
            option.state |= QStyle::State_Sunken;
        }
        option.rect = m_corner->rect();
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.text = QString::fromStdString(m_model.content().shownText(0, 0));
        option.textAlignment = GridModel::alignmentFlags(corner, GridAlignment::Centre);
        QPainter painter(m_corner);
        m_corner->style()->drawControl(QStyle::CE_Header, &option, &painter, m_corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace flowmar
