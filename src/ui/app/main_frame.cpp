#include "ui/app/main_frame.h"

#include "core/commands/execute_command.h"
#include "core/files/file_filter.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "ui/app/app_icons.h"
#include "ui/app/child_frame.h"
#include "ui/app/edit_forwarding.h"
#include "ui/app/frame_factory.h"
#include "ui/app/program_settings.h"
#include "ui/app/qt_ui_port.h"
#include "ui/app/recovery_keeper.h"
#include "ui/app/recovery_startup.h"
#include "ui/app/shell_questions.h"
#include "ui/core_text.h"
#include "ui/dialogs/design_criteria_dialog.h"
#include "ui/dialogs/help_window.h"
#include "ui/dialogs/splash_window.h"
#include "ui/dialogs/study_dialog.h"
#include "ui/views/duct_view.h"
#include "ui/views/fan_database_view.h"
#include "ui/views/graph_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

namespace flowmar {

namespace {

QString programName() {
    return coreText(labels::kProgramName);
}

QString templateTitle(int templateId) {
    const DocumentTemplate* t = findTemplate(templateId);
    return t == nullptr ? QString()
                        : coreText(templateField(t->templateString, TemplateField::WindowTitle));
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
      m_mdi(new QMdiArea), m_printing([this] { return activePrintSubject(); }, *m_port, this) {
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
    followRecentFiles();
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

// ---- The title and the Window menu

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

void CMainFrame::adopt(OpenDocument& document) {
    watchDocument(document);
    if (document.database) {
        addDatabaseView(document);
    } else {
        addView(document, templates::kSummaryOfInput);
    }
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
    const OpenDocuments::Opened opened =
        m_documents.open(file, [this](OpenDocument& document) { adopt(document); });
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
    PrintSubject subject = activePrintSubject();
    // A frame of several panes prints the pane that stands for the template named.
    if (const auto* sub = m_mdi->currentSubWindow(); subject.view != nullptr && templateId != 0) {
        subject.view = qobject_cast<CChildFrame*>(sub->widget())->templateView();
    }
    return m_printing.print(subject, pdfPath);
}

PrintSubject CMainFrame::activePrintSubject() const {
    PrintSubject subject;
    subject.database = activeDatabaseView();
    if (subject.database == nullptr) {
        subject.view = activeView();
    }
    return subject;
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

// ---- Dropped files and recovery

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

void CMainFrame::keepRecoveryCopies(const QString& folder) {
    m_keeper = startKeepingRecoveryCopies(folder, m_documents, *statusBar(), kStatusMessageMs);
}

int CMainFrame::offerRecovery() {
    if (!m_keeper) {
        return 0;
    }
    const std::vector<OpenDocument*> restored = offerRecoveryCopies(
        *m_keeper, m_documents, this, [this](OpenDocument& document) { adopt(document); });
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
