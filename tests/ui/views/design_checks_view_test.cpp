// The Design Checks view in the main window: the boosters example's findings listed after the
// Execute that opening runs, a finding opening the view it is about, the criteria dialog refusing
// what is no number, and the Graph View's shading switched from the View menu.
#include "core/commands/command_table.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "support/no_questions.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_settings.h"
#include "ui/app/shell_questions.h"
#include "ui/dialogs/design_criteria_dialog.h"
#include "ui/views/design_checks_view.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace flowmar {
namespace {

const QString kExamples = QStringLiteral(FLOWMAR_EXAMPLES);

class DesignChecksViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_settings::setDesignCriteria({});
        ASSERT_TRUE(frame.openFile(kExamples + QStringLiteral("/boosters.dct")));
    }
    void TearDown() override { program_settings::setShadeDesignRanges(false); }

    CDesignChecksView* openChecks() {
        frame.viewMenuEntry(templates::kDesignChecks)->trigger();
        return qobject_cast<CDesignChecksView*>(frame.activeView());
    }

    testing::FakeUiPort port;
    testing::NoQuestions questions;
    CMainFrame frame{&port, &questions};
};

TEST_F(DesignChecksViewTest, ListsTheBoostersSuctionAndOpensTheGraphForIt) {
    ASSERT_TRUE(frame.commandAction(commands::kDesignChecks)->isEnabled()) << "toolbar DC";
    CDesignChecksView* view = openChecks();
    ASSERT_NE(view, nullptr);
    QTreeWidget& list = view->list();
    ASSERT_EQ(list.topLevelItemCount(), static_cast<int>(view->findings().size()));
    ASSERT_GE(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("Booster draws on a duct in suction"));
    EXPECT_TRUE(list.topLevelItem(0)->text(1).contains(QStringLiteral("Fan 2")));
    EXPECT_EQ(list.topLevelItem(0)->text(2), QStringLiteral("Fan 2, 670 – 1000 m"));
    EXPECT_FALSE(list.topLevelItem(0)->icon(0).isNull());
    EXPECT_TRUE(view->details().text().endsWith(QStringLiteral("ahead of the fan.")))
        << "the whole explanation of the first finding";

    emit list.itemActivated(list.topLevelItem(0), 0);
    ASSERT_NE(frame.activeView(), nullptr);
    EXPECT_EQ(frame.activeView()->templateId(), templates::kGraph);
}

TEST_F(DesignChecksViewTest, TheProgramsCriteriaReachTheListAtOnce) {
    CDesignChecksView* view = openChecks();
    ASSERT_NE(view, nullptr);
    const auto before = view->findings().size();
    DesignCriteria criteria;
    criteria.requiredFaceQuantity = 100; // far beyond what the boosters deliver
    program_settings::setDesignCriteria(criteria);
    frame.refreshAllModels();
    EXPECT_EQ(view->findings().size(), before + 1);
    EXPECT_EQ(view->findings().back().code, FindingCode::FaceBelowRequired);
    program_settings::setDesignCriteria({});
}

TEST_F(DesignChecksViewTest, TheCriteriaDialogKeepsABoxThatHoldsNoNumber) {
    DesignCriteriaDialog dialog({}, kSI, port);
    dialog.box(0).setText(QStringLiteral("12,5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "still open";
    ASSERT_FALSE(port.messages.empty());
    EXPECT_NE(port.messages.back().find("Enter a number for Required face quantity"),
              std::string::npos);
    EXPECT_EQ(dialog.box(0).selectedText(), QStringLiteral("12,5"));
    dialog.box(0).setText(QStringLiteral("12.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.criteria().requiredFaceQuantity, 12.5);
}

TEST_F(DesignChecksViewTest, ShadingIsAProgramSettingToggledFromTheViewMenu) {
    QAction* shade = frame.commandAction(commands::kShadeDesignRanges);
    ASSERT_NE(shade, nullptr);
    EXPECT_FALSE(shade->isChecked());
    ASSERT_TRUE(shade->isEnabled());
    shade->trigger();
    EXPECT_TRUE(program_settings::shadeDesignRanges());
    EXPECT_TRUE(shade->isChecked());
    shade->trigger();
    EXPECT_FALSE(program_settings::shadeDesignRanges());
}

} // namespace
} // namespace flowmar
