#include "ui/dialogs/study_dialog.h"

#include "core/analysis/study_chart.h"
#include "core/analysis/study_report.h"
#include "core/analysis/study_table.h"
#include "core/files/atomic_file.h"
#include "core/model/study_texts.h"
#include "core/model/units.h"
#include "core/ui_port.h"
#include "ui/core_text.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_table_view.h"
#include "ui/views/drawing_output.h"
#include "ui/views/drawing_painter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdint>
#include <span>
#include <variant>

namespace flowmar {

using namespace study_form;
namespace texts = study_texts;

namespace {

constexpr int kPollMs = 50;

// The chart of the last study, stretched onto the widget as the Graph View is.
class StudyChartWidget : public QWidget {
public:
    StudyChartWidget() {
        setMinimumSize(360, 270);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setDrawing(Drawing drawing) {
        m_drawing = std::move(drawing);
        update();
    }
    const Drawing& drawing() const { return m_drawing; }
    QSize sizeHint() const override { return {640, 480}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        paintDrawing(painter, m_drawing, QRectF(rect()), DrawingFit::Anisotropic);
    }

private:
    Drawing m_drawing{Extent{0, 0, 800, -600}};
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

bool writeText(const QString& path, const std::string& contents) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(contents.data());
    return writeFileAtomically(path.toStdString(), std::span(bytes, contents.size())).ok();
}

} // namespace

StudyDialog::StudyDialog(const CFlowmarDoc& doc, std::optional<double> requiredFace, UiPort& port,
                         QWidget* parent)
    : QDialog(parent), m_doc(doc), m_port(port), m_choices(studyChoices(m_doc)),
      m_firstInput(new QComboBox), m_secondInput(new QComboBox),
      m_useSecond(new QCheckBox(coreText(texts::kAndForEachValueOf))),
      m_run(new QPushButton(coreText(texts::kRun))),
      m_cancel(new QPushButton(coreText(texts::kCancelStudy))),
      m_print(new QPushButton(coreText(texts::kPrint))),
      m_save(new QPushButton(coreText(texts::kSaveAs))), m_progress(new QProgressBar),
      m_chart(new StudyChartWidget), m_table(new GridControl), m_crossing(new QLabel),
      m_timer(new QTimer(this)) {
    setWindowTitle(coreText(texts::kDialogTitle));
    setSizeGripEnabled(true);
    for (QComboBox* combo : {m_firstInput, m_secondInput}) {
        for (const StudyChoice& choice : m_choices) {
            combo->addItem(text(choice.label));
        }
    }
    for (QLineEdit*& box : m_boxes) {
        box = new QLineEdit;
        box->setMaximumWidth(110);
    }
    const StudyFormTexts start = defaultStudyForm(m_doc, requiredFace);
    const auto fill = [this](const StudyRangeTexts& range, int fromBox) {
        m_boxes[static_cast<std::size_t>(fromBox)]->setText(text(range.from));
        m_boxes[static_cast<std::size_t>(fromBox + 1)]->setText(text(range.to));
        m_boxes[static_cast<std::size_t>(fromBox + 2)]->setText(text(range.steps));
    };
    m_firstInput->setCurrentIndex(start.first.choice);
    m_secondInput->setCurrentIndex(start.second.choice);
    fill(start.first, kFirstFrom);
    fill(start.second, kSecondFrom);
    m_boxes[kRequired]->setText(text(start.requiredFaceQuantity));
    m_boxes[kRequired]->setPlaceholderText(coreText(texts::kNoRequirement));
    // A new input starts from a range around its value in the model.
    connect(m_firstInput, &QComboBox::currentIndexChanged, this, [this, fill](int index) {
        if (index >= 0) {
            fill(defaultRange(m_doc, m_choices[static_cast<std::size_t>(index)], index),
                 kFirstFrom);
        }
    });
    connect(m_secondInput, &QComboBox::currentIndexChanged, this, [this, fill](int index) {
        if (index >= 0) {
            fill(defaultRange(m_doc, m_choices[static_cast<std::size_t>(index)], index),
                 kSecondFrom);
        }
    });
    const auto enableSecond = [this](bool on) {
        m_secondInput->setEnabled(on);
        for (const int box : {kSecondFrom, kSecondTo, kSecondSteps}) {
            m_boxes[static_cast<std::size_t>(box)]->setEnabled(on);
        }
    };
    connect(m_useSecond, &QCheckBox::toggled, this, enableSecond);
    enableSecond(false);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(coreText(texts::kVary)), 0, 0);
    form->addWidget(m_firstInput, 0, 1);
    form->addWidget(m_useSecond, 1, 0);
    form->addWidget(m_secondInput, 1, 1);
    const QStringList heads{coreText(texts::kFrom), coreText(texts::kTo), coreText(texts::kSteps)};
    for (int row = 0; row < 2; ++row) {
        for (int k = 0; k < 3; ++k) {
            form->addWidget(new QLabel(heads[k]), row, 2 + 2 * k);
            form->addWidget(m_boxes[static_cast<std::size_t>(row * 3 + k)], row, 3 + 2 * k);
        }
    }
    form->addWidget(new QLabel(coreText(texts::requiredFaceLabel(isImperial(m_doc.unitSystem)))), 2,
                    0);
    form->addWidget(m_boxes[kRequired], 2, 1, Qt::AlignLeft);
    form->setColumnStretch(1, 1);

