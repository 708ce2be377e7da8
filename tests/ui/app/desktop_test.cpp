// The desktop program as a person first meets it: how windows open and size, the Window menu,
// printing that cannot start, the file dialogs and the recent files.
#include "core/commands/command_table.h"
#include "core/model/document_templates.h"
#include "core/model/messages.h"
#include "core/model/version.h"
#include "support/fake_ui_port.h"
#include "ui/app/child_frame.h"
#include "ui/app/desktop_usage.h"
#include "ui/app/flowmar_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/shell_questions.h"
#include "ui/dialogs/help_window.h"
#include "ui/views/duct_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

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

// Two models open, each with its Summary of Input Data: the captions are alike, so the list must
// name each window's model to tell them apart, and mark the active one.
TEST_F(DesktopTest, TheWindowMenuListsTwoModelsWindowsApartAndChecksTheActiveOne) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("boosters.dct"))));
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("exhausting.dct"))));
    ASSERT_TRUE(frame.showView(templates::kGraph));
    const std::vector<QAction*>& list = frame.windowListActions();
    ASSERT_EQ(list.size(), 3u);
    QStringList texts;
    for (const QAction* action : list) {
        texts << action->text();
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&1 Summary of Input Data — boosters.dct"),
                                  QStringLiteral("&2 Summary of Input Data — exhausting.dct"),
                                  QStringLiteral("&3 Graph View — exhausting.dct")}));
    EXPECT_FALSE(list[0]->isChecked());
    EXPECT_TRUE(list[2]->isChecked()) << "the active window is checked";
    EXPECT_EQ(current()->windowTitle(), QStringLiteral("Graph View")) << "captions stay plain";

    list[0]->trigger();
    EXPECT_EQ(frame.activeDocument()->title().rfind("boosters.dct", 0), 0u);
    EXPECT_TRUE(frame.windowListActions()[0]->isChecked());

    // Ctrl+F6 and Ctrl+Shift+F6 go round the windows.
    QMdiSubWindow* before = current();
    frame.commandAction(commands::kNextWindow)->trigger();
    EXPECT_NE(current(), before);
    frame.commandAction(commands::kPreviousWindow)->trigger();
    EXPECT_EQ(current(), before);
    EXPECT_EQ(frame.commandAction(commands::kNextWindow)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_F6));

    // Closing a window takes it off the list.
    frame.commandAction(commands::kNextWindow)->trigger();
    current()->close();
    QApplication::processEvents();
    EXPECT_EQ(frame.windowListActions().size(), 2u);
}

TEST_F(DesktopTest, SplitMakesFourPanesOfTheViewAndF6MovesBetweenThem) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("boosters.dct"))));
    auto* child = qobject_cast<CChildFrame*>(current()->widget());
    ASSERT_NE(child, nullptr);
    QAction* split = frame.commandAction(commands::kSplit);
    ASSERT_TRUE(split->isEnabled());
    split->trigger();
    ASSERT_TRUE(child->isSplit());
    ASSERT_EQ(child->views().size(), 4u) << "at most 2 x 2 panes";
    for (const DuctView* pane : child->views()) {
        EXPECT_EQ(pane->templateId(), templates::kSummaryOfInput);
        EXPECT_EQ(&pane->document(), frame.activeDocument()) << "every pane shows the model";
    }
    int panes = 0;
    for (const QSplitter* splitter : child->findChildren<QSplitter*>()) {
        for (int i = 0; i < splitter->count(); ++i) {
            if (qobject_cast<QSplitter*>(splitter->widget(i)) == nullptr) {
                ++panes;
                EXPECT_EQ(splitter->widget(i)->minimumSize(), kMinimumPane);
            }
        }
    }
    EXPECT_EQ(panes, 4);
    // F6 moves the active pane on, Shift+F6 back, round the frame.
    EXPECT_EQ(frame.activeView(), child->views()[0]);
    frame.commandAction(commands::kNextPane)->trigger();
    EXPECT_EQ(frame.activeView(), child->views()[1]);
    frame.commandAction(commands::kPreviousPane)->trigger();
    frame.commandAction(commands::kPreviousPane)->trigger();
    EXPECT_EQ(frame.activeView(), child->views()[3]);
    EXPECT_EQ(frame.commandAction(commands::kNextPane)->shortcut(), QKeySequence(Qt::Key_F6));

    // Split again: back to the one view.
    split->trigger();
    EXPECT_FALSE(child->isSplit());
    EXPECT_EQ(child->views().size(), 1u);
    EXPECT_EQ(frame.activeView(), child->views()[0]);

    // The Fan Curve View's two panes are fixed.
    ASSERT_TRUE(frame.showView(templates::kFanCurve));
    EXPECT_FALSE(split->isEnabled());
}

