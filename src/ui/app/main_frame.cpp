#include "ui/app/main_frame.h"

#include "core/commands/command_ids.h"
#include "core/commands/document_commands.h"
#include "core/commands/execute_command.h"
#include "core/commands/fan_commands.h"
#include "core/files/model_file.h"
#include "core/model/document_templates.h"
#include "core/model/flowmar_doc.h"
#include "ui/app/app_icons.h"
#include "ui/app/child_frame.h"
#include "ui/app/qt_ui_port.h"
#include "ui/app/shell_questions.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/views/duct_view.h"
#include "ui/views/graph_view.h"
#include "ui/views/view_factory.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
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

constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFilePrint = 57607;
constexpr int kFilePrintPreview = 57609;
constexpr int kFilePrintSetup = 57606;
constexpr int kFileExit = 57665;
constexpr int kHelpContents = 57666;
constexpr int kAbout = 57664;
constexpr int kSaveGraphAs = 32900; // our own: the Graph View's picture as PNG, SVG or PDF
constexpr int kMaxRecentFiles = 4;
constexpr int kDateTimeRefreshMs = 1000;

const QString kOrganisation = QStringLiteral("Quarrystone");
const QString kApplication = QStringLiteral("Flowmar");
const QString kRecentFilesKey = QStringLiteral("Recent File List");

QString templateTitle(int templateId) {
    const DocumentTemplate* t = findTemplate(templateId);
    return t == nullptr
               ? QString()
               : QString::fromUtf8(
                     templateField(t->templateString, TemplateField::WindowTitle).data(),
                     static_cast<qsizetype>(
                         templateField(t->templateString, TemplateField::WindowTitle).size()));
}

QString ductFilter() {
    return QObject::tr("Flowmar File (*.dct)");
}

// The title a question names a document by: its title without the modified marker.
QString plainTitle(const CFlowmarDoc& doc) {
    QString title = QString::fromStdString(doc.title());
    if (doc.isModified() && title.endsWith(QLatin1String(" *"))) {
        title.chop(2);
    }
    return title;
}

} // namespace

struct CMainFrame::OpenDocument {
    std::unique_ptr<CFlowmarDoc> doc;
    QString path; // empty until the model has a file
    // Every frame showing the document; a frame leaves the list as it is destroyed.
    std::vector<QMdiSubWindow*> frames;
    DocumentObservers::Subscription titleWatch;
};

CMainFrame::CMainFrame(UiPort* port, ShellQuestions* questions)
    : m_port(port), m_questions(questions), m_mdi(new QMdiArea) {
    if (m_port == nullptr) {
        m_ownPort = std::make_unique<QtUiPort>(
            this, [this](const QString& what) { showNotAvailable(what); });
        m_port = m_ownPort.get();
    }
    if (m_questions == nullptr) {
        m_ownQuestions = std::make_unique<DialogShellQuestions>(this);
        m_questions = m_ownQuestions.get();
    }
    setWindowIcon(applicationIcon());
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        updateCommands();
        updateTitle();
        if (activeDocument() != nullptr) {
            switchToolbar(2);
        }
    });
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    SplashWindow::showSplash(this);
    setAcceptDrops(true);
    rebuildRecentFiles();
    updateCommands();
    updateTitle();
    resize(1100, 760);
}

CMainFrame::~CMainFrame() {
    // The views refer to their documents, and the frames tell this window when they go: let the
    // frames go first, without telling, while the documents still exist. Frames already closed
    // but not yet deleted are among them.
    for (const auto& open : m_documents) {
        for (QMdiSubWindow* frame : open->frames) {
            frame->disconnect(this);
            frame->removeEventFilter(this);
        }
    }
    delete m_mdi;
}

// ---- Building the window

