#include "app/CSplashWnd.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The splash is deleted once control is back in the event loop.
void ReturnToEventLoop()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A main window with a button and an Ins action (as New Room), to see whether a press
// meant for the splash reaches them. The action works in every window, so it
// would fire whichever window the platform makes active under the splash.
class SplashScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(800, 600);
        button = new QPushButton(QStringLiteral("press me"), &window);
        window.setCentralWidget(button);
        action = new QAction(QStringLiteral("New"), &window);
        action->setShortcut(QKeySequence(Qt::Key_Insert));
        action->setShortcutContext(Qt::ApplicationShortcut);
        window.addAction(action);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        CSplashWnd::EnableSplashScreen(true);
    }

    void TearDown() override
    {
        if (CSplashWnd* splash = CSplashWnd::Current())
            splash->HideSplashScreen();
        ReturnToEventLoop();
        CSplashWnd::EnableSplashScreen(false);
    }

    // A right click as the window system delivers it, which is what makes
    // the context-menu event.
    void RightClickOnButton()
    {
        const QPoint centre = button->mapTo(&window, button->rect().center());
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, centre);
    }

    CSplashWnd* ShowSplash()
    {
        CSplashWnd::ShowSplashScreen(&window);
        return CSplashWnd::Current();
    }

    QMainWindow window;
    QPushButton* button = nullptr;
    QAction* action = nullptr;
};

TEST_F(SplashScreen, HasThePicturesSizeAndIsCentredOverTheWindow)
{
    CSplashWnd* splash = ShowSplash();
    ASSERT_NE(splash, nullptr) << "the splash picture did not load";
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(480, 300));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    const QPoint offset = splash->geometry().center() - window.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << "splash centre is off by " << offset.x() << "," << offset.y();
}

TEST_F(SplashScreen, KeyPressHidesItAndDoesNothingElse)
{
    QSignalSpy triggered(action, &QAction::triggered);
    ASSERT_NE(ShowSplash(), nullptr);
    QTest::keyClick(&window, Qt::Key_Insert);
    EXPECT_EQ(CSplashWnd::Current(), nullptr) << "the key press must hide the splash";
    EXPECT_EQ(triggered.count(), 0) << "the key press that hid the splash also ran a shortcut";

    ReturnToEventLoop();
    QTest::keyClick(&window, Qt::Key_Insert);
    EXPECT_EQ(triggered.count(), 1) << "keys must work again once the splash is gone";
}

// Counts the mouse events that reach a widget.
class CMouseCounter : public QObject {
public:
    int presses = 0;
    int releases = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        if (event->type() == QEvent::MouseButtonRelease)
            ++releases;
        return false;
    }
};

TEST_F(SplashScreen, MouseClickHidesItAndDoesNothingElse)
{
    QSignalSpy clicked(button, &QPushButton::clicked);
    CMouseCounter reached;
    button->installEventFilter(&reached);
    ASSERT_NE(ShowSplash(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(CSplashWnd::Current(), nullptr) << "the mouse press must hide the splash";
    EXPECT_EQ(clicked.count(), 0) << "the press that hid the splash also clicked the button";
    EXPECT_EQ(reached.presses + reached.releases, 0) << "part of the click that hid the splash reached the button";

    ReturnToEventLoop();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1) << "clicks must work again once the splash is gone";
    EXPECT_EQ(reached.releases, 1);
}

TEST_F(SplashScreen, RightPressOpensNoContextMenu)
{
    int menus = 0;
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(button, &QWidget::customContextMenuRequested, [&] { ++menus; });
    ASSERT_NE(ShowSplash(), nullptr);
    RightClickOnButton();
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_EQ(menus, 0) << "the right press that hid the splash opened a context menu";

    ReturnToEventLoop();
    RightClickOnButton();
    EXPECT_EQ(menus, 1) << "context menus must work again once the splash is gone";
}

TEST_F(SplashScreen, TimerClosesIt)
{
    QPointer<CSplashWnd> splash = ShowSplash();
    ASSERT_FALSE(splash.isNull());
    QTest::qWait(CSplashWnd::DisplayMilliseconds / 2);
    EXPECT_EQ(CSplashWnd::Current(), splash.data()) << "the splash went away too early";
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, CSplashWnd::DisplayMilliseconds * 3))
        << "the splash was not closed by its timer";
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
}

TEST_F(SplashScreen, NotShownWhenDisabledTwiceOrWithoutPicture)
{
    CSplashWnd::EnableSplashScreen(false);
    EXPECT_EQ(ShowSplash(), nullptr) << "shown although disabled";

    CSplashWnd::EnableSplashScreen(true);
    QTemporaryDir dir;
    CSplashWnd::ShowSplashScreen(&window, dir.filePath(QStringLiteral("missing.svg")));
    EXPECT_EQ(CSplashWnd::Current(), nullptr) << "shown without its picture";

    CSplashWnd* first = ShowSplash();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ShowSplash(), first) << "a second splash replaced the first";
    EXPECT_EQ(window.findChildren<CSplashWnd*>().size(), 1);
}

} // namespace