// Save Graph As through the real file dialog: it starts beside the model, and a name typed
// without an extension takes the one of the filter chosen, for each kind of picture.
TEST(SaveGraphAs, ABareNameTakesTheChosenFiltersExtensionBesideTheModel) {
    QTemporaryDir folder;
    const QString models = folder.filePath(QStringLiteral("models"));
    QDir().mkpath(models);
    const QString model = models + QStringLiteral("/boosters.dct");
    QFile::copy(kExamples + QStringLiteral("/boosters.dct"), model);
    QFile(model).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    testing::FakeUiPort port;
    CMainFrame frame(&port);
    frame.show();
    ASSERT_TRUE(frame.openFile(model));
    ASSERT_TRUE(frame.showView(templates::kGraph));
    const std::pair<QString, QString> filters[] = {
        {QStringLiteral("PNG image (*.png)"), QStringLiteral("bare-picture.png")},
        {QStringLiteral("SVG drawing (*.svg)"), QStringLiteral("bare-drawing.svg")},
        {QStringLiteral("PDF document (*.pdf)"), QStringLiteral("bare-document.pdf")},
    };
    for (const auto& [filter, written] : filters) {
        QString startedIn;
        bool ran = false;
        QTimer::singleShot(0, [&, filter = filter, written = written] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                ADD_FAILURE() << "no file dialog";
                return;
            }
            ran = true;
            startedIn = dialog->directory().absolutePath();
            dialog->selectNameFilter(filter);
            dialog->selectFile(QFileInfo(written).completeBaseName());
            QMetaObject::invokeMethod(dialog, "accept");
        });
        frame.commandAction(commands::kSaveGraphAs)->trigger();
        ASSERT_TRUE(ran) << filter.toStdString();
        EXPECT_EQ(QDir(startedIn), QDir(models)) << "the dialog starts in the model's folder";
        EXPECT_TRUE(QFile::exists(models + QLatin1Char('/') + written)) << written.toStdString();
    }
    EXPECT_TRUE(port.messages.empty()) << port.messages.front();
}

TEST_F(DesktopTest, ARecentFileThatIsGoneSaysSoAndLeavesTheList) {
    const QString kept = copyOfExample(QStringLiteral("boosters.dct"), QStringLiteral("north"));
    const QString gone = copyOfExample(QStringLiteral("boosters.dct"), QStringLiteral("south"));
    ASSERT_TRUE(frame.openFile(kept));
    ASSERT_TRUE(frame.openFile(gone));
    ASSERT_TRUE(frame.closeActiveDocument());
    ASSERT_TRUE(frame.closeActiveDocument());
    const std::vector<QAction*>& recent = frame.recentFileActions();
    // Two files of one name: the menu says which is which (with more of the path when earlier
    // runs left a file of that name in a folder of that name).
    EXPECT_TRUE(recent[0]->text().endsWith(QStringLiteral("south/boosters.dct")))
        << recent[0]->text().toStdString();
    EXPECT_TRUE(recent[1]->text().endsWith(QStringLiteral("north/boosters.dct")))
        << recent[1]->text().toStdString();

    ASSERT_TRUE(QFile::remove(gone));
    port.messages.clear();
    recent[0]->trigger();
    EXPECT_EQ(port.messages.size(), 1u) << "the failed open says why";
    EXPECT_EQ(frame.documentCount(), 0);
    // Earlier runs may have left entries of their own behind the two.
    EXPECT_EQ(recent[0]->data().toString(), kept) << "the dead entry is gone";
    for (const QAction* entry : recent) {
        EXPECT_NE(entry->data().toString(), gone);
    }
}

