// The desktop program as a person first meets it: how windows open and size, the Window menu,
// printing that cannot start, the file dialogs and the recent files.
#include "core/commands/command_table.h"
#include "core/model/document_templates.h"
#include "support/fake_ui_port.h"
#include "ui/app/child_frame.h"
#include "ui/app/flowmar_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/shell_questions.h"
#include "ui/views/duct_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace flowmar {
namespace {

const QString kExamples = QStringLiteral(FLOWMAR_EXAMPLES);

class ScriptedQuestions : public ShellQuestions {
public:
    QString savePath;
    QString openPath;
    QString openFilter;
    std::string saveFilter;
    std::string suggested;

    SaveAnswer askSaveChanges(std::string_view) override { return SaveAnswer::Discard; }
    std::optional<std::filesystem::path> chooseSavePath(std::string_view name,
                                                        std::string_view filter) override {
        suggested = name;
        saveFilter = filter;
        if (savePath.isEmpty()) {
            return std::nullopt;
        }
        return std::filesystem::path(savePath.toStdString());
    }
    QString chooseOpenPath(const QString& filter) override {
        openFilter = filter;
        return openPath;
    }
};

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.resize(1200, 900);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    QString copyOfExample(const QString& name, const QString& folder = QString()) {
        const QString dir = folder.isEmpty() ? m_folder.path() : m_folder.filePath(folder);
        QDir().mkpath(dir);
        const QString path = dir + QLatin1Char('/') + name;
        QFile::copy(kExamples + QLatin1Char('/') + name, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    // Lets queued sizing and the layouts it sets off run.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    }

    QMdiSubWindow* current() const { return frame.mdiArea()->currentSubWindow(); }

    testing::FakeUiPort port;
    ScriptedQuestions questions;
    CMainFrame frame{&port, &questions};
    QTemporaryDir m_folder;
};

TEST_F(DesktopTest, TheFirstViewIsMaximisedAndALaterOneShowsItsWholeForm) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("boosters.dct"))));
    ASSERT_NE(current(), nullptr);
    EXPECT_TRUE(current()->isMaximized()) << "the Summary of Input Data fills the main window";

    current()->showNormal();
    ASSERT_TRUE(frame.showView(templates::kSummaryOfResults));
    QMdiSubWindow* results = current();
    settle();
    ASSERT_FALSE(results->isMaximized());
    const auto* child = qobject_cast<CChildFrame*>(results->widget());
    ASSERT_NE(child, nullptr);
    // The main window has room for the whole form: no scroll bar is needed to read it.
    EXPECT_GE(child->width(), child->view()->sizeHint().width());
    EXPECT_GE(child->height(), child->view()->sizeHint().height());
    for (const QScrollBar* bar : child->findChildren<QScrollBar*>()) {
        EXPECT_FALSE(bar->isVisible()) << "the form is shown whole";
    }
}

TEST_F(DesktopTest, TheGraphViewNeverScrollsItFillsItsWindow) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("boosters.dct"))));
    current()->showNormal();
    ASSERT_TRUE(frame.showView(templates::kGraph));
    QMdiSubWindow* graph = current();
    ASSERT_FALSE(graph->isMaximized());
    settle();
    graph->resize(150, 120);
    settle();
    EXPECT_EQ(graph->size(), QSize(150, 120)) << "the picture does not hold the window open";
    const auto* child = qobject_cast<CChildFrame*>(graph->widget());
    ASSERT_NE(child, nullptr);
    for (const QScrollBar* bar : child->findChildren<QScrollBar*>()) {
        EXPECT_FALSE(bar->isVisible()) << "no scroll bar in the Graph View";
    }
    const DuctView* view = child->view();
    EXPECT_EQ(view->width(), child->width()) << "the picture fills the frame's width";
    EXPECT_GT(view->height(), 0);
}

} // namespace
} // namespace flowmar
