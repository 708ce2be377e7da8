// CGraphDlg, "Graph Trends": the eight Graph View options, built from the core's list of the
// dialog's controls and kept in the core's GraphTrendsDialog.
#pragma once

#include "core/input/graph_trends_dialog.h"

#include <QDialog>

#include <map>

class QAbstractButton;

namespace flowmar {

class CGraphDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGraphDlg(const GraphOptions& options, QWidget* parent = nullptr);

    // What OK stores.
    GraphOptions options() const { return m_state.accept(); }
    QAbstractButton* control(int id) const;

private:
    GraphTrendsDialog m_state;
    std::map<int, QAbstractButton*> m_controls;
};

} // namespace flowmar
