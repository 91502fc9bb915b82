#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

// The picture shown while the editor starts. It goes away after a moment, or
// at the first key or mouse press anywhere in the application; that press is
// swallowed, so it does nothing else.
class CSplashWnd : public QWidget {
    Q_OBJECT

public:
    static constexpr int DisplayMilliseconds = 1400;
    static const QString DefaultPicture;

    static void EnableSplashScreen(bool enable);
    static bool IsSplashScreenEnabled();

    // Shows the splash centred over `over` (on its screen when `over` is not
    // shown yet). Nothing happens when the splash is disabled or already
    // shown, or when the picture cannot be loaded.
    static void ShowSplashScreen(QWidget* over);
    static void ShowSplashScreen(QWidget* over, const QString& picturePath);

    // The splash while it is on screen, else nullptr.
    static CSplashWnd* Current();

    void HideSplashScreen();

    ~CSplashWnd() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWnd(const QPixmap& image, QWidget* owner);

    QPixmap picture;
    QTimer timer;
    QPointer<QWidget> over;
    bool hiding = false;
    bool awaitingRelease = false;

    static bool splashEnabled;
    static CSplashWnd* currentSplash;
};
