// "About Flowmar": the icon, the title, the version line and the credits.
#pragma once

#include <QDialog>

namespace flowmar {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace flowmar
