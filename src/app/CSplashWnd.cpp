#include "app/CSplashWnd.h"

#include "app/AppResources.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

const QString CSplashWnd::DefaultPicture = QStringLiteral(":/images/splash.svg");

bool CSplashWnd::s_enabled = false;
CSplashWnd* CSplashWnd::s_current = nullptr;

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
    s_enabled = enable;
}

bool CSplashWnd::IsSplashScreenEnabled()
{
    return s_enabled;
}

void CSplashWnd::ShowSplashScreen(QWidget* over)
{
    ShowSplashScreen(over, DefaultPicture);
}

void CSplashWnd::ShowSplashScreen(QWidget* over, const QString& picturePath)
{
    if (!s_enabled || s_current)
        return;
    EnsureAppResources();
    QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    const qreal pixelRatio = screen ? screen->devicePixelRatio() : 1.0;
    const QPixmap picture = LoadPicture(picturePath, pixelRatio);
    if (picture.isNull())
        return;
    s_current = new CSplashWnd(picture, over);
    s_current->show();
}

CSplashWnd* CSplashWnd::Current()
{
    return s_current;
}

CSplashWnd::CSplashWnd(const QPixmap& picture, QWidget* over)
    : QWidget(over, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(picture)
    , m_over(over)
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

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWnd::HideSplashScreen);
    m_timer.start(DisplayMilliseconds);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
    if (s_current == this)
        s_current = nullptr;
}

void CSplashWnd::HideSplashScreen()
{
    if (m_hiding)
        return;
    m_hiding = true;
    m_timer.stop();
    if (s_current == this)
        s_current = nullptr;
    const bool wasActive = isActiveWindow();
    hide();
    // Some window systems hand the focus to a splash all the same; give it
    // back, or the first keys after the splash would go nowhere.
    if (m_over && m_over->isVisible() && (wasActive || !QApplication::activeWindow()))
        m_over->activateWindow();
    // A mouse press that hid us has its release still to come; we stay
    // (hidden) to swallow it too.
    if (!m_awaitingRelease)
        deleteLater();
    if (m_over)
        m_over->update();
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_hiding) {
        if (!m_awaitingRelease)
            return QWidget::eventFilter(watched, event);
        // The rest of the click that hid us: its release, and the context
        // menu that some systems make of a right button's release.
        if (IsMouseRelease(type) || type == QEvent::ContextMenu) {
            if (IsMouseRelease(type)) {
                m_awaitingRelease = false;
                deleteLater();
            }
            return true;
        }
        if (IsMousePress(type)) {
            // The release went elsewhere; this is a new click, not ours.
            m_awaitingRelease = false;
            deleteLater();
        }
        return QWidget::eventFilter(watched, event);
    }
    // The main window is shown after us and would cover us; a splash it owns
    // stays above it.
    if (watched == m_over && (type == QEvent::Show || type == QEvent::WindowActivate))
        QTimer::singleShot(0, this, [this] {
            if (!m_hiding)
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
        m_awaitingRelease = true;
        HideSplashScreen();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}
