// CFanDatabase: the one view of a fan database, in a frame of its own inside the main window: the
// read-only grid of its fans (rebuilt from the core at every change of the database) above a
// status bar of one pane, "Fan Database". It prints the grid as it is shown.
#pragma once

#include "core/model/document_observers.h"

#include <QWidget>

class QLabel;
class QPrinter;

namespace flowmar {

class CFanDatabaseDoc;
class GridControl;

class CFanDatabase : public QWidget {
    Q_OBJECT
public:
    explicit CFanDatabase(CFanDatabaseDoc& document, QWidget* parent = nullptr);

    CFanDatabaseDoc& document() const { return m_document; }
    GridControl& grid() const { return *m_grid; }
    QString statusCaption() const;
    QSize sizeHint() const override;

    // Every page of the grid, titled by the database's name. False when the printer failed.
    bool print(QPrinter& printer) const;

signals:
    void refreshed();

private:
    void refill();

    CFanDatabaseDoc& m_document;
    GridControl* m_grid;
    QLabel* m_caption;
    DocumentObservers::Subscription m_subscription;
};

} // namespace flowmar
