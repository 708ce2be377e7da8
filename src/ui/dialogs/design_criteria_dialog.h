// "Design Criteria": the program's design criteria, asked of every model whose own file sets
// none, in the units of the active model. An empty box leaves its criterion open; a box that holds
// no number, or one out of range, keeps the dialog open with its text selected.
#pragma once

#include "core/model/design_criteria.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace flowmar {

class UiPort;

class DesignCriteriaDialog : public QDialog {
    Q_OBJECT
public:
    DesignCriteriaDialog(const DesignCriteria& criteria, int unitSystem, UiPort& port,
                         QWidget* parent = nullptr);

    const DesignCriteria& criteria() const { return m_criteria; }
    QLineEdit& box(int index) const { return *m_boxes.at(static_cast<std::size_t>(index)); }

    void accept() override;

private:
    DesignCriteria m_criteria;
    int m_unitSystem;
    UiPort& m_port;
    std::array<QLineEdit*, 5> m_boxes{};
};

} // namespace flowmar