QAction* CMainFrame::addCommand(int id, const QString& text, void (CMainFrame::*slot)(),
                                const QKeySequence& shortcut) {
    auto* action = new QAction(commandIcon(id), text, this);
    action->setData(id);
    action->setShortcut(shortcut);
    action->setStatusTip(QString(text).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
    if (slot != nullptr) {
        connect(action, &QAction::triggered, this, slot);
    }
    m_commands[id] = action;
    return action;
}

void CMainFrame::createActions() {
    addCommand(kFileNew, tr("&New"), &CMainFrame::onNew, QKeySequence::New);
    addCommand(kFileOpen, tr("&Open..."), &CMainFrame::onOpen, QKeySequence::Open);
    addCommand(commands::kClose, tr("&Close"), &CMainFrame::onClose);
    addCommand(commands::kSave, tr("&Save"), nullptr, QKeySequence::Save);
    addCommand(commands::kSaveAs, tr("Save &As..."), nullptr);
    addCommand(kFilePrint, tr("&Print..."), &CMainFrame::onPrint, QKeySequence::Print);
    addCommand(kFilePrintPreview, tr("Print Pre&view"), &CMainFrame::onPrintPreview);
    addCommand(kFilePrintSetup, tr("P&rint Setup..."), &CMainFrame::onPrintSetup);
    addCommand(kFileExit, tr("E&xit"), nullptr);
    connect(m_commands[kFileExit], &QAction::triggered, this, &QWidget::close);

    addCommand(templates::kSummaryOfInput, tr("Summary of Input"), &CMainFrame::onViewCommand);
    addCommand(templates::kFanInput, tr("Fan Input"), &CMainFrame::onViewCommand);
    addCommand(templates::kSummaryOfResults, tr("Summary of Results"), &CMainFrame::onViewCommand);
    addCommand(templates::kFanCurve, tr("Fan Curve View"), &CMainFrame::onViewCommand);
    addCommand(templates::kFanResults, tr("Fan Results"), &CMainFrame::onViewCommand);
    addCommand(templates::kGraph, tr("Graph View"), &CMainFrame::onViewCommand);

    // Commands whose sheets and dialogs are not part of this version stay disabled.
    addCommand(commands::kDuctDetails, tr("Duct Details"), nullptr);
    addCommand(commands::kShockLosses, tr("Shock Losses"), nullptr);
    addCommand(commands::kFixedQuantityTool, tr("Fixed Quantity Tool"),
               &CMainFrame::onFixedQuantityTool);
    addCommand(commands::kAddFan, tr("Add Fan"), nullptr);
    addCommand(commands::kDeleteFan, tr("Delete Fan"), &CMainFrame::onDeleteFan);
    addCommand(commands::kEditFan, tr("Edit Fan"), nullptr);
    addCommand(commands::kNotepad, tr("&Notepad"), &CMainFrame::onNotepad);
    addCommand(commands::kExecute, tr("Execute"), &CMainFrame::onExecute);
    addCommand(commands::kUnitConversion, tr("&Unit Conversion"), &CMainFrame::onUnitConversion);

    addCommand(commands::kDefineGraph, tr("&Define"), &CMainFrame::onDefineGraph);
    addCommand(kSaveGraphAs, tr("Save &Graph As..."), &CMainFrame::onSaveGraphAs);

    addCommand(kHelpContents, tr("Contents"), &CMainFrame::onHelpContents,
               QKeySequence::HelpContents);
    addCommand(kAbout, tr("&About Flowmar..."), &CMainFrame::onAbout);
}

void CMainFrame::createMenus() {
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    for (const int id : {kFileNew, kFileOpen, static_cast<int>(commands::kClose),
                         static_cast<int>(commands::kSave), static_cast<int>(commands::kSaveAs)}) {
        m_fileMenu->addAction(m_commands[id]);
    }
    m_fileMenu->addAction(m_commands[kSaveGraphAs]);
    m_fileMenu->addSeparator();
    for (const int id : {kFilePrint, kFilePrintPreview, kFilePrintSetup}) {
        m_fileMenu->addAction(m_commands[id]);
    }
    m_fileMenu->addSeparator();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        auto* action = new QAction(this);
        action->setVisible(false);
        connect(action, &QAction::triggered, this,
                [this, action] { openFile(action->data().toString()); });
        m_recentFileActions.push_back(action);
        m_fileMenu->addAction(action);
    }
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_commands[kFileExit]);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    const auto forward = [](const char* slot) {
        return [slot] {
            if (QWidget* focus = QApplication::focusWidget()) {
                QMetaObject::invokeMethod(focus, slot);
            }
        };
    };
    edit->addAction(tr("&Undo"), QKeySequence::Undo, this, forward("undo"));
    edit->addAction(tr("Cu&t"), QKeySequence::Cut, this, forward("cut"));
    edit->addAction(tr("&Copy"), QKeySequence::Copy, this, forward("copy"));
    edit->addAction(tr("&Paste"), QKeySequence::Paste, this, forward("paste"));
    m_documentMenus << edit;

    m_viewMenu = menuBar()->addMenu(tr("&View"));
    QAction* toolbar = m_viewMenu->addAction(tr("&Toolbar"));
    toolbar->setCheckable(true);
    toolbar->setChecked(true);
    connect(toolbar, &QAction::toggled, this, [this](bool shown) {
        switchToolbar(shown ? (activeDocument() != nullptr ? 2 : 1) : 0);
    });
    QAction* status = m_viewMenu->addAction(tr("&Status Bar"));
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });
    m_viewMenu->addSeparator();
    // The menu's own entries, so that leaving out the active view's entry leaves the toolbar be.
    for (const int id :
         {templates::kSummaryOfInput, templates::kFanInput, templates::kSummaryOfResults,
          templates::kFanCurve, templates::kFanResults, templates::kGraph}) {
        QAction* entry = m_viewMenu->addAction(m_commands[id]->text());
        connect(entry, &QAction::triggered, this, [this, id] { showView(id); });
        m_viewMenuEntries[id] = entry;
    }

    QMenu* dataInput = menuBar()->addMenu(tr("Data Input"));
    for (const int id :
         {commands::kDuctDetails, commands::kShockLosses, commands::kFixedQuantityTool}) {
        dataInput->addAction(m_commands[id]);
    }
    QMenu* fans = menuBar()->addMenu(tr("Fans"));
    for (const int id : {commands::kAddFan, commands::kDeleteFan, commands::kEditFan}) {
        fans->addAction(m_commands[id]);
    }
    QMenu* tools = menuBar()->addMenu(tr("Tools"));
    for (const int id : {commands::kNotepad, commands::kExecute, commands::kUnitConversion}) {
        tools->addAction(m_commands[id]);
    }
    m_propertiesMenu = menuBar()->addMenu(tr("&Properties"));
    m_propertiesMenu->addAction(m_commands[commands::kDefineGraph]);
    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->addAction(tr("&New Window"), this, &CMainFrame::onNewWindow);
    window->addAction(tr("&Cascade"), m_mdi, &QMdiArea::cascadeSubWindows);
    window->addAction(tr("&Tile"), m_mdi, &QMdiArea::tileSubWindows);
    m_documentMenus << dataInput << fans << tools << window;

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(m_commands[kHelpContents]);
    help->addAction(m_commands[kAbout]);
}

