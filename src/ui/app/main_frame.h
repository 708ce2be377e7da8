// CMainFrame: the program's main window. It shows the open documents' views in child frames of a
// multiple-document area, builds its menus and toolbars from the core's command table and asks
// the table which commands are enabled, checked and shown (frame_commands.cpp). Opening, saving
// and closing documents go through the core's open documents; the document commands go to the
// core; printing goes through FramePrinting and the recovery of unsaved work through
// recovery_startup.h; the frame itself only shows and closes windows.
#pragma once

#include "core/commands/command_table.h"
#include "core/commands/open_documents.h"
#include "core/model/document_observers.h"
#include "ui/app/frame_printing.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace flowmar {

class CFanDatabase;
class CFanDatabaseDoc;
class CChildFrame;
class HelpWindow;
class RecoveryKeeper;
class CFlowmarDoc;
class DuctView;
class ShellQuestions;
class UiPort;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // With no port and no questions the frame asks with real dialogs; tests pass scripted ones.
    explicit CMainFrame(UiPort* port = nullptr, ShellQuestions* questions = nullptr);
    ~CMainFrame() override;

    // File commands. Each returns whether it did what it was asked.
    bool newDuctModel();
    // A new fan database in the units the person chooses, shown in its view.
    bool newFanDatabase();
    // Save and Save As of the active document.
    bool saveActive();
    bool saveActiveAs();
    bool openFile(const QString& path);
    bool closeActiveDocument();
    // File > recent file: opens it, or, when its file is gone, says so and takes it off the list.
    bool openRecentFile(const QString& path);
    // Help > Contents' window while it is open.
    HelpWindow* helpWindow() const;
    const std::vector<QAction*>& recentFileActions() const { return m_recentFileActions; }
    // Opens (or activates) the view of a template for the active duct model.
    bool showView(int templateId);
    bool executeActive();
    // Prints the active view (or `templateId`'s view of the active model) to the printer set up,
    // or, when `pdfPath` is given, to that PDF file without any printer.
    bool printActive(const QString& pdfPath = QString(), int templateId = 0);

    // Prints on the named printer from now on.
    void usePrinter(const QString& name) { m_printing.usePrinter(name); }

    // Shows the one toolbar, or none.
    void switchToolbar(Toolbar which);

    CFlowmarDoc* activeDocument() const;
    DuctView* activeView() const;
    // The active fan database's view, or nullptr.
    CFanDatabase* activeDatabaseView() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    int documentCount() const { return static_cast<int>(m_documents.documents().size()); }
    QAction* commandAction(int commandId) const;
    // A view's own entry in the View menu.
    QAction* viewMenuEntry(int templateId) const { return m_ownMenuEntries.at(templateId); }
    QToolBar* ductToolBar() const { return m_toolBars.at(Toolbar::Duct); }
    QToolBar* databaseToolBar() const { return m_toolBars.at(Toolbar::FanDatabase); }
    QLabel* datePane() const { return m_datePane; }
    QLabel* timePane() const { return m_timePane; }
    UiPort& port() const { return *m_port; }
    // The Window menu's list of open windows, in the menu's order.
    const std::vector<QAction*>& windowListActions() const { return m_windowListActions; }

    // Tools > Design Criteria: the program's criteria, then every model's views refreshed.
    void onDesignCriteria();
    // Tools > Study: the active model's study dialog (the model is not changed).
    void onStudy();
    // Every view of every open model re-reads its model (after a program setting changed).
    void refreshAllModels();

    // Keeps recovery copies of the documents' unsaved edits in `folder` from now on.
    void keepRecoveryCopies(const QString& folder);
    RecoveryKeeper* recoveryKeeper() const { return m_keeper.get(); }
    // When copies are left from a program that did not exit normally, asks what to do with each
    // and restores those chosen. Returns how many documents were restored.
    int offerRecovery();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // How long a notice stays in the status bar.
    static constexpr int kStatusMessageMs = 8000;

    // The child frames of one open document, and the watch that keeps the window title current.
    struct Frames {
        std::vector<QMdiSubWindow*> frames;
        DocumentObservers::Subscription titleWatch;
    };

    void createCommands();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    std::map<int, std::function<void()>> commandHandlers();
    CommandContext commandContext() const;
    void updateCommands();
    void updateTitle();
    void refreshDateAndTime();
    void showNotAvailable(const QString& what);
    CChildFrame* activeChildFrame() const;
    void rebuildWindowList();
    void arrangeIcons();

    // The open document the active view shows, or nullptr.
    OpenDocument* activeOpenDocument() const;
    void watchDocument(OpenDocument& document);
    QMdiSubWindow* addView(OpenDocument& document, int templateId);
    QMdiSubWindow* addDatabaseView(OpenDocument& document);
    QMdiSubWindow* showFrame(QWidget* frame, OpenDocument& document, int templateId);
    const std::vector<QMdiSubWindow*>& framesOf(const DocumentState* document) const;
    void frameDestroyed(const DocumentState* document, QMdiSubWindow* frame);
    // The recent files kept between runs, shown in the File menu and stored on each change.
    void followRecentFiles();
    void rebuildRecentFiles();
    void storeRecentFiles(const std::vector<std::string>& files);
    // A document just opened or restored: watched, and shown in its first view (a fan
    // database's list, a duct model's Summary of Input).
    void adopt(OpenDocument& document);
    // What a print reaches now: the active fan database's view or the active duct view.
    PrintSubject activePrintSubject() const;

    // Command handlers that do more than one call.
    void onOpen();
    void onHelpContents();
    void onNewWindow();
    void onSaveGraphAs();
    // Runs a document command on the active duct model.
    void onActiveModel(const std::function<void(CFlowmarDoc&, UiPort&)>& command);
    // Runs a command on the active document of either kind.
    void onActiveDocument(const std::function<void(CFlowmarDoc&, UiPort&)>& modelCommand,
                          const std::function<void(CFanDatabaseDoc&, UiPort&)>& databaseCommand);
    void onNew();

    std::unique_ptr<UiPort> m_ownPort;
    std::unique_ptr<ShellQuestions> m_ownQuestions;
    UiPort* m_port;
    ShellQuestions* m_questions;
    OpenDocuments m_documents;
    std::map<const DocumentState*, Frames> m_frames;
    QMdiArea* m_mdi;
    std::map<Toolbar, QToolBar*> m_toolBars;
    bool m_toolbarShown = true;
    QLabel* m_datePane = nullptr;
    QLabel* m_timePane = nullptr;
    std::map<int, QAction*> m_commands;
    std::map<int, QAction*> m_ownMenuEntries;
    std::vector<std::pair<const MenuInfo*, QMenu*>> m_menus;
    std::vector<QAction*> m_recentFileActions;
    QMenu* m_windowMenu = nullptr;
    QPointer<QWidget> m_helpWindow;
    std::vector<QAction*> m_windowListActions;
    FramePrinting m_printing;
    bool m_closingAll = false;
    // Declared after the documents: it goes first, while the documents it watches still exist.
    std::unique_ptr<RecoveryKeeper> m_keeper;
};

} // namespace flowmar
