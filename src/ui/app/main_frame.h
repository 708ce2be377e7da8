// CMainFrame: the program's main window. It holds the open duct models, their child frames in a
// multiple-document area, the menus, the two toolbars and the status bar, and runs the commands:
// the document commands go to the core, the frame only opens, shows, prints and closes.
#pragma once

#include "core/model/document_observers.h"

#include <QMainWindow>
#include <QPrinter>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace flowmar {

class CChildFrame;
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
    bool openFile(const QString& path);
    bool closeActiveDocument();
    // Opens (or activates) the view of a template for the active duct model.
    bool showView(int templateId);
    bool executeActive();
    // Prints the active view (or `templateId`'s view of the active model) to the printer set up,
    // or, when `pdfPath` is given, to that PDF file without any printer.
    bool printActive(const QString& pdfPath = QString(), int templateId = 0);

    // Prints on the named printer from now on.
    void usePrinter(const QString& name) { m_printer.setPrinterName(name); }

    // The toolbar switch: 1 the fan-database toolbar, 2 the duct toolbar, else neither.
    void switchToolbar(int which);

    CFlowmarDoc* activeDocument() const;
    DuctView* activeView() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    int documentCount() const { return static_cast<int>(m_documents.size()); }
    QAction* commandAction(int commandId) const;
    QAction* viewMenuEntry(int templateId) const { return m_viewMenuEntries.at(templateId); }
    QToolBar* ductToolBar() const { return m_ductToolBar; }
    QToolBar* databaseToolBar() const { return m_databaseToolBar; }
    QLabel* datePane() const { return m_datePane; }
    QLabel* timePane() const { return m_timePane; }
    UiPort& port() const { return *m_port; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct OpenDocument;

    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    QAction* addCommand(int id, const QString& text, void (CMainFrame::*slot)(),
                        const QKeySequence& shortcut = {});
    void updateCommands();
    void updateTitle();
    void refreshDateAndTime();
    void showNotAvailable(const QString& what);

    // Takes a document into the window: its file (empty for a new one), its title, and the
    // window title following the document's.
    OpenDocument& adoptDocument(std::unique_ptr<CFlowmarDoc> doc, const QString& path,
                                const std::string& title);
    OpenDocument* documentOf(const CFlowmarDoc* doc) const;
    OpenDocument* findOpenPath(const QString& path) const;
    QMdiSubWindow* addView(OpenDocument& document, int templateId);
    std::vector<QMdiSubWindow*> framesOf(const CFlowmarDoc* doc) const;
    // Asks whether to save a modified document and saves it; false when the person cancels or
    // the save fails.
    bool maybeSave(OpenDocument& document);
    bool saveDocument(OpenDocument& document);
    void forgetDocument(const CFlowmarDoc* doc);
    void addRecentFile(const QString& path);
    void rebuildRecentFiles();

    // Command handlers.
    void onNew();
    void onOpen();
    void onClose();
    void onPrint();
    void onPrintPreview();
    void onPrintSetup();
    void onExecute();
    void onFixedQuantityTool();
    void onDeleteFan();
    void onNotepad();
    void onUnitConversion();
    void onAbout();
    void onHelpContents();
    void onNewWindow();
    void onViewCommand();
    void onDefineGraph();
    void onSaveGraphAs();

    std::unique_ptr<UiPort> m_ownPort;
    std::unique_ptr<ShellQuestions> m_ownQuestions;
    UiPort* m_port;
    ShellQuestions* m_questions;
    QMdiArea* m_mdi;
    QToolBar* m_ductToolBar = nullptr;
    QToolBar* m_databaseToolBar = nullptr;
    QLabel* m_datePane = nullptr;
    QLabel* m_timePane = nullptr;
    std::map<int, QAction*> m_commands;
    std::map<int, QAction*> m_viewMenuEntries;
    std::vector<QAction*> m_recentFileActions;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_propertiesMenu = nullptr; // the Graph View's own
    QList<QMenu*> m_documentMenus;     // shown only while a duct model is active
    QPrinter m_printer;
    std::vector<std::unique_ptr<OpenDocument>> m_documents;
    int m_untitledCount = 0;
    bool m_closingDocument = false;
};

} // namespace flowmar
