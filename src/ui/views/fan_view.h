// CFanView: the Fan Results view of a duct model: where each fan operates after a fan-mode
// Execute, one read-only grid row each; printed, a block per fan with the chart of every fan that
// ran on its curve.
#pragma once

#include "ui/views/fan_grid_view.h"

namespace flowmar {

class CFanView final : public FanGridView {
    Q_OBJECT
public:
    explicit CFanView(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override;
};

} // namespace flowmar
