#include "ui/dialogs/about_dialog.h"

#include "core/model/number_text.h"
#include "core/model/string_table.h"
#include "core/model/version.h"
#include "ui/app/app_icons.h"
#include "ui/core_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace flowmar {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(coreText(labels::kAboutTitle));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel;
    icon->setPixmap(applicationIcon().pixmap(64, 64));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    auto* title =
        new QLabel(QStringLiteral("<b>%1</b> — %2")
                       .arg(coreText(labels::kProgramName), coreText(labels::kProgramSubject)));
    layout->addWidget(title, 0, 1);
    layout->addWidget(new QLabel(coreText(kVersionText)), 1, 1);
    layout->addWidget(new QLabel(coreText(withText(labels::kAboutDescription, qVersion()))), 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 3, 0, 1, 2);
}

} // namespace flowmar
