#include "ui/app/app_icons.h"

#include "core/commands/command_ids.h"
#include "core/model/document_templates.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace flowmar {

namespace {

constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFilePrint = 57607;
constexpr int kAbout = 57664;

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

QIcon themed(const char* name, QStyle::StandardPixmap fallback) {
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
    return icon.isNull() ? QApplication::style()->standardIcon(fallback) : icon;
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
    const QColor input(46, 110, 180);
    const QColor fans(40, 140, 80);
    const QColor views(120, 90, 160);
    switch (id) {
    case kFileNew:
        return themed("document-new", QStyle::SP_FileIcon);
    case kFileOpen:
        return themed("document-open", QStyle::SP_DialogOpenButton);
    case commands::kSave:
        return themed("document-save", QStyle::SP_DialogSaveButton);
    case kFilePrint:
        return themed("document-print", QStyle::SP_FileDialogDetailedView);
    case kAbout:
        return themed("help-about", QStyle::SP_MessageBoxInformation);
    case commands::kDuctDetails:
        return badge(QStringLiteral("D"), input);
    case commands::kShockLosses:
        return badge(QStringLiteral("SL"), input);
    case commands::kFixedQuantityTool:
        return badge(QStringLiteral("Q"), input);
    case commands::kAddFan:
    case commands::kDatabaseAddFan:
        return badge(QStringLiteral("F+"), fans);
    case commands::kEditFan:
        return badge(QStringLiteral("F…"), fans);
    case commands::kDeleteFan:
        return badge(QStringLiteral("F−"), fans);
    case commands::kExecute:
        return themed("media-playback-start", QStyle::SP_MediaPlay);
    case templates::kSummaryOfInput:
        return badge(QStringLiteral("In"), views);
    case templates::kFanInput:
        return badge(QStringLiteral("FI"), views);
    case templates::kSummaryOfResults:
        return badge(QStringLiteral("Re"), views);
    case templates::kFanResults:
        return badge(QStringLiteral("FR"), views);
    case templates::kFanCurve:
        return badge(QStringLiteral("FC"), views);
    case templates::kGraph:
        return badge(QStringLiteral("Gr"), views);
    default:
        return {};
    }
}

} // namespace flowmar