// Edit > Copy reached through the menu bar from the keyboard: the menu bar holds the focus then
// (and the box has lost its selection), and the copy must still take the box the person was in.
TEST_F(DesktopTest, EditCopyThroughTheMenuBarCopiesTheBoxThatHadTheFocus) {
    ASSERT_TRUE(frame.openFile(copyOfExample(QStringLiteral("boosters.dct"))));
    frame.activateWindow();
    QLineEdit* box = nullptr;
    for (QLineEdit* edit : frame.activeView()->findChildren<QLineEdit*>()) {
        if (!edit->text().isEmpty()) {
            box = edit;
            break;
        }
    }
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->selectAll();
    ASSERT_EQ(QApplication::focusWidget(), box);
    QApplication::clipboard()->clear();
    frame.menuBar()->setFocus(Qt::MenuBarFocusReason);
    frame.commandAction(commands::kCopy)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), box->text());
    // A chart has nothing to copy: the command does nothing, and says nothing on the console.
    ASSERT_TRUE(frame.showView(templates::kGraph));
    frame.activeView()->setFocus();
    QApplication::clipboard()->clear();
    frame.commandAction(commands::kCopy)->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

TEST(StartUp, HelpAndVersionAnswerOnStandardOutputAndEnd) {
    for (const auto& [option, expected] :
         {std::pair{QStringLiteral("--help"), std::string(kDesktopUsage)},
          std::pair{QStringLiteral("--version"), std::string(kVersion) + "\n"}}) {
        std::ostringstream err;
        std::ostringstream out;
        CFlowmarApp app(err, out);
        EXPECT_TRUE(app.initInstance({option}));
        EXPECT_TRUE(app.finished()) << "no window opens";
        EXPECT_EQ(app.exitStatus(), 0);
        EXPECT_EQ(out.str(), expected);
        EXPECT_TRUE(err.str().empty());
    }
}

// A file named on the command line that cannot be read: its message box stands over the main
// window, which is already shown, not alone at the corner of the screen before it.
TEST(StartUp, AMessageAboutTheFileShowsOverTheShownMainWindow) {
    QTemporaryDir folder;
    const QString damaged = folder.filePath(QStringLiteral("damaged.dct"));
    std::ofstream(damaged.toStdString()) << "not a model";
    CFlowmarApp app;
    bool shown = false;
    bool overMainWindow = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box";
            return;
        }
        shown = app.mainFrame() != nullptr && app.mainFrame()->isVisible();
        overMainWindow = box->parentWidget() == app.mainFrame();
        EXPECT_EQ(box->icon(), QMessageBox::Warning) << "a failure carries the warning icon";
        box->accept();
    });
    EXPECT_TRUE(app.initInstance({damaged, QStringLiteral("--no-splash")}));
    EXPECT_TRUE(shown) << "the main window was shown before the message";
    EXPECT_TRUE(overMainWindow);
}

// Help > Contents (F1) shows the guide shipped with the program in its own window: found from the
// build tree here, and beside the program once installed.
TEST_F(DesktopTest, HelpContentsShowsTheUsersGuideInTheProgramsOwnWindow) {
    QAction* contents = frame.commandAction(commands::kHelpContents);
    EXPECT_EQ(contents->shortcut(), QKeySequence(QKeySequence::HelpContents));
    contents->trigger();
    HelpWindow* help = frame.helpWindow();
    ASSERT_NE(help, nullptr) << "no guide found";
    EXPECT_TRUE(help->isVisible());
    const QString text = help->browser()->toPlainText();
    for (const char* section : {"Opening and running a model", "The views", "Printing",
                                "The command line", "Models as JSON"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(section))) << section;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("## "))) << "Markdown is shown formatted";
    contents->trigger();
    EXPECT_EQ(frame.helpWindow(), help) << "one help window, brought to the front";
    EXPECT_TRUE(
        userGuideCandidates().front().endsWith(QStringLiteral("/share/doc/flowmar/user-guide.md")));
}

