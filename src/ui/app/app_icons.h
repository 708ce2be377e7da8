// The program's icons: the application icon and one for each toolbar command, from the desktop's
// icon theme where it has one and drawn here otherwise.
#pragma once

#include <QIcon>

namespace flowmar {

QIcon applicationIcon();
QIcon commandIcon(int commandId);

} // namespace flowmar
