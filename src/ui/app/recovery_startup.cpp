#include "ui/app/recovery_startup.h"

#include "core/commands/open_documents.h"
#include "core/commands/recovery_list.h"
#include "core/model/messages.h"
#include "ui/app/recovery_keeper.h"
#include "ui/core_text.h"
#include "ui/dialogs/dialog_recovery.h"
#include "ui/dialogs/splash_window.h"

#include <QStatusBar>

namespace flowmar {

std::unique_ptr<RecoveryKeeper> startKeepingRecoveryCopies(const QString& folder,
                                                           OpenDocuments& documents,
                                                           QStatusBar& statusBar, int messageMs) {
    auto keeper = std::make_unique<RecoveryKeeper>(folder);
    if (!keeper->store().usable()) {
        statusBar.showMessage(coreText(messages::noRecoveryCopies(keeper->store().lockError())));
    }
    QObject::connect(
        keeper.get(), &RecoveryKeeper::writeFailed, &statusBar,
        [&statusBar, messageMs](const QString& why) { statusBar.showMessage(why, messageMs); });
    for (const auto& open : documents.documents()) {
        keeper->track(*open);
    }
    return keeper;
}

std::vector<OpenDocument*> offerRecoveryCopies(RecoveryKeeper& keeper, OpenDocuments& documents,
                                               QWidget* parent,
                                               const std::function<void(OpenDocument&)>& adopt) {
    const std::vector<RecoveryCopy> copies = keeper.store().leftovers();
    if (copies.empty()) {
        return {};
    }
    std::vector<RecoveryRow> rows;
    for (const RecoveryCopy& copy : copies) {
        rows.push_back(recoveryRow(copy));
    }
    if (SplashWindow* splash = SplashWindow::current()) {
        splash->close();
    }
    DialogRecovery dialog(rows, parent);
    dialog.exec();
    const std::vector<OpenDocument*> restored =
        applyRecoveryChoices(copies, dialog.choices(), documents, adopt);
    for (OpenDocument* document : restored) {
        keeper.restored(*document);
    }
    return restored;
}

} // namespace flowmar
