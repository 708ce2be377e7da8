// The splash picture shown while the main window opens: at most one at a time, only when splash
// display is enabled, gone after four seconds or at the first key or mouse press (which it eats).
#pragma once

#include <QPixmap>
#include <QWidget>

class QTimer;

namespace flowmar {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the splash over `owner` unless one is shown or splash display is disabled.
    static void showSplash(QWidget* owner);
    static void setEnabled(bool enabled);
    static SplashWindow* current();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SplashWindow(QWidget* owner);
    ~SplashWindow() override;
    void hideSplash();

    QPixmap m_picture;
};

// The 523 x 319 picture of the splash window.
QPixmap splashPicture();

} // namespace flowmar
