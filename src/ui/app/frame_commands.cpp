// CMainFrame's menus, toolbars and status bar, built from the core's command table: each
// command's action and handler, the states the table gives them, the commands that open a window
// of their own (help, Save Graph As, Design Criteria, Study), the File menu's recent files and the
// status bar's date and time.
#include "core/commands/document_commands.h"
#include "core/commands/fan_commands.h"
#include "core/commands/fan_database_commands.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "core/ui_port.h"
#include "ui/app/app_icons.h"
#include "ui/app/child_frame.h"
#include "ui/app/edit_forwarding.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_settings.h"
#include "ui/app/recovery_keeper.h"
#include "ui/app/shell_questions.h"
#include "ui/core_text.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/design_criteria_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/study_dialog.h"
#include "ui/views/duct_view.h"
#include "ui/views/fan_database_view.h"
#include "ui/views/graph_view.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <ctime>

namespace flowmar {

namespace {

constexpr int kDateTimeRefreshMs = 1000;

// Where the recent files are kept between runs.
const QString kOrganisation = QStringLiteral("Quarrystone");
const QString kRecentFilesKey = QStringLiteral("Recent File List");

QKeySequence keyOf(StandardKey key) {
    switch (key) {
    case StandardKey::New:
        return QKeySequence::New;
    case StandardKey::Open:
        return QKeySequence::Open;
    case StandardKey::Save:
        return QKeySequence::Save;
    case StandardKey::Print:
        return QKeySequence::Print;
    case StandardKey::HelpContents:
        return QKeySequence::HelpContents;
    case StandardKey::Undo:
        return QKeySequence::Undo;
    case StandardKey::Cut:
        return QKeySequence::Cut;
    case StandardKey::Copy:
        return QKeySequence::Copy;
    case StandardKey::Paste:
        return QKeySequence::Paste;
    case StandardKey::NextWindow:
        return QKeySequence(Qt::CTRL | Qt::Key_F6);
    case StandardKey::PreviousWindow:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6);
    case StandardKey::NextPane:
        return QKeySequence(Qt::Key_F6);
    case StandardKey::PreviousPane:
        return QKeySequence(Qt::SHIFT | Qt::Key_F6);
    case StandardKey::None:
        break;
    }
    return {};
}

} // namespace