void CMainFrame::createToolBars() {
    m_ductToolBar = addToolBar(tr("Duct"));
    m_ductToolBar->setObjectName(QStringLiteral("ductToolBar"));
    const int separator = 0;
    for (const int id : {kFileNew,
                         kFileOpen,
                         static_cast<int>(commands::kSave),
                         separator,
                         kFilePrint,
                         kAbout,
                         separator,
                         commands::kDuctDetails,
                         commands::kShockLosses,
                         commands::kFixedQuantityTool,
                         separator,
                         commands::kAddFan,
                         commands::kEditFan,
                         commands::kDeleteFan,
                         separator,
                         commands::kExecute,
                         separator,
                         templates::kSummaryOfInput,
                         templates::kFanInput,
                         templates::kSummaryOfResults,
                         templates::kFanResults,
                         templates::kFanCurve,
                         templates::kGraph}) {
        if (id == separator) {
            m_ductToolBar->addSeparator();
        } else {
            m_ductToolBar->addAction(m_commands[id]);
        }
    }
    m_databaseToolBar = addToolBar(tr("Fan Database"));
    m_databaseToolBar->setObjectName(QStringLiteral("databaseToolBar"));
    // The fan database's own commands arrive with its view; its bar holds the shared ones.
    for (const int id :
         {kFileNew, kFileOpen, static_cast<int>(commands::kSave), separator, kFilePrint, kAbout}) {
        if (id == separator) {
            m_databaseToolBar->addSeparator();
        } else {
            m_databaseToolBar->addAction(m_commands[id]);
        }
    }
    switchToolbar(1);
}

