#include "ui/app/main_frame.h"

#include "core/commands/document_commands.h"
#include "core/commands/execute_command.h"
#include "core/commands/fan_commands.h"
#include "core/commands/fan_database_commands.h"
#include "core/commands/recovery_list.h"
#include "core/files/file_filter.h"
#include "core/files/model_file.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "ui/app/app_icons.h"
#include "ui/app/child_frame.h"
#include "ui/app/frame_factory.h"
#include "ui/app/program_settings.h"
#include "ui/app/qt_ui_port.h"
#include "ui/app/recovery_keeper.h"
#include "ui/app/shell_questions.h"
#include "ui/core_text.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/design_criteria_dialog.h"
#include "ui/dialogs/dialog_recovery.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/splash_window.h"
#include "ui/dialogs/study_dialog.h"
#include "ui/views/duct_view.h"
#include "ui/views/fan_database_view.h"
#include "ui/views/graph_view.h"
#include "ui/views/page_printing.h"
#include "ui/views/view_factory.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <ctime>

namespace flowmar {

namespace {

constexpr int kDateTimeRefreshMs = 1000;
constexpr int kStatusMessageMs = 8000;

// Where the recent files are kept between runs.
const QString kOrganisation = QStringLiteral("Quarrystone");
const QString kRecentFilesKey = QStringLiteral("Recent File List");

QString programName() {
    return coreText(labels::kProgramName);
}

QString templateTitle(int templateId) {
    const DocumentTemplate* t = findTemplate(templateId);
    return t == nullptr ? QString()
                        : coreText(templateField(t->templateString, TemplateField::WindowTitle));
}

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

// Printed pages turn as the view asks: the summaries stand, the graph lies.
QPageLayout::Orientation pageOrientation(const DuctView& view) {
    return view.portrait() ? QPageLayout::Portrait : QPageLayout::Landscape;
}

// The control that last had the focus outside the menus: reached from the keyboard through the
// menu bar, the Edit menu's commands would otherwise go to the menu bar itself.
QPointer<QWidget>& editTarget() {
    static QPointer<QWidget> target;
    return target;
}

void followEditTarget(QWidget* now) {
    if (now != nullptr && qobject_cast<QMenuBar*>(now) == nullptr &&
        qobject_cast<QMenu*>(now) == nullptr) {
        editTarget() = now;
    }
}

// The Edit menu's commands go to that control, as its own slots, when it has them (a box or a
// text does; a chart has nothing to copy).
void forwardToFocus(const char* slot) {
    QPointer<QWidget> target = QApplication::focusWidget();
    if (target == nullptr || qobject_cast<QMenuBar*>(target) != nullptr ||
        qobject_cast<QMenu*>(target) != nullptr) {
        target = editTarget();
    }
    // A box left for the menu bar loses its selection: Copy then takes the box's whole value.
    auto* box = qobject_cast<QLineEdit*>(target.data());
    if (box != nullptr && qstrcmp(slot, "copy") == 0 && !box->hasSelectedText() &&
        box->echoMode() == QLineEdit::Normal) {
        QApplication::clipboard()->setText(box->text());
        return;
    }
    const QByteArray signature = QByteArray(slot) + "()";
    if (target != nullptr && target->metaObject()->indexOfSlot(signature.constData()) >= 0) {
        QMetaObject::invokeMethod(target, slot);
    }
}

} // namespace

CMainFrame::CMainFrame(UiPort* port, ShellQuestions* questions)
    : m_ownPort(port != nullptr
                    ? nullptr
                    : std::make_unique<QtUiPort>(
                          this, [this](const QString& what) { showNotAvailable(what); })),
      m_ownQuestions(questions != nullptr ? nullptr : std::make_unique<DialogShellQuestions>(this)),
      m_port(port != nullptr ? port : m_ownPort.get()),
      m_questions(questions != nullptr ? questions : m_ownQuestions.get()), m_documents(*m_port),
      m_mdi(new QMdiArea) {
    setWindowIcon(applicationIcon());
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        updateCommands();
        updateTitle();
    });
    connect(qApp, &QApplication::focusChanged, this,
            [](QWidget*, QWidget* now) { followEditTarget(now); });
    createCommands();
    createMenus();
    createToolBars();
    createStatusBar();
    SplashWindow::showSplash(this);
    setAcceptDrops(true);
    m_documents.recentFiles().setFiles([] {
        std::vector<std::string> files;
        const QStringList stored =
            QSettings(kOrganisation, programName()).value(kRecentFilesKey).toStringList();
        for (const QString& file : stored) {
            files.push_back(file.toStdString());
        }
        return files;
    }());
    m_documents.recentFiles().changed = [this](const std::vector<std::string>& files) {
        storeRecentFiles(files);
    };
    rebuildRecentFiles();
    updateCommands();
    updateTitle();
    resize(1100, 760);
}

