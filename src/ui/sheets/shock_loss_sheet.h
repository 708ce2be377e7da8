// CShockLossSheet, "Shock Loss Details": the six pages of a duct's local losses, OK and Cancel.
// The core's ShockLossSheet holds the values, the pages' grids and every rule; these widgets show
// them and hand a person's clicks and entries in.
#pragma once

#include "core/views/shock_loss_sheet.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <map>

class QAbstractButton;
class QDialogButtonBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace flowmar {

class GridControl;
class UiPort;

// CEntryExitPage: the entrance and exit radio buttons with their shock loss factors.
class CEntryExitPage : public QWidget {
    Q_OBJECT
public:
    CEntryExitPage(ShockLossSheet& sheet, QWidget* parent = nullptr);
    QRadioButton* button(int id) const;

private:
    // Each group shows the button that matches its type index, or none.
    void showChecks();

    ShockLossSheet& m_sheet;
    std::map<int, QRadioButton*> m_buttons;
};

// One of the five grid pages: its grid, Clear Form and, on the fitting pages, Calculate.
class CShockLossGridPage : public QWidget {
    Q_OBJECT
public:
    CShockLossGridPage(ShockLossSheet& sheet, ShockLossPage page, QWidget* parent = nullptr);

    ShockLossPage page() const { return m_page; }
    GridControl* grid() const { return m_grid; }
    QPushButton* clearFormButton() const { return m_clearForm; }
    QPushButton* calculateButton() const { return m_calculate; } // none on two pages

    // The page's first activation: the core builds the grid, the page shows it.
    void open();
    // What a person typed, into the core's grid of the page.
    void handEntriesIn();
    // The cell a refused entry names becomes current and the grid takes the focus.
    void selectCell(int row, int column);
    // Who tells the person about a cell Calculate refused.
    void setRefusalHandler(std::function<void(const PageFault&)> refused) {
        m_refused = std::move(refused);
    }

private:
    // Shows the core's grid again after a step rewrote it; the current cell stays.
    void showGrid();

    ShockLossSheet& m_sheet;
    ShockLossPage m_page;
    GridControl* m_grid;
    QPushButton* m_clearForm;
    QPushButton* m_calculate = nullptr;
    std::function<void(const PageFault&)> m_refused;
};

class CElbowPage : public CShockLossGridPage {
    Q_OBJECT
public:
    explicit CElbowPage(ShockLossSheet& sheet, QWidget* parent = nullptr)
        : CShockLossGridPage(sheet, ShockLossPage::SmoothElbow, parent) {}
};

class CElbowMiterPage : public CShockLossGridPage {
    Q_OBJECT
public:
    explicit CElbowMiterPage(ShockLossSheet& sheet, QWidget* parent = nullptr)
        : CShockLossGridPage(sheet, ShockLossPage::ElbowMiter, parent) {}
};

class CDampersPage : public CShockLossGridPage {
    Q_OBJECT
public:
    explicit CDampersPage(ShockLossSheet& sheet, QWidget* parent = nullptr)
        : CShockLossGridPage(sheet, ShockLossPage::Dampers, parent) {}
};

class CScreenPage : public CShockLossGridPage {
    Q_OBJECT
public:
    explicit CScreenPage(ShockLossSheet& sheet, QWidget* parent = nullptr)
        : CShockLossGridPage(sheet, ShockLossPage::Screen, parent) {}
};

class CFixedResistancePage : public CShockLossGridPage {
    Q_OBJECT
public:
    explicit CFixedResistancePage(ShockLossSheet& sheet, QWidget* parent = nullptr)
        : CShockLossGridPage(sheet, ShockLossPage::FixedResistance, parent) {}
};

class CShockLossSheet : public QDialog {
    Q_OBJECT
public:
    // The values the Shock Losses command hands in, in shown units. A refused entry is said
    // through the port (without one, it only keeps the sheet open on the cell).
    explicit CShockLossSheet(const ShockLossValues& values, QWidget* parent = nullptr,
                             UiPort* port = nullptr);

    // What OK hands back to the document.
    const ShockLossValues& values() const { return m_sheet.values(); }

    QTabWidget* tabs() const { return m_tabs; }
    QDialogButtonBox* buttons() const { return m_buttons; }
    CEntryExitPage* entryExitPage() const { return m_entryExit; }
    // The grid page; none for the entry and exit page.
    CShockLossGridPage* gridPage(ShockLossPage page) const;

    void accept() override;

private:
    // The page chosen by its tab opens on its first activation.
    void activate(int index);
    // A refused entry: its page in front, the message said, the cell selected.
    void showFault(ShockLossPage page, const PageFault& fault);

    ShockLossSheet m_sheet;
    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    CEntryExitPage* m_entryExit;
    std::map<ShockLossPage, CShockLossGridPage*> m_gridPages;
    UiPort* m_port;
};

} // namespace flowmar
