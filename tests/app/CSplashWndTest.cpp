#include "app/CSplashWnd.h"

#include <QAction>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(SplashScreen, FirstPressHidesItAndDoesNothingElse)
{
    // A main window whose button, context menu and Ins shortcut (as New Room)
    // count what reaches them. The shortcut works in every window, so it would
    // fire whichever window the platform makes active under the splash.
    QMainWindow window;
    window.resize(800, 600);
    auto* button = new QPushButton(QStringLiteral("press me"), &window);
    window.setCentralWidget(button);
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* action = new QAction(QStringLiteral("New"), &window);
    action->setShortcut(QKeySequence(Qt::Key_Insert));
    action->setShortcutContext(Qt::ApplicationShortcut);
    window.addAction(action);
    int effects = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++effects; });
    QObject::connect(button, &QWidget::customContextMenuRequested, [&] { ++effects; });
    QObject::connect(action, &QAction::triggered, [&] { ++effects; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // Clicks as the window system delivers them, which is what makes the
    // context-menu event of a right click.
    const QPoint centre = button->mapTo(&window, button->rect().center());
    const std::pair<const char*, std::function<void()>> presses[] = {
        { "key press", [&] { QTest::keyClick(&window, Qt::Key_Insert); } },
        { "left click", [&] { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre); } },
        { "right click", [&] { QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, centre); } },
    };
    CSplashWnd::EnableSplashScreen(true);
    for (const auto& [what, press] : presses) {
        effects = 0;
        CSplashWnd::ShowSplashScreen(&window);
        ASSERT_NE(CSplashWnd::Current(), nullptr) << "the splash picture did not load";
        press();
        EXPECT_EQ(CSplashWnd::Current(), nullptr) << "the " << what << " must hide the splash";
        EXPECT_EQ(effects, 0) << "the " << what << " that hid the splash also did something";
        // The splash is deleted once control is back in the event loop.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        press();
        EXPECT_EQ(effects, 1) << "the " << what << " must work again once the splash is gone";
    }
    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::ShowSplashScreen(&window);
    EXPECT_EQ(CSplashWnd::Current(), nullptr) << "shown although disabled";
}

} // namespace