CMainFrame::~CMainFrame() {
    // The views refer to their documents, and the frames tell this window when they go: let the
    // frames go first, without telling, while the documents still exist. Frames already closed
    // but not yet deleted are among them.
    for (const auto& [document, frames] : m_frames) {
        for (QMdiSubWindow* frame : frames.frames) {
            frame->disconnect(this);
            frame->removeEventFilter(this);
        }
    }
    delete m_mdi;
}

// ---- Building the window from the command table

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
        {kPrint, [this] { onPrint(); }},
        {kPrintPreview, [this] { onPrintPreview(); }},
        {kPrintSetup,
         [this] {
             QPageSetupDialog dialog(&m_printer, this);
             dialog.exec();
         }},
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

void CMainFrame::updateTitle() {
    const OpenDocument* open = activeOpenDocument();
    setWindowTitle(open == nullptr ? programName()
                                   : programName() + QStringLiteral(" - ") +
                                         QString::fromStdString(open->state().title()));
    rebuildWindowList();
}

CChildFrame* CMainFrame::activeChildFrame() const {
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    return sub == nullptr ? nullptr : qobject_cast<CChildFrame*>(sub->widget());
}

void CMainFrame::rebuildWindowList() {
    for (QAction* action : m_windowListActions) {
        delete action;
    }
    m_windowListActions.clear();
    if (m_windowMenu == nullptr) {
        return;
    }
    int number = 0;
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        const DocumentState* state = nullptr;
        if (const auto* child = qobject_cast<CChildFrame*>(sub->widget())) {
            state = &child->document();
        } else if (const auto* database = qobject_cast<CFanDatabase*>(sub->widget())) {
            state = &database->document();
        }
        const OpenDocument* open = state == nullptr ? nullptr : m_documents.find(state);
        if (open == nullptr) {
            continue; // a frame on its way out
        }
        auto* action =
            new QAction(coreText(windowListText(++number, sub->windowTitle().toStdString(),
                                                open->plainTitle())),
                        m_windowMenu);
        action->setCheckable(true);
        action->setChecked(sub == m_mdi->currentSubWindow());
        connect(action, &QAction::triggered, this, [this, sub] {
            if (sub->isMinimized()) {
                sub->showNormal();
            }
            m_mdi->setActiveSubWindow(sub);
        });
        m_windowMenu->addAction(action);
        m_windowListActions.push_back(action);
    }
}

void CMainFrame::arrangeIcons() {
    // Minimised windows line up along the bottom of the area, left to right.
    int x = 0;
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (sub->isMinimized()) {
            sub->move(x, m_mdi->viewport()->height() - sub->height());
            x += sub->width();
        }
    }
}

// ---- Documents and their frames

CFlowmarDoc* CMainFrame::activeDocument() const {
    const DuctView* view = activeView();
    return view == nullptr ? nullptr : &view->document();
}

DuctView* CMainFrame::activeView() const {
    // The current frame counts even while another window has the focus.
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    if (sub == nullptr) {
        return nullptr;
    }
    const auto* frame = qobject_cast<CChildFrame*>(sub->widget());
    if (frame == nullptr) {
        return nullptr;
    }
    // A frame whose document has already gone (it is being destroyed) has no active view.
    DuctView* view = frame->view();
    return m_frames.contains(&view->document()) ? view : nullptr;
}

CFanDatabase* CMainFrame::activeDatabaseView() const {
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    auto* view = sub == nullptr ? nullptr : qobject_cast<CFanDatabase*>(sub->widget());
    // A view whose database has already gone (it is being destroyed) is not active.
    return view != nullptr && m_frames.contains(&view->document()) ? view : nullptr;
}

OpenDocument* CMainFrame::activeOpenDocument() const {
    if (const CFlowmarDoc* doc = activeDocument()) {
        return m_documents.find(doc);
    }
    const CFanDatabase* database = activeDatabaseView();
    return database == nullptr ? nullptr : m_documents.find(&database->document());
}

const std::vector<QMdiSubWindow*>& CMainFrame::framesOf(const DocumentState* document) const {
    static const std::vector<QMdiSubWindow*> none;
    const auto it = m_frames.find(document);
    return it == m_frames.end() ? none : it->second.frames;
}