void CMainFrame::createStatusBar() {
    m_datePane = new QLabel;
    m_timePane = new QLabel;
    for (QLabel* pane : {m_datePane, m_timePane}) {
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::StyledPanel);
        statusBar()->addPermanentWidget(pane);
    }
    statusBar()->showMessage(tr("Ready"));
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
        char text[64] = {};
        std::strftime(text, sizeof text, format, &local);
        const QString shown = QString::fromLocal8Bit(text);
        // The pane is exactly as wide as its text (plus the frame).
        pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(shown) + 12);
        pane->setText(shown);
    }
}

void CMainFrame::switchToolbar(int which) {
    m_databaseToolBar->setVisible(which == 1);
    m_ductToolBar->setVisible(which == 2);
}

void CMainFrame::showNotAvailable(const QString& what) {
    statusBar()->showMessage(tr("%1 is not part of this version.").arg(what), 8000);
}

QAction* CMainFrame::commandAction(int commandId) const {
    const auto it = m_commands.find(commandId);
    return it == m_commands.end() ? nullptr : it->second;
}

void CMainFrame::updateCommands() {
    const CFlowmarDoc* doc = activeDocument();
    const DuctView* view = activeView();
    const bool hasDoc = doc != nullptr;
    for (QMenu* menu : m_documentMenus) {
        menu->menuAction()->setVisible(hasDoc);
    }
    const DocumentKind kind = DocumentKind::Duct;
    m_commands[commands::kSave]->setEnabled(hasDoc && isCommandEnabled(commands::kSave, kind));
    m_commands[commands::kSaveAs]->setEnabled(hasDoc && isCommandEnabled(commands::kSaveAs, kind));
    m_commands[commands::kClose]->setEnabled(hasDoc);
    m_commands[kFilePrint]->setEnabled(view != nullptr && view->canPrint());
    m_commands[kFilePrintPreview]->setEnabled(view != nullptr && view->canPrint());
    for (const int id : {commands::kFixedQuantityTool, commands::kDeleteFan, commands::kNotepad,
                         commands::kExecute, commands::kUnitConversion}) {
        m_commands[id]->setEnabled(hasDoc);
    }
    for (const int id :
         {commands::kDuctDetails, commands::kShockLosses, commands::kAddFan, commands::kEditFan}) {
        m_commands[id]->setEnabled(false);
    }
    // The Graph View's own: its "&Properties" menu and saving its picture.
    const bool graphActive = view != nullptr && view->templateId() == templates::kGraph;
    m_propertiesMenu->menuAction()->setVisible(graphActive);
    m_commands[commands::kDefineGraph]->setEnabled(graphActive);
    m_commands[kSaveGraphAs]->setVisible(graphActive);
    for (const DocumentTemplate& t : kDocumentTemplates) {
        if (t.fanDatabase) {
            continue;
        }
        const bool available = hasDoc && ductViewAvailable(t.id);
        m_commands[t.id]->setEnabled(available);
        QAction* entry = m_viewMenuEntries[t.id];
        entry->setEnabled(available);
        // The View menu leaves out the entry of the view it belongs to.
        entry->setVisible(view == nullptr || view->templateId() != t.id);
    }
}