std::map<int, std::function<void()>> CMainFrame::commandHandlers() {
    using namespace commands;
    const auto onModel = [this](auto command) {
        return [this, command] { onActiveModel(command); };
    };
    std::map<int, std::function<void()>> handlers{
        {kFileNew, [this] { onNew(); }},
        {kSave, [this] { saveActive(); }},
        {kSaveAs, [this] { saveActiveAs(); }},
        {kFileOpen, [this] { onOpen(); }},
        {kClose, [this] { closeActiveDocument(); }},
        {kPrint, [this] { m_printing.printWithDialog(); }},
        {kPrintPreview, [this] { m_printing.preview(); }},
        {kPrintSetup, [this] { m_printing.pageSetup(); }},
        {kExit, [this] { close(); }},
        {kSaveGraphAs, [this] { onSaveGraphAs(); }},
        {kUndo, [] { forwardToFocus("undo"); }},
        {kCut, [] { forwardToFocus("cut"); }},
        {kCopy, [] { forwardToFocus("copy"); }},
        {kPaste, [] { forwardToFocus("paste"); }},
        {kToolbar,
         [this] {
             m_toolbarShown = !m_toolbarShown;
             updateCommands();
         }},
        {kStatusBar,
         [this] {
             statusBar()->setVisible(!statusBar()->isVisible());
             updateCommands();
         }},
        {kFixedQuantityTool, onModel(runFixedQuantityToolCommand)},
        {kShockLosses, onModel(runShockLossesCommand)},
        {kDuctDetails, onModel(runDuctDetailsCommand)},
        {kAddFan, onModel(runAddFanCommand)},
        {kDatabaseAddFan, [this] { onActiveDocument(nullptr, runDatabaseAddFanCommand); }},
        {kEditFan, [this] { onActiveDocument(runEditFanCommand, runDatabaseEditFanCommand); }},
        {kDeleteFan,
         [this] { onActiveDocument(runDeleteFanCommand, runDatabaseDeleteFanCommand); }},
        {kNotepad, onModel(runNotepadCommand)},
        {kExecute, [this] { executeActive(); }},
        {kUnitConversion,
         [this] { onActiveDocument(runUnitConversionCommand, runDatabaseUnitConversionCommand); }},
        {kSortFans, onModel([](CFlowmarDoc& doc, UiPort&) { sortFans(doc); })},
        {kDefineGraph, onModel(runGraphOptionsCommand)},
        {kNewWindow, [this] { onNewWindow(); }},
        {kCascade, [this] { m_mdi->cascadeSubWindows(); }},
        {kTile, [this] { m_mdi->tileSubWindows(); }},
        {kArrangeIcons, [this] { arrangeIcons(); }},
        {kSplit,
         [this] {
             if (CChildFrame* child = activeChildFrame()) {
                 child->toggleSplit();
                 updateCommands();
             }
         }},
        {kNextWindow, [this] { m_mdi->activateNextSubWindow(); }},
        {kPreviousWindow, [this] { m_mdi->activatePreviousSubWindow(); }},
        {kNextPane,
         [this] {
             if (CChildFrame* child = activeChildFrame()) {
                 child->movePane(1);
             }
         }},
        {kPreviousPane,
         [this] {
             if (CChildFrame* child = activeChildFrame()) {
                 child->movePane(-1);
             }
         }},
        {kHelpContents, [this] { onHelpContents(); }},
        {kDesignCriteria, [this] { onDesignCriteria(); }},
        {kStudy, [this] { onStudy(); }},
        {kShadeDesignRanges,
         [this] {
             program_settings::setShadeDesignRanges(!program_settings::shadeDesignRanges());
             refreshAllModels();
         }},
        {kAbout,
         [this] {
             AboutDialog dialog(this);
             dialog.exec();
         }},
    };
    for (const CommandInfo& command : commandTable()) {
        if (command.ownMenuEntry) {
            handlers[command.id] = [this, id = command.id] { showView(id); };
        }
    }
    return handlers;
}

void CMainFrame::createCommands() {
    std::map<int, std::function<void()>> handlers = commandHandlers();
    for (const CommandInfo& command : commandTable()) {
        const QString menuText = coreText(command.menuText);
        auto* action = new QAction(commandIcon(command.id), menuText, this);
        action->setData(command.id);
        action->setShortcut(keyOf(command.key));
        action->setStatusTip(QString(menuText).remove(QLatin1Char('&')));
        action->setCheckable(command.checkable);
        if (auto handler = handlers.find(command.id); handler != handlers.end()) {
            connect(action, &QAction::triggered, this, handler->second);
        }
        // After the command: whatever it changed is copied soon.
        connect(action, &QAction::triggered, this, [this] {
            if (m_keeper) {
                m_keeper->documentsChanged();
            }
        });
        m_commands[command.id] = action;
        if (command.ownMenuEntry) {
            auto* entry = new QAction(menuText, this);
            connect(entry, &QAction::triggered, this, [this, id = command.id] { showView(id); });
            m_ownMenuEntries[command.id] = entry;
        }
    }
}

void CMainFrame::createMenus() {
    for (const MenuInfo& info : mainMenus()) {
        QMenu* menu = menuBar()->addMenu(coreText(info.title));
        for (const int id : info.entries) {
            if (id == commands::kSeparator) {
                menu->addSeparator();
            } else if (id == commands::kRecentFiles) {
                for (int i = 0; i < RecentFiles::kMaxRecentFiles; ++i) {
                    auto* action = new QAction(this);
                    action->setVisible(false);
                    connect(action, &QAction::triggered, this,
                            [this, action] { openRecentFile(action->data().toString()); });
                    m_recentFileActions.push_back(action);
                    menu->addAction(action);
                }
            } else if (id == commands::kWindowList) {
                // The open windows are listed at the menu's end, rebuilt as they come and go.
                m_windowMenu = menu;
            } else if (const auto own = m_ownMenuEntries.find(id); own != m_ownMenuEntries.end()) {
                menu->addAction(own->second);
            } else {
                menu->addAction(m_commands.at(id));
            }
        }
        m_menus.emplace_back(&info, menu);
    }
}