void CMainFrame::watchDocument(OpenDocument& document) {
    Frames& frames = m_frames[&document.state()];
    frames.titleWatch = document.state().observers().subscribe([this](DocumentEvent event) {
        if (event == DocumentEvent::TitleChanged) {
            updateTitle();
        }
    });
    if (m_keeper) {
        m_keeper->track(document);
    }
}

QMdiSubWindow* CMainFrame::addView(OpenDocument& document, int templateId) {
    CChildFrame* frame = createChildFrame(templateId, *document.model);
    if (frame == nullptr) {
        return nullptr;
    }
    QMdiSubWindow* sub = showFrame(frame, document, templateId);
    for (DuctView* view : frame->views()) {
        connect(view, &DuctView::refreshed, this, &CMainFrame::updateCommands);
        connect(view, &DuctView::viewRequested, this, [this](int id) { showView(id); });
    }
    return sub;
}

QMdiSubWindow* CMainFrame::addDatabaseView(OpenDocument& document) {
    auto* view = new CFanDatabase(*document.database);
    connect(view, &CFanDatabase::refreshed, this, &CMainFrame::updateCommands);
    return showFrame(view, document, templates::kFanDatabase);
}

QMdiSubWindow* CMainFrame::showFrame(QWidget* frame, OpenDocument& document, int templateId) {
    QMdiSubWindow* sub = m_mdi->addSubWindow(frame);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(templateTitle(templateId));
    sub->setWindowIcon(commandIcon(templateId));
    sub->installEventFilter(this);
    const DocumentState* state = &document.state();
    // A model's first view fills the main window; later ones show their whole form where the
    // main window has room for it.
    const bool firstView = framesOf(state).empty();
    m_frames[state].frames.push_back(sub);
    connect(sub, &QObject::destroyed, this, [this, state, sub] { frameDestroyed(state, sub); });
    if (firstView) {
        sub->showMaximized();
    } else if (auto* child = qobject_cast<CChildFrame*>(frame)) {
        // A form knows its whole size once it is shown and its boxes have fitted their texts.
        sub->show();
        QMetaObject::invokeMethod(
            sub,
            [this, sub, child] {
                // A window maximised or minimised meanwhile keeps the size it was given.
                if (sub->isMaximized() || sub->isMinimized()) {
                    return;
                }
                const QSize decoration = sub->size() - child->size();
                sub->resize((child->wholeSize() + decoration).boundedTo(m_mdi->viewport()->size()));
            },
            Qt::QueuedConnection);
    } else {
        sub->resize(frame->sizeHint().boundedTo(m_mdi->viewport()->size()));
        sub->show();
    }
    m_mdi->setActiveSubWindow(sub);
    return sub;
}

void CMainFrame::frameDestroyed(const DocumentState* document, QMdiSubWindow* frame) {
    // The frame is on its way out: it no longer counts among the document's views, and the
    // document goes with its last one.
    if (const auto it = m_frames.find(document); it != m_frames.end()) {
        std::erase(it->second.frames, frame);
        if (it->second.frames.empty()) {
            m_frames.erase(it);
            if (m_keeper) {
                m_keeper->forget(document);
            }
            m_documents.close(document);
        }
    }
    // The frame going is still the current one until its destruction ends: look at the commands
    // once it has gone.
    QMetaObject::invokeMethod(
        this,
        [this] {
            updateCommands();
            updateTitle();
        },
        Qt::QueuedConnection);
}

bool CMainFrame::newDuctModel() {
    OpenDocument& added = m_documents.newDuctModel();
    watchDocument(added);
    return addView(added, templates::kSummaryOfInput) != nullptr;
}

bool CMainFrame::newFanDatabase() {
    OpenDocument& added = m_documents.newFanDatabase();
    watchDocument(added);
    return addDatabaseView(added) != nullptr;
}

bool CMainFrame::saveActive() {
    OpenDocument* open = activeOpenDocument();
    return open != nullptr && m_documents.save(*open, *m_questions);
}

bool CMainFrame::saveActiveAs() {
    OpenDocument* open = activeOpenDocument();
    return open != nullptr && m_documents.saveAs(*open, *m_questions);
}

void CMainFrame::onNew() {
    const std::optional<int> kind = m_questions->chooseNewDocument();
    if (kind == templates::kFanDatabase) {
        newFanDatabase();
    } else if (kind) {
        newDuctModel();
    }
}