    auto* runRow = new QHBoxLayout;
    runRow->addWidget(m_run);
    runRow->addWidget(m_cancel);
    runRow->addWidget(m_progress, 1);
    m_cancel->setEnabled(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_chart);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({620, 460});
    // The steps are numbered by their inputs: no row numbers. A table of results takes no edits.
    m_table->view().verticalHeader()->setVisible(false);
    m_table->view().setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_crossing->setWordWrap(true);
    m_crossing->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* closeRow = new QHBoxLayout;
    auto* close = new QPushButton(coreText(texts::kClose));
    closeRow->addWidget(m_print);
    closeRow->addWidget(m_save);
    closeRow->addStretch(1);
    closeRow->addWidget(close);
    m_print->setEnabled(false);
    m_save->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(runRow);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_crossing);
    layout->addLayout(closeRow);

    connect(m_run, &QPushButton::clicked, this, [this] { run(); });
    connect(m_cancel, &QPushButton::clicked, this, &StudyDialog::cancel);
    connect(m_print, &QPushButton::clicked, this, &StudyDialog::onPrint);
    connect(m_save, &QPushButton::clicked, this, &StudyDialog::onSaveAs);
    connect(close, &QPushButton::clicked, this, &StudyDialog::reject);
    connect(m_timer, &QTimer::timeout, this, &StudyDialog::poll);
    m_run->setDefault(true);
    resize(1100, 720);
}

StudyDialog::~StudyDialog() {
    if (m_control) {
        m_control->cancel = true;
    }
}

QLineEdit& StudyDialog::box(int index) const {
    return *m_boxes.at(static_cast<std::size_t>(index));
}

StudyFormTexts StudyDialog::texts() const {
    StudyFormTexts t;
    const auto range = [this](QComboBox* combo, int fromBox) {
        StudyRangeTexts r;
        r.choice = combo->currentIndex();
        r.from = m_boxes[static_cast<std::size_t>(fromBox)]->text().toStdString();
        r.to = m_boxes[static_cast<std::size_t>(fromBox + 1)]->text().toStdString();
        r.steps = m_boxes[static_cast<std::size_t>(fromBox + 2)]->text().toStdString();
        return r;
    };
    t.first = range(m_firstInput, kFirstFrom);
    t.useSecond = m_useSecond->isChecked();
    t.second = range(m_secondInput, kSecondFrom);
    t.requiredFaceQuantity = m_boxes[kRequired]->text().toStdString();
    return t;
}