void CMainFrame::createToolBars() {
    for (const Toolbar which : {Toolbar::Duct, Toolbar::FanDatabase}) {
        QToolBar* bar = addToolBar(coreText(toolbarTitle(which)));
        bar->setObjectName(which == Toolbar::Duct ? QStringLiteral("ductToolBar")
                                                  : QStringLiteral("databaseToolBar"));
        for (const int id : toolbarCommands(which)) {
            if (id == commands::kSeparator) {
                bar->addSeparator();
            } else {
                bar->addAction(m_commands.at(id));
            }
        }
        m_toolBars[which] = bar;
    }
    switchToolbar(Toolbar::FanDatabase);
}

void CMainFrame::createStatusBar() {
    m_datePane = new QLabel;
    m_timePane = new QLabel;
    for (QLabel* pane : {m_datePane, m_timePane}) {
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::StyledPanel);
        statusBar()->addPermanentWidget(pane);
    }
    statusBar()->showMessage(coreText(labels::kReady));
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::refreshDateAndTime);
    timer->start(kDateTimeRefreshMs);
    refreshDateAndTime();
}

void CMainFrame::refreshDateAndTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    for (const auto& [pane, format] : {std::pair{m_datePane, "%x"}, std::pair{m_timePane, "%X"}}) {
        char shownText[64] = {};
        std::strftime(shownText, sizeof shownText, format, &local);
        const QString shown = QString::fromLocal8Bit(shownText);
        // The pane is exactly as wide as its text (plus the frame).
        pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(shown) + 12);
        pane->setText(shown);
    }
}

void CMainFrame::switchToolbar(Toolbar which) {
    for (const auto& [kind, bar] : m_toolBars) {
        bar->setVisible(kind == which);
    }
}

void CMainFrame::showNotAvailable(const QString& what) {
    // The notice opens a sentence: "The fan database view is not part of this version."
    QString notice = what + coreText(labels::kNotInThisVersion);
    notice[0] = notice[0].toUpper();
    statusBar()->showMessage(notice, kStatusMessageMs);
}

QAction* CMainFrame::commandAction(int commandId) const {
    const auto it = m_commands.find(commandId);
    return it == m_commands.end() ? nullptr : it->second;
}

CommandContext CMainFrame::commandContext() const {
    CommandContext context;
    const DuctView* view = activeView();
    if (view != nullptr) {
        context.document = ActiveDocument::DuctModel;
        context.activeView = view->templateId();
        context.viewCanPrint = view->canPrint();
    } else if (activeDatabaseView() != nullptr) {
        context.document = ActiveDocument::FanDatabase;
        context.activeView = templates::kFanDatabase;
        context.viewCanPrint = true;
    }
    context.toolbarShown = m_toolbarShown;
    context.statusBarShown = !statusBar()->isHidden();
    context.shadeDesignRanges = program_settings::shadeDesignRanges();
    return context;
}

void CMainFrame::updateCommands() {
    const CommandContext context = commandContext();
    for (const auto& [info, menu] : m_menus) {
        menu->menuAction()->setVisible(menuShown(*info, context));
    }
    for (const auto& [id, action] : m_commands) {
        const CommandState state = commandState(id, context);
        action->setEnabled(state.enabled);
        action->setChecked(state.checked);
        if (const auto own = m_ownMenuEntries.find(id); own != m_ownMenuEntries.end()) {
            own->second->setEnabled(state.enabled);
            own->second->setVisible(state.visible);
        } else {
            action->setVisible(state.visible);
        }
    }
    switchToolbar(toolbarFor(context));
}