bool CMainFrame::openFile(const QString& path) {
    const std::filesystem::path file = path.toStdString();
    if (OpenDocument* open = m_documents.findFile(file)) {
        if (const auto& frames = framesOf(&open->state()); !frames.empty()) {
            m_mdi->setActiveSubWindow(frames.front());
        }
        return true;
    }
    const OpenDocuments::Opened opened = m_documents.open(file, [this](OpenDocument& document) {
        watchDocument(document);
        if (document.database) {
            addDatabaseView(document);
        } else {
            addView(document, templates::kSummaryOfInput);
        }
    });
    updateCommands();
    return opened.document != nullptr;
}

bool CMainFrame::closeActiveDocument() {
    OpenDocument* open = activeOpenDocument();
    if (open == nullptr || !m_documents.maybeSave(*open, *m_questions)) {
        return false;
    }
    // Deleting the frames at once lets the document go with its last view.
    const std::vector<QMdiSubWindow*> frames = framesOf(&open->state());
    for (QMdiSubWindow* frame : frames) {
        delete frame;
    }
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && !m_closingAll) {
        auto* sub = qobject_cast<QMdiSubWindow*>(watched);
        const auto* frame = sub != nullptr ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
        const auto* database =
            sub != nullptr ? qobject_cast<CFanDatabase*>(sub->widget()) : nullptr;
        const DocumentState* doc = frame != nullptr
                                       ? static_cast<const DocumentState*>(&frame->document())
                                   : database != nullptr ? &database->document()
                                                         : nullptr;
        if (doc != nullptr) {
            OpenDocument* open = m_documents.find(doc);
            // Closing the last view of a model closes the model: ask to save it first.
            if (open != nullptr && framesOf(doc).size() == 1 &&
                !m_documents.maybeSave(*open, *m_questions)) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (const auto& open : m_documents.documents()) {
        if (!m_documents.maybeSave(*open, *m_questions)) {
            event->ignore();
            return;
        }
    }
    m_closingAll = true;
    m_mdi->closeAllSubWindows();
    m_closingAll = false;
    event->accept();
}

// ---- Views and printing

bool CMainFrame::showView(int templateId) {
    OpenDocument* open = activeOpenDocument();
    if (open == nullptr || !open->model) {
        return false;
    }
    for (QMdiSubWindow* frame : framesOf(&open->state())) {
        const auto* child = qobject_cast<CChildFrame*>(frame->widget());
        if (child != nullptr && child->view()->templateId() == templateId) {
            if (frame->isMinimized()) {
                frame->showNormal();
            }
            m_mdi->setActiveSubWindow(frame);
            return true;
        }
    }
    return addView(*open, templateId) != nullptr;
}

bool CMainFrame::printActive(const QString& pdfPath, int templateId) {
    if (templateId != 0 && !showView(templateId)) {
        return false;
    }
    if (const CFanDatabase* database = activeDatabaseView(); database != nullptr) {
        if (pdfPath.isEmpty()) {
            m_printer.setPageOrientation(QPageLayout::Portrait);
            return database->print(m_printer);
        }
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(pdfPath);
        return database->print(pdf);
    }
    DuctView* view = activeView();
    // A frame of several panes prints the pane that stands for the template named.
    if (const auto* sub = m_mdi->currentSubWindow(); view != nullptr && templateId != 0) {
        view = qobject_cast<CChildFrame*>(sub->widget())->templateView();
    }
    if (view == nullptr || !view->canPrint()) {
        return false;
    }
    if (!pdfPath.isEmpty()) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(pdfPath);
        pdf.setPageOrientation(pageOrientation(*view));
        if (const auto why = whyPrintCannotStart(pdf)) {
            m_port->showMessage(*why, MessageIcon::Warning);
            return false;
        }
        view->print(pdf);
        return true;
    }
    if (const auto why = whyPrintCannotStart(m_printer)) {
        m_port->showMessage(*why, MessageIcon::Warning);
        return false;
    }
    m_printer.setPageOrientation(pageOrientation(*view));
    view->print(m_printer);
    return true;
}

bool CMainFrame::printActiveTo(QPrinter& printer) {
    if (const CFanDatabase* database = activeDatabaseView()) {
        return database->print(printer);
    }
    DuctView* view = activeView();
    if (view == nullptr || !view->canPrint()) {
        return false;
    }
    view->print(printer);
    return true;
}