bool StudyDialog::run() {
    if (running()) {
        return false;
    }
    auto read = readStudyForm(m_doc, texts());
    if (const auto* fault = std::get_if<PageFault>(&read)) {
        m_port.showMessage(fault->message, MessageIcon::Warning);
        QLineEdit* edit = m_boxes.at(static_cast<std::size_t>(fault->control));
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_request = std::get<StudyRequest>(read);
    m_total = m_request.first.steps * (m_request.second ? m_request.second->steps : 1);
    m_control = std::make_unique<StudyControl>();
    m_finished = false;
    m_pending.reset();
    m_progress->setRange(0, m_total);
    m_progress->setValue(0);
    m_run->setEnabled(false);
    m_cancel->setEnabled(true);
    m_worker = std::jthread([this, control = m_control.get()] {
        m_pending = runStudy(m_doc, m_request, control);
        m_finished = true;
    });
    m_timer->start(kPollMs);
    return true;
}

void StudyDialog::poll() {
    if (m_control) {
        m_progress->setValue(m_control->done.load());
    }
    if (m_finished.load()) {
        m_timer->stop();
        m_worker.join();
        showResults();
    }
}

void StudyDialog::waitForResults() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    if (m_finished.load()) {
        m_timer->stop();
        showResults();
    }
}

void StudyDialog::cancel() {
    if (m_control) {
        m_control->cancel = true;
    }
}

void StudyDialog::reject() {
    cancel();
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_timer->stop();
    QDialog::reject();
}

void StudyDialog::showResults() {
    m_run->setEnabled(true);
    m_cancel->setEnabled(false);
    if (!m_pending || m_pending->cancelled) {
        m_progress->setValue(0);
        m_crossing->setText(coreText(texts::kCancelled));
        return;
    }
    m_result = std::move(m_pending);
    m_pending.reset();
    m_progress->setValue(m_total);
    const int units = m_doc.unitSystem;
    auto* chart = static_cast<StudyChartWidget*>(m_chart);
    chart->setDrawing(studyChart(*m_result, m_request, units));

    m_table->setContent(studyTableGrid(m_doc, m_request, *m_result));
    m_table->fitColumnsToContents();
    QStringList sentences;
    for (const StudyCrossing& crossing : m_result->crossings) {
        if (const std::string s = crossingSentence(m_request, crossing, units); !s.empty()) {
            sentences << text(s);
        }
    }
    m_crossing->setText(sentences.join(QLatin1Char('\n')));
    m_print->setEnabled(true);
    m_save->setEnabled(true);
}

bool StudyDialog::saveResults(const QString& path, QString* error) const {
    if (!m_result) {
        return false;
    }
    bool saved = false;
    if (path.toLower().endsWith(QLatin1String(".csv"))) {
        saved = writeText(path, studyCsv(*m_result));
    } else if (const std::optional<PictureFormat> format = pictureFormatOf(path)) {
        const PictureLayout layout{QSize(1200, 900), PageArea::Printable};
        saved =
            saveDrawing(studyChart(*m_result, m_request, m_doc.unitSystem), path, *format, layout);
    } else {
        if (error != nullptr) {
            *error = coreText(texts::kSaveKinds);
        }
        return false;
    }
    if (!saved && error != nullptr) {
        *error = coreText(texts::cannotSave(path.toStdString()));
    }
    return saved;
}

void StudyDialog::onSaveAs() {
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, coreText(texts::kSaveTitle), QString(),
                                                coreText(texts::kSaveFilter), &filter);
    if (path.isEmpty()) {
        return;
    }
    // A bare name takes the extension of the chosen filter.
    if (QFileInfo(path).suffix().isEmpty()) {
        const qsizetype star = filter.indexOf(QLatin1String("*."));
        path += filter.mid(star + 1, 4);
    }
    QString error;
    if (!saveResults(path, &error)) {
        m_port.showMessage(error.toStdString(), MessageIcon::Warning);
    }
}

void StudyDialog::onPrint() {
    if (!m_result) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    printDrawing(printer, studyChart(*m_result, m_request, m_doc.unitSystem), PageArea::Printable);
}

} // namespace flowmar
