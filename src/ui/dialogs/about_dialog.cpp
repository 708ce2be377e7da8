#include "ui/dialogs/about_dialog.h"

#include "ui/app/app_icons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace flowmar {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Flowmar"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel;
    icon->setPixmap(applicationIcon().pixmap(64, 64));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    auto* title = new QLabel(tr("<b>Flowmar</b> — auxiliary ventilation ducts and fans"));
    layout->addWidget(title, 0, 1);
    layout->addWidget(new QLabel(tr("Version 1.01c")), 1, 1);
    layout->addWidget(new QLabel(tr("Airflow and pressure along leaky ducts, fan operating points "
                                    "and booster pressures.\nBuilt with Qt %1.")
                                     .arg(QString::fromLatin1(qVersion()))),
                      2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 3, 0, 1, 2);
}

} // namespace flowmar
