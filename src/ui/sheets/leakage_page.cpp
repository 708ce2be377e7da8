#include "ui/sheets/leakage_page.h"

#include "ui/core_text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

namespace flowmar {

using namespace leakage_page;

CLeakagePage::CLeakagePage(LeakagePage& page, QWidget* parent)
    : SheetPage(parent), m_page(page), m_slider(new QSlider(Qt::Horizontal)) {
    auto* layout = new QVBoxLayout(this);
    auto* group = add(kGroup, new QGroupBox(coreText(kGroupCaption)));
    auto* groupLayout = new QVBoxLayout(group);

    auto* entry = new QHBoxLayout;
    auto* resistanceLabel = new QLabel(coreText(kResistanceCaption));
    QLineEdit* edit =
        addEdit(kResistance, [this](std::string text) { m_page.editResistance(std::move(text)); });
    resistanceLabel->setBuddy(edit);
    entry->addWidget(resistanceLabel);
    entry->addWidget(edit);
    entry->addWidget(add(kUnit, new QLabel));
    entry->addWidget(add(kPowerOfTen, new QLabel));
    entry->addStretch();
    groupLayout->addLayout(entry);
    groupLayout->addSpacing(8);

    auto* heading = new QLabel(coreText(kTypicalValues));
    heading->setAlignment(Qt::AlignCenter);
    groupLayout->addWidget(heading);
    // The scale words stand over the slider, spread evenly from its left end to its right.
    auto* scale = new QGridLayout;
    for (std::size_t i = 0; i < kScaleWords.size(); ++i) {
        auto* word = new QLabel(coreText(kScaleWords[i]));
        const bool first = i == 0;
        const bool last = i + 1 == kScaleWords.size();
        word->setAlignment(first ? Qt::AlignLeft : last ? Qt::AlignRight : Qt::AlignHCenter);
        scale->addWidget(word, 0, int(i));
        scale->setColumnStretch(int(i), 1);
    }
    groupLayout->addLayout(scale);
    groupLayout->addWidget(add(kSlider, m_slider));
    m_slider->setTickPosition(QSlider::TicksBelow);
    auto* ends = new QHBoxLayout;
    ends->addWidget(add(kLeftEndSI, new QLabel));
    ends->addWidget(add(kLeftEndImperial, new QLabel));
    ends->addStretch();
    ends->addWidget(add(kRightEndSI, new QLabel));
    ends->addWidget(add(kRightEndImperial, new QLabel));
    groupLayout->addLayout(ends);
    layout->addWidget(group);
    layout->addStretch();
    layout->addWidget(add(kRigidRange, new QLabel));
    layout->addWidget(add(kFabricRange, new QLabel));

    // Every move of the slider, by mouse or keyboard, writes the box; typing does not move it.
    connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
        if (!m_showing) {
            m_page.moveSlider(position);
            showText(kResistance, m_page.resistanceText());
        }
    });
}

void CLeakagePage::opened() {
    const SliderRange range = m_page.sliderRange();
    const bool showing = m_showing;
    m_showing = true;
    m_slider->setRange(range.minimum, range.maximum);
    // A page step of a tenth of the scale and ticks at every tenth, so the keyboard crosses it
    // in a few presses.
    const int tenth = (range.maximum - range.minimum) / 10;
    m_slider->setPageStep(tenth);
    m_slider->setTickInterval(tenth);
    m_slider->setSingleStep(std::max(1, tenth / 100));
    m_showing = showing;
    showState();
}

void CLeakagePage::showState() {
    const bool showing = m_showing;
    m_showing = true;
    for (const PageLabel& label : m_page.labels()) {
        if (auto* widget = qobject_cast<QLabel*>(control(label.id))) {
            widget->setText(QString::fromStdString(label.text));
            widget->setVisible(label.shown);
        }
    }
    m_slider->setValue(m_page.sliderPosition());
    showText(kResistance, m_page.resistanceText());
    m_showing = showing;
}

} // namespace flowmar
