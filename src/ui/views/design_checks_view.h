// CDesignChecksView: the Design Checks view of a duct model. It lists what the design checks find
// in the results of the last Execute, a warning or note icon before each, refreshed whenever the
// model changes, the current one's whole explanation under the list; choosing a finding opens the
// view it is about (the Graph View for a stretch of the duct, the Fan Results view for a fan).
#pragma once

#include "core/analysis/design_checks.h"
#include "ui/views/duct_view.h"

#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace flowmar {

class CDesignChecksView final : public DuctView {
    Q_OBJECT
public:
    explicit CDesignChecksView(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override;
    QString statusCaption() const override;
    QSize sizeHint() const override { return {760, 320}; }

    QTreeWidget& list() const { return *m_list; }
    // The whole explanation of the current finding, wrapped, under the list.
    QLabel& details() const { return *m_details; }
    const std::vector<DesignFinding>& findings() const { return m_findings; }

    // The view a finding is about: the Fan Results view for a fan, the Summary of Results for
    // the booster pressure, the Graph View for the rest.
    static int viewOf(const DesignFinding& finding);

protected:
    void refill() override;

private:
    void activate(QTreeWidgetItem* item);

    QTreeWidget* m_list;
    QLabel* m_details;
    std::vector<DesignFinding> m_findings;
};

} // namespace flowmar