void CMainFrame::updateTitle() {
    const CFlowmarDoc* doc = activeDocument();
    setWindowTitle(doc == nullptr ? kApplication
                                  : kApplication + QStringLiteral(" - ") +
                                        QString::fromStdString(doc->title()));
}

// ---- Documents

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
    return documentOf(&view->document()) == nullptr ? nullptr : view;
}

CMainFrame::OpenDocument* CMainFrame::documentOf(const CFlowmarDoc* doc) const {
    for (const auto& open : m_documents) {
        if (open->doc.get() == doc) {
            return open.get();
        }
    }
    return nullptr;
}

CMainFrame::OpenDocument* CMainFrame::findOpenPath(const QString& path) const {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    for (const auto& open : m_documents) {
        if (!open->path.isEmpty() && QFileInfo(open->path).canonicalFilePath() == wanted) {
            return open.get();
        }
    }
    return nullptr;
}

std::vector<QMdiSubWindow*> CMainFrame::framesOf(const CFlowmarDoc* doc) const {
    const OpenDocument* open = documentOf(doc);
    return open == nullptr ? std::vector<QMdiSubWindow*>{} : open->frames;
}

QMdiSubWindow* CMainFrame::addView(OpenDocument& open, int templateId) {
    DuctView* view = createDuctView(templateId, *open.doc);
    if (view == nullptr) {
        return nullptr;
    }
    auto* frame = new CChildFrame(view);
    QMdiSubWindow* sub = m_mdi->addSubWindow(frame);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(templateTitle(templateId));
    sub->setWindowIcon(commandIcon(templateId));
    sub->installEventFilter(this);
    open.frames.emplace_back(sub);
    const CFlowmarDoc* doc = open.doc.get();
    connect(sub, &QObject::destroyed, this, [this, doc, sub] {
        // The frame is on its way out: it no longer counts among the document's views.
        if (OpenDocument* stillOpen = documentOf(doc)) {
            std::erase(stillOpen->frames, sub);
            if (stillOpen->frames.empty()) {
                forgetDocument(doc);
            }
        }
        // The frame going is still the current one until its destruction ends: look at the
        // commands once it has gone.
        QMetaObject::invokeMethod(
            this,
            [this] {
                updateCommands();
                updateTitle();
                if (m_mdi->subWindowList().isEmpty()) {
                    switchToolbar(1);
                }
            },
            Qt::QueuedConnection);
    });
    connect(view, &DuctView::refreshed, this, &CMainFrame::updateCommands);
    sub->resize(frame->sizeHint().boundedTo(m_mdi->size()).expandedTo(QSize(520, 360)));
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    return sub;
}

CMainFrame::OpenDocument& CMainFrame::adoptDocument(std::unique_ptr<CFlowmarDoc> doc,
                                                    const QString& path, const std::string& title) {
    auto open = std::make_unique<OpenDocument>();
    open->doc = std::move(doc);
    open->path = path;
    open->doc->setTitle(title);
    open->titleWatch = open->doc->observers().subscribe([this](DocumentEvent event) {
        if (event == DocumentEvent::TitleChanged) {
            updateTitle();
        }
    });
    return *m_documents.emplace_back(std::move(open));
}

bool CMainFrame::newDuctModel() {
    auto doc = std::make_unique<CFlowmarDoc>();
    initialiseNewDocument(*doc, *m_port);
    OpenDocument& added = adoptDocument(
        std::move(doc), QString(),
        untitledDocumentTitle(*findTemplate(templates::kSummaryOfInput), ++m_untitledCount));
    return addView(added, templates::kSummaryOfInput) != nullptr;
}

