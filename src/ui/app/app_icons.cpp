#include "ui/app/app_icons.h"

#include "core/commands/command_table.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <map>

namespace flowmar {

namespace {

// A rounded badge with a short text, in a colour per group of commands.
QIcon badge(const QString& text, QColor colour) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(140));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QFont font(QStringLiteral("Arial"), text.size() > 2 ? 8 : 11, QFont::Bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

// The platform's own picture where the desktop's theme has none of the name.
QStyle::StandardPixmap fallbackFor(const QString& themeName) {
    static const std::map<QString, QStyle::StandardPixmap> fallbacks{
        {QStringLiteral("document-new"), QStyle::SP_FileIcon},
        {QStringLiteral("document-open"), QStyle::SP_DialogOpenButton},
        {QStringLiteral("document-save"), QStyle::SP_DialogSaveButton},
        {QStringLiteral("document-print"), QStyle::SP_FileDialogDetailedView},
        {QStringLiteral("help-about"), QStyle::SP_MessageBoxInformation},
        {QStringLiteral("media-playback-start"), QStyle::SP_MediaPlay},
    };
    const auto it = fallbacks.find(themeName);
    return it == fallbacks.end() ? QStyle::SP_FileIcon : it->second;
}

QIcon themed(const QString& name) {
    const QIcon icon = QIcon::fromTheme(name);
    return icon.isNull() ? QApplication::style()->standardIcon(fallbackFor(name)) : icon;
}

} // namespace

QIcon applicationIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(32, 58, 96));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(225, 160, 40));
    p.drawRect(QRectF(8, 28, 48, 12)); // the duct
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 34), 9, 9); // the fan
    p.setPen(QPen(QColor(32, 58, 96), 2));
    p.drawLine(QPointF(8, 34), QPointF(20, 34));
    p.drawLine(QPointF(14, 28), QPointF(14, 40));
    return QIcon(pixmap);
}

QIcon commandIcon(int id) {
    const CommandInfo* command = findCommand(id);
    if (command == nullptr) {
        return {};
    }
    const QString name = QString::fromUtf8(command->icon.name.data(),
                                           static_cast<qsizetype>(command->icon.name.size()));
    switch (command->icon.group) {
    case IconGroup::Theme:
        return themed(name);
    case IconGroup::Input:
        return badge(name, QColor(46, 110, 180));
    case IconGroup::Fans:
        return badge(name, QColor(40, 140, 80));
    case IconGroup::Views:
        return badge(name, QColor(120, 90, 160));
    case IconGroup::None:
        break;
    }
    return {};
}

} // namespace flowmar
