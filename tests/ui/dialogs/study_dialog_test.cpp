// The Study dialog over the boosters example: the default study runs in the background to a
// chart, a table and the crossing sentence; a box that is no number keeps the dialog as it was;
// the results save as CSV and SVG; the model is never touched.
#include "core/analysis/study_form.h"
#include "core/model/flowmar_doc.h"
#include "support/example_models.h"
#include "support/fake_ui_port.h"
#include "ui/dialogs/study_dialog.h"
#include "ui/grid/grid_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace flowmar {
namespace {

using namespace study_form;

class StudyDialogTest : public ::testing::Test {
protected:
    void SetUp() override { testing::openExample("boosters.dct", doc); }
    CFlowmarDoc doc;
    testing::FakeUiPort port;
};

TEST_F(StudyDialogTest, TheDefaultStudyRunsToAChartATableAndTheCrossing) {
    const double lengthBefore = doc.ductLength;
    StudyDialog dialog(doc, 17.0, port);
    ASSERT_TRUE(dialog.run());
    dialog.waitForResults();
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(dialog.table().rowCount(), 21);
    EXPECT_EQ(dialog.table().shownText(1, 1), QStringLiteral("1500"));
    EXPECT_EQ(dialog.progress().value(), 21);
    EXPECT_TRUE(dialog.crossing().text().startsWith(QStringLiteral("This duct and its fans reach")))
        << dialog.crossing().text().toStdString();
    EXPECT_EQ(doc.ductLength, lengthBefore);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(StudyDialogTest, ABoxThatIsNoNumberIsRefusedAndSelected) {
    StudyDialog dialog(doc, std::nullopt, port);
    dialog.box(kFirstTo).setText(QStringLiteral("4500m"));
    EXPECT_FALSE(dialog.run());
    ASSERT_EQ(port.messages.size(), 1U);
    EXPECT_NE(port.messages[0].find("Enter a number for To"), std::string::npos);
    EXPECT_EQ(dialog.box(kFirstTo).selectedText(), QStringLiteral("4500m"));
    EXPECT_FALSE(dialog.result().has_value());
}

TEST_F(StudyDialogTest, AGridGivesACurvePerSecondValueAndTheResultsSave) {
    StudyDialog dialog(doc, 17.0, port);
    dialog.useSecond().setChecked(true);
    dialog.box(kFirstSteps).setText(QStringLiteral("5"));
    ASSERT_TRUE(dialog.run());
    dialog.waitForResults();
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(dialog.table().rowCount(), 5 * 3);
    // Both inputs, status, face and fan end: a fan model has no booster pressure column.
    EXPECT_EQ(dialog.table().columnCount(), 5);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString csv = folder.filePath(QStringLiteral("study.csv"));
    const QString svg = folder.filePath(QStringLiteral("study.svg"));
    ASSERT_TRUE(dialog.saveResults(csv));
    ASSERT_TRUE(dialog.saveResults(svg));
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll().count('\n'), 1 + 15);
    QString error;
    EXPECT_FALSE(dialog.saveResults(folder.filePath(QStringLiteral("study.txt")), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace flowmar
