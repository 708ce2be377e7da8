// Every box that a dialog takes as a number, typed into as a person would: a comma where the
// locale has a point, or letters after the number, are refused with a message naming the box and
// the box's text selected, never cut to the leading number; under a comma locale the comma is the
// decimal point.
#include "core/input/duct_details_sheet.h"
#include "core/input/general_page.h"
#include "core/input/leakage_page.h"
#include "core/input/resistance_page.h"
#include "core/model/messages.h"
#include "core/model/string_table.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"
#include "ui/dialogs/fixed_quantity_dialog.h"
#include "ui/sheets/duct_prop_sheet.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

namespace flowmar {
namespace {

// A model that every page passes as it opens, so the only fault is the one typed.
DuctDetailsValues passingModel() {
    DuctDetailsValues values;
    values.ductLength = 1000;
    values.ductDiameter = 0.76;
    values.frictionFactor = 0.0035;
    values.leakageResistance100 = 20000;
    values.iterationLimit = 500;
    values.airDensity = 1.2;
    return values;
}

// One number box: where it lives (a page of the Duct Details sheet, or the Fixed Quantity Tool
// when page is -1), its control id and the message that names it.
struct NumberBox {
    const char* why;
    int page;
    int control;
    const char* typed;
    std::string message;
    friend void PrintTo(const NumberBox& c, std::ostream* os) { *os << c.why; }
};

// What OK (or leaving the page) made of the typed text.
struct Outcome {
    bool accepted = false;
    std::vector<std::string> messages;
    QString selected;
};

Outcome typeAndConfirm(const NumberBox& box, const QString& typed) {
    testing::FakeUiPort port;
    Outcome outcome;
    if (box.page < 0) {
        FixedQuantityValues values;
        values.fixedQuantity = 1;
        FixedQuantityDialog dialog(values, port);
        dialog.quantityEdit()->setText(typed);
        dialog.accept();
        outcome.accepted = dialog.result() == QDialog::Accepted;
        outcome.selected = dialog.quantityEdit()->selectedText();
    } else {
        CDuctPropSheet sheet(passingModel(), port);
        sheet.tabs()->setCurrentIndex(box.page);
        auto* edit = qobject_cast<QLineEdit*>(sheet.control(box.control));
        EXPECT_NE(edit, nullptr) << box.why;
        if (edit == nullptr) {
            return outcome;
        }
        edit->setText(typed);
        sheet.accept();
        outcome.accepted = sheet.result() == QDialog::Accepted;
        outcome.selected = edit->selectedText();
        EXPECT_EQ(sheet.tabs()->currentIndex(), box.page) << "the refusing page stays in front";
    }
    outcome.messages = port.messages;
    return outcome;
}

class NumberBoxes : public ::testing::TestWithParam<NumberBox> {};

// Under the tests' C locale the decimal point is '.'.
TEST_P(NumberBoxes, RefuseACommaAndTrailingLettersInsteadOfCuttingThem) {
    const NumberBox& box = GetParam();
    const QString typed = QString::fromUtf8(box.typed);
    for (const QString& text : {typed, typed + QStringLiteral("abc")}) {
        const Outcome outcome = typeAndConfirm(box, text);
        EXPECT_FALSE(outcome.accepted) << box.why << ": " << text.toStdString();
        EXPECT_EQ(outcome.messages, std::vector<std::string>{box.message}) << box.why;
        EXPECT_EQ(outcome.selected, text) << "the box's text is selected to be mended";
    }
}

using namespace duct_details;
const std::string kLeakageNeeded =
    messages::numberNeeded(std::string(leakage_page::kResistanceCaption) + " " +
                           std::string(unitLabel(strings::kLeakagePer100, kSI)));

// The typed texts lead with a number inside the box's range, so only the rest of the text is
// wrong: a box that took the leading number would accept them.
INSTANTIATE_TEST_SUITE_P(
    EveryDialogBox, NumberBoxes,
    ::testing::Values(
        NumberBox{"the fixed quantity would be stored as 12", -1, 0, "12,5",
                  "Enter a number for Fixed Quantity (m³/s)."},
        NumberBox{"the duct diameter would be cut to 1 m", kResistancePage,
                  resistance_page::kDiameter, "1,5",
                  messages::numberNeeded(std::string(resistance_page::kDiameterGroup) +
                                         std::string(diameterLabel(kSI)))},
        NumberBox{"the friction factor would be cut to 1", kResistancePage,
                  resistance_page::kFrictionFactor, "1,5",
                  messages::numberNeeded(std::string(resistance_page::kFrictionFactorGroup) +
                                         std::string(unitLabel(strings::kFrictionFactor, kSI)))},
        NumberBox{"the leakage resistance would be cut to 20000", kLeakagePage,
                  leakage_page::kResistance, "20000,5", kLeakageNeeded},
        NumberBox{"the iteration limit is a whole number: 500,5 is no 500", kGeneralPage,
                  general_page::kIterationLimit, "500,5",
                  messages::wholeNumberNeeded(general_page::kIterationLimitCaption)}));

// A locale whose decimal point is a comma: the system's German one, or one compiled for the test
// when the machine has none (LOCPATH points the C library at it).
class CommaLocale {
public:
    CommaLocale() {
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
            m_ready = true;
            return;
        }
        if (!m_folder.isValid()) {
            return;
        }
        const QString target = QDir(m_folder.path()).filePath(QStringLiteral("de_DE.UTF-8"));
        if (QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), target}) != 0) {
            return;
        }
        ::setenv("LOCPATH", qPrintable(m_folder.path()), 1);
        m_ready = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    }
    ~CommaLocale() {
        std::setlocale(LC_NUMERIC, "C");
        ::unsetenv("LOCPATH");
    }
    bool ready() const { return m_ready; }

private:
    QTemporaryDir m_folder;
    bool m_ready = false;
};

TEST(NumberBoxesUnderACommaLocale, TakeTheCommaAsTheDecimalPointAndRefuseThePoint) {
    const CommaLocale comma;
    if (!comma.ready()) {
        GTEST_SKIP() << "no German locale, and localedef could not make one";
    }
    const NumberBox quantity{"fixed quantity", -1, 0, "", ""};
    testing::FakeUiPort port;
    FixedQuantityValues values;
    values.fixedQuantity = 1;
    FixedQuantityDialog dialog(values, port);
    EXPECT_EQ(dialog.quantityEdit()->text(), QStringLiteral("1"));
    dialog.quantityEdit()->setText(QStringLiteral("12,5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().fixedQuantity, 12.5);

    const Outcome point = typeAndConfirm(quantity, QStringLiteral("12.5"));
    EXPECT_FALSE(point.accepted) << "a point is no decimal point here: 12.5 would be 12";
    EXPECT_EQ(point.messages,
              std::vector<std::string>{"Enter a number for Fixed Quantity (m³/s)."});

    CDuctPropSheet sheet(passingModel(), port);
    sheet.tabs()->setCurrentIndex(kResistancePage);
    auto* diameter = qobject_cast<QLineEdit*>(sheet.control(resistance_page::kDiameter));
    ASSERT_NE(diameter, nullptr);
    diameter->setText(QStringLiteral("0,8"));
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(sheet.values().ductDiameter, 0.8);
}

} // namespace
} // namespace flowmar
