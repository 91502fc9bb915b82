#include "app/CSplashWnd.h"

#include "app/AppResources.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

const QString CSplashWnd::DefaultPicture = QStringLiteral(":/images/splash.svg");

bool CSplashWnd::splashEnabled = false;
CSplashWnd* CSplashWnd::currentSplash = nullptr;

namespace {

bool IsMousePress(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
        || type == QEvent::NonClientAreaMouseButtonPress || type == QEvent::NonClientAreaMouseButtonDblClick;
}

bool IsMouseRelease(QEvent::Type type)
{
    return type == QEvent::MouseButtonRelease || type == QEvent::NonClientAreaMouseButtonRelease;
}

} // namespace

void CSplashWnd::EnableSplashScreen(bool enable)
{
    splashEnabled = enable;
}

bool CSplashWnd::IsSplashScreenEnabled()
{
    return splashEnabled;
}

void CSplashWnd::ShowSplashScreen(QWidget* over)
{
    ShowSplashScreen(over, DefaultPicture);
}

void CSplashWnd::ShowSplashScreen(QWidget* over, const QString& picturePath)
{
    if (!splashEnabled || currentSplash)
        return;
    EnsureAppResources();
    QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    const qreal pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    const QPixmap picture = LoadPicture(picturePath, pixelRatio);
    if (picture.isNull())
        return;
    currentSplash = new CSplashWnd(picture, over);
    currentSplash->show();
}

CSplashWnd* CSplashWnd::Current()
{
    return currentSplash;
}

CSplashWnd::CSplashWnd(const QPixmap& image, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint)
    , picture(image)
    , over(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The main window keeps the focus, so the keys work once the splash is gone.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    const QSize size = (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
    setFixedSize(size);

    QRect area;
    if (over && over->isVisible())
        area = over->frameGeometry();
    else if (QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));

    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &CSplashWnd::HideSplashScreen);
    timer.start(DisplayMilliseconds);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
    if (currentSplash == this)
        currentSplash = nullptr;
}

void CSplashWnd::HideSplashScreen()
{
    if (hiding)
        return;
    hiding = true;
    timer.stop();
    if (currentSplash == this)
        currentSplash = nullptr;
    const bool wasActive = isActiveWindow();
    hide();
    // Some window systems hand the focus to a splash all the same; give it
    // back, or the first keys after the splash would go nowhere.
    if (over && over->isVisible() && (wasActive || !QApplication::activeWindow()))
        over->activateWindow();
    // A mouse press that hid us has its release still to come; we stay
    // (hidden) to swallow it too.
    if (!awaitingRelease)
        deleteLater();
    if (over)
        over->update();
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (hiding) {
        if (!awaitingRelease)
            return QWidget::eventFilter(watched, event);
        // The rest of the click that hid us: its release, and the context
        // menu that some systems make of a right button's release.
        if (IsMouseRelease(type) || type == QEvent::ContextMenu) {
            if (IsMouseRelease(type)) {
                awaitingRelease = false;
                deleteLater();
            }
            return true;
        }
        if (IsMousePress(type)) {
            // The release went elsewhere; this is a new click, not ours.
            awaitingRelease = false;
            deleteLater();
        }
        return QWidget::eventFilter(watched, event);
    }
    // The main window is shown after us and would cover us; a splash it owns
    // stays above it.
    if (watched == over && (type == QEvent::Show || type == QEvent::WindowActivate))
        QTimer::singleShot(0, this, [this] {
            if (!hiding)
                raise();
        });
    // Claiming the override keeps the key out of the shortcut map; the key
    // press that follows then reaches us and is swallowed.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (type == QEvent::KeyPress) {
        HideSplashScreen();
        return true;
    }
    if (IsMousePress(type)) {
        awaitingRelease = true;
        HideSplashScreen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}