void CMainFrame::onPrint() {
    DuctView* view = activeView();
    if (activeDatabaseView() == nullptr && (view == nullptr || !view->canPrint())) {
        return;
    }
    m_printer.setPageOrientation(view == nullptr ? QPageLayout::Portrait : pageOrientation(*view));
    QPrintDialog dialog(&m_printer, this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (const auto why = whyPrintCannotStart(m_printer)) {
        m_port->showMessage(*why, MessageIcon::Warning);
        return;
    }
    printActiveTo(m_printer);
}

void CMainFrame::onPrintPreview() {
    DuctView* view = activeView();
    if (activeDatabaseView() == nullptr && (view == nullptr || !view->canPrint())) {
        return;
    }
    m_printer.setPageOrientation(view == nullptr ? QPageLayout::Portrait : pageOrientation(*view));
    QPrintPreviewDialog preview(&m_printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printActiveTo(*printer); });
    preview.exec();
}

// ---- Commands

void CMainFrame::onOpen() {
    const QString path = m_questions->chooseOpenPath(coreText(openFileFilter()));
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool CMainFrame::executeActive() {
    CFlowmarDoc* doc = activeDocument();
    return doc != nullptr && static_cast<bool>(Execute(*doc, *m_port));
}

void CMainFrame::onActiveModel(const std::function<void(CFlowmarDoc&, UiPort&)>& command) {
    if (CFlowmarDoc* doc = activeDocument()) {
        command(*doc, *m_port);
    }
}

void CMainFrame::onActiveDocument(
    const std::function<void(CFlowmarDoc&, UiPort&)>& modelCommand,
    const std::function<void(CFanDatabaseDoc&, UiPort&)>& databaseCommand) {
    if (CFlowmarDoc* doc = activeDocument(); doc != nullptr && modelCommand) {
        modelCommand(*doc, *m_port);
    } else if (CFanDatabase* database = activeDatabaseView();
               database != nullptr && databaseCommand) {
        databaseCommand(database->document(), *m_port);
    }
}

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

void CMainFrame::onNewWindow() {
    if (const CFanDatabase* database = activeDatabaseView()) {
        if (OpenDocument* open = m_documents.find(&database->document())) {
            addDatabaseView(*open);
        }
        return;
    }
    const DuctView* view = activeView();
    if (OpenDocument* open = view == nullptr ? nullptr : m_documents.find(&view->document())) {
        addView(*open, view->templateId());
    }
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

// ---- Recent files and dropped files

void CMainFrame::storeRecentFiles(const std::vector<std::string>& files) {
    QStringList stored;
    for (const std::string& file : files) {
        stored << QString::fromStdString(file);
    }
    QSettings(kOrganisation, programName()).setValue(kRecentFilesKey, stored);
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

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            openFile(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
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

void CMainFrame::keepRecoveryCopies(const QString& folder) {
    m_keeper = std::make_unique<RecoveryKeeper>(folder);
    if (!m_keeper->store().usable()) {
        statusBar()->showMessage(
            coreText(messages::noRecoveryCopies(m_keeper->store().lockError())));
    }
    connect(m_keeper.get(), &RecoveryKeeper::writeFailed, this,
            [this](const QString& why) { statusBar()->showMessage(why, kStatusMessageMs); });
    for (const auto& open : m_documents.documents()) {
        m_keeper->track(*open);
    }
}

int CMainFrame::offerRecovery() {
    if (!m_keeper) {
        return 0;
    }
    const std::vector<RecoveryCopy> copies = m_keeper->store().leftovers();
    if (copies.empty()) {
        return 0;
    }
    std::vector<RecoveryRow> rows;
    for (const RecoveryCopy& copy : copies) {
        rows.push_back(recoveryRow(copy));
    }
    // The splash would stand over the question and eat the first click on it.
    if (SplashWindow* splash = SplashWindow::current()) {
        splash->close();
    }
    DialogRecovery dialog(rows, this);
    dialog.exec();
    const std::vector<OpenDocument*> restored =
        applyRecoveryChoices(copies, dialog.choices(), m_documents, [this](OpenDocument& document) {
            watchDocument(document);
            if (document.database) {
                addDatabaseView(document);
            } else {
                addView(document, templates::kSummaryOfInput);
            }
        });
    for (OpenDocument* document : restored) {
        m_keeper->restored(*document);
    }
    updateCommands();
    return static_cast<int>(restored.size());
}

void CMainFrame::refreshAllModels() {
    for (const auto& open : m_documents.documents()) {
        if (open->model) {
            open->model->updateAllViews();
        }
    }
    updateCommands();
}

} // namespace flowmar