struct PrintCase {
    const char* why;
    QString model;     // under the examples, or a file written by the test
    QStringList print; // the print request
    PrintStatus status;
    std::string said; // what standard error must contain
    bool pdfWritten;
    friend void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.why; }
};

// A print from the command line ends with the status the README gives, says why it failed, and
// never reports success for pages nobody got.
TEST(CommandLinePrinting, EndsWithAStatusThatSaysWhetherThePagesWereWritten) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    const QString lost = folder.filePath(QStringLiteral("no/such/folder/out.pdf"));
    const QString noFans = folder.filePath(QStringLiteral("no-fans.json"));
    std::ofstream(noFans.toStdString()) << R"({"ductLength": 1000, "ductDiameter": 0.9})";
    const QString boosters = kExamples + QStringLiteral("/boosters.dct");
    const bool noPrinters = QPrinterInfo::availablePrinterNames().isEmpty();
    const std::vector<PrintCase> cases{
        {"a model that executes prints and succeeds",
         boosters,
         {QStringLiteral("--print-to"), pdf},
         PrintStatus::Printed,
         "",
         true},
        {"Execute stops on a check: the pages are written, the status says so",
         noFans,
         {QStringLiteral("--print-to"), pdf},
         PrintStatus::ExecuteStopped,
         std::string(messages::kNoFanDefined),
         true},
        {"a missing folder: nothing can be written, and the run must not claim it was",
         boosters,
         {QStringLiteral("--print-to"), lost},
         PrintStatus::CannotPrint,
         messages::cannotPrintTo(lost.toStdString(), ""),
         false},
        {"a printer that does not exist",
         boosters,
         {QStringLiteral("--print-to"), QStringLiteral("No Such Printer 17")},
         PrintStatus::CannotPrint,
         noPrinters ? std::string(messages::kNoPrinter)
                    : messages::cannotPrintTo("No Such Printer 17", messages::kNoSuchPrinter),
         false},
        {"a file that cannot be read",
         folder.filePath(QStringLiteral("missing.dct")),
         {QStringLiteral("--print-to"), pdf},
         PrintStatus::CannotPrint,
         "Cannot open \"",
         false},
    };
    for (const PrintCase& c : cases) {
        QFile::remove(pdf);
        std::ostringstream err;
        CFlowmarApp app(err);
        app.initInstance(QStringList{c.model} + c.print);
        EXPECT_TRUE(app.finished() || c.status == PrintStatus::CannotPrint) << c.why;
        EXPECT_EQ(app.exitStatus(), static_cast<int>(c.status)) << c.why;
        // The message without its closing reason: the system words the reason.
        const std::string said = c.said.substr(0, c.said.find("\": ") + 2);
        EXPECT_NE(err.str().find(said), std::string::npos) << c.why << ": " << err.str();
        EXPECT_EQ(QFile::exists(pdf), c.pdfWritten) << c.why;
        EXPECT_FALSE(QFile::exists(lost)) << c.why;
    }
    if (noPrinters) {
        // With no printer at all a plain --print has nowhere to go.
        std::ostringstream err;
        CFlowmarApp app(err);
        app.initInstance({boosters, QStringLiteral("--print")});
        EXPECT_EQ(app.exitStatus(), static_cast<int>(PrintStatus::CannotPrint));
        EXPECT_NE(err.str().find(messages::kNoPrinter), std::string::npos) << err.str();
    }
}

} // namespace
} // namespace flowmar