// ---- Commands that open a window

HelpWindow* CMainFrame::helpWindow() const {
    return qobject_cast<HelpWindow*>(m_helpWindow.data());
}

void CMainFrame::onHelpContents() {
    if (m_helpWindow != nullptr) {
        m_helpWindow->raise();
        m_helpWindow->activateWindow();
        return;
    }
    const QString guide = findUserGuide();
    if (guide.isEmpty()) {
        showNotAvailable(coreText(labels::kHelpFile));
        return;
    }
    m_helpWindow = new HelpWindow(guide, this);
    m_helpWindow->show();
}

void CMainFrame::onSaveGraphAs() {
    auto* graph = qobject_cast<CGraphView*>(activeView());
    OpenDocument* open = activeOpenDocument();
    if (graph == nullptr || open == nullptr) {
        return;
    }
    const std::string title = open->plainTitle();
    // The picture is offered beside its model, named after it.
    std::filesystem::path suggested = title.substr(0, title.find('.')) + ".png";
    if (!open->path.empty()) {
        suggested = open->path.parent_path() / suggested;
    }
    const auto path = m_questions->chooseSavePath(suggested.string(), labels::kGraphPictureFilter);
    QString error;
    if (path && !path->empty() &&
        !graph->saveGraphAs(QString::fromStdString(path->string()), &error)) {
        m_port->showMessage(error.toStdString());
    }
}

void CMainFrame::onDesignCriteria() {
    const CFlowmarDoc* doc = activeDocument();
    DesignCriteriaDialog dialog(program_settings::designCriteria(),
                                doc == nullptr ? kSI : doc->unitSystem, *m_port, this);
    if (dialog.exec() == QDialog::Accepted) {
        program_settings::setDesignCriteria(dialog.criteria());
        refreshAllModels();
    }
}

void CMainFrame::onStudy() {
    const CFlowmarDoc* doc = activeDocument();
    if (doc == nullptr) {
        return;
    }
    StudyDialog dialog(*doc,
                       program_settings::criteriaFor(doc->designCriteria).requiredFaceQuantity,
                       *m_port, this);
    dialog.exec();
}

// ---- Recent files

void CMainFrame::followRecentFiles() {
    m_documents.recentFiles().setFiles([] {
        std::vector<std::string> files;
        const QStringList stored = QSettings(kOrganisation, coreText(labels::kProgramName))
                                       .value(kRecentFilesKey)
                                       .toStringList();
        for (const QString& file : stored) {
            files.push_back(file.toStdString());
        }
        return files;
    }());
    m_documents.recentFiles().changed = [this](const std::vector<std::string>& files) {
        storeRecentFiles(files);
    };
    rebuildRecentFiles();
}

void CMainFrame::storeRecentFiles(const std::vector<std::string>& files) {
    QStringList stored;
    for (const std::string& file : files) {
        stored << QString::fromStdString(file);
    }
    QSettings(kOrganisation, coreText(labels::kProgramName)).setValue(kRecentFilesKey, stored);
    rebuildRecentFiles();
}

void CMainFrame::rebuildRecentFiles() {
    const std::vector<std::string>& files = m_documents.recentFiles().files();
    const std::vector<std::string> shown = m_documents.recentFiles().shownNames();
    for (std::size_t i = 0; i < m_recentFileActions.size(); ++i) {
        QAction* action = m_recentFileActions[i];
        if (i < files.size()) {
            const QString file = QString::fromStdString(files[i]);
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromStdString(shown[i])));
            action->setStatusTip(file);
            action->setData(file);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

bool CMainFrame::openRecentFile(const QString& path) {
    if (openFile(path)) {
        return true;
    }
    // The open said why it failed; an entry whose file is gone would fail every time.
    if (!QFileInfo::exists(path)) {
        m_documents.recentFiles().remove(path.toStdString());
    }
    return false;
}

} // namespace flowmar
