// "Study": how the face quantity of the active model changes as one input (or two) runs through
// a range. The person picks the inputs and ranges in the model's units and a required face
// quantity; Run works on a copy of the model in the background with a progress bar and Cancel;
// the chart and the table of steps then show side by side, and print or save as PNG, SVG, PDF or
// CSV. The model itself is never changed.
#pragma once

#include "core/analysis/study_form.h"
#include "core/model/flowmar_doc.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;

namespace flowmar {

class GridControl;
class UiPort;

class StudyDialog : public QDialog {
    Q_OBJECT
public:
    StudyDialog(const CFlowmarDoc& doc, std::optional<double> requiredFace, UiPort& port,
                QWidget* parent = nullptr);
    ~StudyDialog() override;

    // Reads the boxes and starts the study; false (with the message shown and the box selected)
    // when the boxes make no study.
    bool run();
    bool running() const { return m_worker.joinable() && !m_finished.load(); }
    // Waits for a running study to end and shows its results (for tests and scripts).
    void waitForResults();
    void cancel();

    // Writes the chart (".png", ".svg", ".pdf") or the table (".csv"); false with the reason.
    bool saveResults(const QString& path, QString* error = nullptr) const;

    const std::optional<StudyResult>& result() const { return m_result; }
    QComboBox& firstInput() const { return *m_firstInput; }
    QLineEdit& box(int index) const;
    QCheckBox& useSecond() const { return *m_useSecond; }
    // The table of steps, as the core's studyTableGrid fills it.
    GridControl& table() const { return *m_table; }
    QLabel& crossing() const { return *m_crossing; }
    QWidget& chart() const { return *m_chart; }
    QProgressBar& progress() const { return *m_progress; }

    void reject() override;

private:
    void poll();
    void showResults();
    void onPrint();
    void onSaveAs();
    StudyFormTexts texts() const;

    CFlowmarDoc m_doc; // a copy: the study never touches the document
    UiPort& m_port;
    std::vector<StudyChoice> m_choices;
    QComboBox* m_firstInput;
    QComboBox* m_secondInput;
    QCheckBox* m_useSecond;
    std::array<QLineEdit*, 7> m_boxes{};
    QPushButton* m_run;
    QPushButton* m_cancel;
    QPushButton* m_print;
    QPushButton* m_save;
    QProgressBar* m_progress;
    QWidget* m_chart;
    GridControl* m_table;
    QLabel* m_crossing;
    QTimer* m_timer;

    StudyRequest m_request;
    std::unique_ptr<StudyControl> m_control;
    std::atomic<bool> m_finished{false};
    std::jthread m_worker;
    std::optional<StudyResult> m_pending; // written by the worker until m_finished
    std::optional<StudyResult> m_result;
    int m_total = 0;
};

} // namespace flowmar