bool CMainFrame::openFile(const QString& path) {
    if (OpenDocument* open = findOpenPath(path)) {
        const auto frames = framesOf(open->doc.get());
        if (!frames.empty()) {
            m_mdi->setActiveSubWindow(frames.front());
        }
        return true;
    }
    if (fileKindOf(path.toStdString()) == FileKind::FanDatabase) {
        showNotAvailable(tr("the fan database view"));
        return false;
    }
    FileRead<CFlowmarDoc> read = readModelFile(path.toStdString());
    if (!read.ok()) {
        m_port->showMessage(read.error);
        return false;
    }
    OpenDocument& added =
        adoptDocument(std::move(read.document), path, QFileInfo(path).fileName().toStdString());
    addView(added, templates::kSummaryOfInput);
    Execute(*added.doc, *m_port);
    addRecentFile(path);
    updateCommands();
    return true;
}

bool CMainFrame::maybeSave(OpenDocument& open) {
    if (!open.doc->isModified()) {
        return true;
    }
    switch (m_questions->askSaveChanges(plainTitle(*open.doc))) {
    case SaveAnswer::Save:
        return saveDocument(open);
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::saveDocument(OpenDocument& open) {
    QString path = open.path;
    if (path.isEmpty()) {
        path = m_questions->chooseSavePath(plainTitle(*open.doc) + QStringLiteral(".dct"),
                                           ductFilter());
        if (path.isEmpty()) {
            return false;
        }
        if (fileKindOf(path.toStdString()) == FileKind::Unknown) {
            path += QStringLiteral(".dct");
        }
    }
    const FileStatus written = writeModelFile(*open.doc, path.toStdString());
    if (!written.ok()) {
        m_port->showMessage(written.error);
        return false;
    }
    open.path = path;
    open.doc->setModifiedFlag(false);
    open.doc->setTitle(QFileInfo(path).fileName().toStdString());
    addRecentFile(path);
    return true;
}

void CMainFrame::forgetDocument(const CFlowmarDoc* doc) {
    std::erase_if(m_documents, [doc](const auto& open) { return open->doc.get() == doc; });
}

bool CMainFrame::closeActiveDocument() {
    OpenDocument* open = documentOf(activeDocument());
    if (open == nullptr || !maybeSave(*open)) {
        return false;
    }
    switchToolbar(1);
    // Deleting the frames at once lets the document go with its last view.
    for (QMdiSubWindow* frame : framesOf(open->doc.get())) {
        delete frame;
    }
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && !m_closingDocument) {
        auto* sub = qobject_cast<QMdiSubWindow*>(watched);
        const auto* frame = sub != nullptr ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
        if (frame != nullptr) {
            CFlowmarDoc* doc = &frame->document();
            OpenDocument* open = documentOf(doc);
            // Closing the last view of a model closes the model: ask to save it first.
            if (open != nullptr && framesOf(doc).size() == 1 && !maybeSave(*open)) {
                event->ignore();
                return true;
            }
            if (framesOf(doc).size() == 1) {
                switchToolbar(1);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    for (const auto& open : m_documents) {
        if (!maybeSave(*open)) {
            event->ignore();
            return;
        }
    }
    m_closingDocument = true;
    m_mdi->closeAllSubWindows();
    m_closingDocument = false;
    event->accept();
}

// ---- Views and printing

bool CMainFrame::showView(int templateId) {
    OpenDocument* open = documentOf(activeDocument());
    if (open == nullptr) {
        return false;
    }
    for (QMdiSubWindow* frame : framesOf(open->doc.get())) {
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
    DuctView* view = activeView();
    if (view == nullptr || !view->canPrint()) {
        return false;
    }
    const auto orientation = view->portrait() ? QPageLayout::Portrait : QPageLayout::Landscape;
    if (!pdfPath.isEmpty()) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(pdfPath);
        pdf.setPageOrientation(orientation);
        view->print(pdf);
        return true;
    }
    m_printer.setPageOrientation(orientation);
    view->print(m_printer);
    return true;
}

void CMainFrame::onPrint() {
    DuctView* view = activeView();
    if (view == nullptr || !view->canPrint()) {
        return;
    }
    m_printer.setPageOrientation(view->portrait() ? QPageLayout::Portrait : QPageLayout::Landscape);
    QPrintDialog dialog(&m_printer, this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted) {
        view->print(m_printer);
    }
}

void CMainFrame::onPrintPreview() {
    DuctView* view = activeView();
    if (view == nullptr || !view->canPrint()) {
        return;
    }
    m_printer.setPageOrientation(view->portrait() ? QPageLayout::Portrait : QPageLayout::Landscape);
    QPrintPreviewDialog preview(&m_printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, view,
            [view](QPrinter* printer) { view->print(*printer); });
    preview.exec();
}

void CMainFrame::onPrintSetup() {
    QPageSetupDialog dialog(&m_printer, this);
    dialog.exec();
}

// ---- Commands

void CMainFrame::onNew() {
    newDuctModel();
}

void CMainFrame::onOpen() {
    const QString path = m_questions->chooseOpenPath(ductFilter());
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void CMainFrame::onClose() {
    closeActiveDocument();
}

bool CMainFrame::executeActive() {
    CFlowmarDoc* doc = activeDocument();
    return doc != nullptr && static_cast<bool>(Execute(*doc, *m_port));
}

void CMainFrame::onExecute() {
    executeActive();
}

void CMainFrame::onFixedQuantityTool() {
    if (CFlowmarDoc* doc = activeDocument()) {
        runFixedQuantityToolCommand(*doc, *m_port);
    }
}

void CMainFrame::onDeleteFan() {
    if (CFlowmarDoc* doc = activeDocument()) {
        runDeleteFanCommand(*doc, *m_port);
    }
}

void CMainFrame::onNotepad() {
    if (CFlowmarDoc* doc = activeDocument()) {
        runNotepadCommand(*doc, *m_port);
    }
}

void CMainFrame::onUnitConversion() {
    if (CFlowmarDoc* doc = activeDocument()) {
        runUnitConversionCommand(*doc, *m_port);
    }
}

void CMainFrame::onAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void CMainFrame::onHelpContents() {
    for (const QString& candidate :
         {QStringLiteral(FLOWMAR_INSTALLED_HELP), QStringLiteral(FLOWMAR_SOURCE_HELP)}) {
        if (QFileInfo::exists(candidate)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(candidate));
            return;
        }
    }
    showNotAvailable(tr("the help file"));
}

void CMainFrame::onNewWindow() {
    const DuctView* view = activeView();
    if (OpenDocument* open = view == nullptr ? nullptr : documentOf(&view->document())) {
        addView(*open, view->templateId());
    }
}

void CMainFrame::onDefineGraph() {
    if (CFlowmarDoc* doc = activeDocument()) {
        runGraphOptionsCommand(*doc, *m_port);
    }
}

void CMainFrame::onSaveGraphAs() {
    auto* graph = qobject_cast<CGraphView*>(activeView());
    if (graph == nullptr) {
        return;
    }
    const QString path = m_questions->chooseSavePath(
        plainTitle(graph->document()).section(QLatin1Char('.'), 0, 0) + QStringLiteral(".png"),
        tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    QString error;
    if (!path.isEmpty() && !graph->saveGraphAs(path, &error)) {
        m_port->showMessage(error.toStdString());
    }
}

void CMainFrame::onViewCommand() {
    if (auto* action = qobject_cast<QAction*>(sender())) {
        showView(action->data().toInt());
    }
}

// ---- Recent files and dropped files

void CMainFrame::addRecentFile(const QString& path) {
    QSettings settings(kOrganisation, kApplication);
    QStringList files = settings.value(kRecentFilesKey).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMaxRecentFiles) {
        files.removeLast();
    }
    settings.setValue(kRecentFilesKey, files);
    rebuildRecentFiles();
}

void CMainFrame::rebuildRecentFiles() {
    const QStringList files =
        QSettings(kOrganisation, kApplication).value(kRecentFilesKey).toStringList();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* action = m_recentFileActions[static_cast<std::size_t>(i)];
        if (i < files.size()) {
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
            action->setData(files[i]);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
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

} // namespace flowmar
