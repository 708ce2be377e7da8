// CLeakagePage, the "Leakage" tab of the Duct Details sheet: the leakage resistance typed or set
// with the slider, over the core's LeakagePage.
#pragma once

#include "core/input/leakage_page.h"
#include "ui/sheets/sheet_page.h"

class QSlider;

namespace flowmar {

class CLeakagePage : public SheetPage {
    Q_OBJECT
public:
    CLeakagePage(LeakagePage& page, QWidget* parent = nullptr);
    void opened() override;
    void showState() override;

    QSlider* slider() const { return m_slider; }

private:
    LeakagePage& m_page;
    QSlider* m_slider;
};

} // namespace flowmar
