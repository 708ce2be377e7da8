#include "ui/dialogs/splash_window.h"

#include "core/model/string_table.h"
#include "core/model/version.h"
#include "ui/core_text.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace flowmar {

namespace {
bool g_enabled = true;
SplashWindow* g_current = nullptr;
constexpr int kShownMilliseconds = 4000;
} // namespace

QPixmap splashPicture() {
    QPixmap picture(523, 319);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 319);
    sky.setColorAt(0, QColor(32, 58, 96));
    sky.setColorAt(1, QColor(12, 24, 44));
    p.fillRect(picture.rect(), sky);
    // A duct running into the distance, its air flowing towards the face.
    QPainterPath duct;
    duct.moveTo(40, 230);
    duct.lineTo(483, 200);
    duct.lineTo(483, 232);
    duct.lineTo(40, 290);
    duct.closeSubpath();
    p.fillPath(duct, QColor(225, 160, 40));
    p.setPen(QPen(QColor(255, 255, 255, 180), 2));
    for (int x = 80; x < 460; x += 60) {
        p.drawLine(x, 245 - (x - 40) * 30 / 443, x + 30, 243 - (x - 10) * 30 / 443);
    }
    QFont title(QStringLiteral("Arial"), 40, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 50, 523, 70), Qt::AlignCenter, coreText(labels::kProgramName));
    QFont subtitle(QStringLiteral("Arial"), 13);
    p.setFont(subtitle);
    p.drawText(QRect(0, 120, 523, 30), Qt::AlignCenter, coreText(labels::kSplashSubtitle));
    p.drawText(QRect(0, 150, 523, 24), Qt::AlignCenter, coreText(kVersionText));
    return picture;
}

void SplashWindow::setEnabled(bool enabled) {
    g_enabled = enabled;
}
SplashWindow* SplashWindow::current() {
    return g_current;
}

void SplashWindow::showSplash(QWidget* owner) {
    if (!g_enabled || g_current != nullptr) {
        return;
    }
    g_current = new SplashWindow(owner);
    g_current->show();
    g_current->repaint();
}

SplashWindow::SplashWindow(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(splashPicture()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.size());
    setCursor(Qt::ArrowCursor);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    QTimer::singleShot(kShownMilliseconds, this, &SplashWindow::hideSplash);
    qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow() {
    qApp->removeEventFilter(this);
    if (g_current == this) {
        g_current = nullptr;
    }
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

bool SplashWindow::eventFilter(QObject*, QEvent* event) {
    // Closed, the splash lives on until the event loop deletes it, and a dialog run before that
    // (the recovery question at start-up) must get its presses.
    if (!isVisible()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        hideSplash();
        return true; // the press only closes the splash
    default:
        return false;
    }
}

void SplashWindow::hideSplash() {
    QWidget* owner = parentWidget();
    close();
    if (owner != nullptr) {
        owner->update();
    }
}

} // namespace flowmar
