#include "ui/dialogs/help_window.h"

#include "core/model/string_table.h"
#include "ui/core_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace flowmar {

namespace {
const QString kGuideName = QStringLiteral("user-guide.md");
} // namespace

QStringList userGuideCandidates() {
    // Installed as <prefix>/bin/flowmar beside <prefix>/share/doc/flowmar: found wherever the
    // package puts the prefix.
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.absoluteFilePath(QStringLiteral("../share/doc/flowmar/") + kGuideName),
            QStringLiteral(FLOWMAR_INSTALLED_HELP), QStringLiteral(FLOWMAR_SOURCE_HELP)};
}

QString findUserGuide() {
    for (const QString& candidate : userGuideCandidates()) {
        if (QFileInfo::exists(candidate)) {
            return QFileInfo(candidate).canonicalFilePath();
        }
    }
    return {};
}

HelpWindow::HelpWindow(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser) {
    setWindowTitle(coreText(labels::kHelpWindowTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(760, 820);
}

} // namespace flowmar
