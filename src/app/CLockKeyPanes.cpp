#include "app/CLockKeyPanes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {

// The X11 modifier bits of Caps Lock and (usually) Num Lock.
constexpr quint32 X11LockMask = 0x02;
constexpr quint32 X11Mod2Mask = 0x10;

QLabel* NewPane(QStatusBar* bar, const char* text, const char* name)
{
    auto* pane = new QLabel(QString::fromLatin1(text), bar);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(pane->text()) + 12);
    bar->addPermanentWidget(pane);
    return pane;
}

} // namespace

CLockKeyPanes::CLockKeyPanes(QStatusBar* bar)
    : QObject(bar)
    , capsPane(NewPane(bar, "CAPS", "capsPane"))
    , numPane(NewPane(bar, "NUM", "numPane"))
    , scrollPane(NewPane(bar, "SCRL", "scrollPane"))
{
    qApp->installEventFilter(this);
    Show();
}

CLockKeyPanes::~CLockKeyPanes()
{
    qApp->removeEventFilter(this);
}

bool CLockKeyPanes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = event->type() == QEvent::KeyPress && !key->isAutoRepeat();
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            // The state is the one before this key: a lock key's own press
            // turns its lock over.
            caps = (key->nativeModifiers() & X11LockMask) != 0;
            num = (key->nativeModifiers() & X11Mod2Mask) != 0;
            if (press && key->key() == Qt::Key_CapsLock)
                caps = !caps;
            if (press && key->key() == Qt::Key_NumLock)
                num = !num;
        }
        if (press && key->key() == Qt::Key_ScrollLock)
            scroll = !scroll;
        Show();
    }
    return QObject::eventFilter(watched, event);
}

void CLockKeyPanes::Show()
{
    capsPane->setEnabled(caps);
    numPane->setEnabled(num);
    scrollPane->setEnabled(scroll);
}
