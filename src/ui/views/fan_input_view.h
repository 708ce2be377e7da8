// CFanInputView: the Fan Input View of a duct model: its fans as entered, one read-only grid row
// each; printed, a listing of every fan with its curve points. Its Tools menu sorts the fans.
#pragma once

#include "ui/views/fan_grid_view.h"

namespace flowmar {

class CFanInputView final : public FanGridView {
    Q_OBJECT
public:
    explicit CFanInputView(CFlowmarDoc& document, QWidget* parent = nullptr);

    int templateId() const override;
};

} // namespace flowmar
