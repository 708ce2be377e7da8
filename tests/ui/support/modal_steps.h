// Driving modal dialogs from a test: steps run on the dialog once it is open, a port that records
// messages instead of showing them, and typing as a person types.
#pragma once

#include "ui/app/qt_ui_port.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace flowmar::testing {

// The Qt port with its real dialogs, but messages recorded instead of shown, the Select Units
// answer scripted and the file-open dialog answered with a given path.
class DialogPort : public QtUiPort {
public:
    DialogPort() : QtUiPort(nullptr, {}) {}
    using UiPort::showMessage;
    void showMessage(std::string_view text, MessageIcon) override { messages.emplace_back(text); }
    int runSelectUnits(int) override { return unitSystem; }
    std::optional<std::string> chooseFileToOpen(const OpenFileRequest& request) override {
        fileRequests.push_back(request.title);
        return fileToOpen;
    }

    std::vector<std::string> messages;
    std::vector<std::string> fileRequests;
    int unitSystem = 1;
    std::optional<std::string> fileToOpen;
};

// Runs steps on the modal dialog once it is open; a dialog the steps leave open is cancelled, so
// a failed step cannot hang the test. Counts the openings in `ran`.
template <typename Dialog>
void whenOpen(const std::function<void(Dialog&)>& steps, int& ran) {
    QTimer::singleShot(0, [steps, &ran] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "the expected dialog did not open";
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                other->reject();
            }
            return;
        }
        ++ran;
        steps(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

inline void retype(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

inline void clickOk(QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    buttons->button(QDialogButtonBox::Ok)->click();
}

} // namespace flowmar::testing
