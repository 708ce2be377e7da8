// HelpWindow: Help > Contents. The user's guide shipped with the program, shown in the program's
// own browser window, so it needs no desktop help viewer. The guide is looked for beside the
// program as installed, then in the source tree of a build.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace flowmar {

// Where the guide may be, in the order tried: beside the installed program
// (<prefix>/share/doc/flowmar), the install prefix the build was configured with, the source tree.
QStringList userGuideCandidates();
// The first candidate that exists, or empty.
QString findUserGuide();

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the guide at path.
    explicit HelpWindow(const QString& path, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace flowmar
