#include "app/CAboutDlg.h"
#include "app/CSplashWnd.h"
#include "gui_support/DialogDriver.h"

#include <QMainWindow>

TEST(AboutVersion, MajorThenPatchPlusTenTimesMinorOrAPlaceholder)
{
    EXPECT_EQ(FormatVersion(2, 0, 8, 1), QStringLiteral("2.08")) << "the build number takes no part";
    EXPECT_EQ(FormatVersion(3, 12, 4, 0), QStringLiteral("3.124")) << "past two digits the number grows";
    const std::pair<const char*, const char*> cases[] = {
        { "1.2.3.4", "1.23" },
        { "7", "7.00" },
        { " 1.0.3 ", "1.03" },
        { "65535.0.0", "65535.00" },
        // Not versions; each part is a 16-bit field.
        { "beta", "X.XX" },
        { "1..2", "X.XX" },
        { "1.2.3.4.5", "X.XX" },
        { "1.65536.0", "X.XX" },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(FormatVersionText(QString::fromLatin1(text)).toStdString(), expected) << "version '" << text << "'";
}

TEST(AboutBox, FourClicksShowTheSecondTextSilentlyAndFromTheFifthOnEachClickPlays)
{
    CAboutDlg dialog;
    int played = 0;
    dialog.SetSoundPlayer([&] { ++played; });
    auto* picture = Find<QPushButton>(&dialog, "pictureButton");
    auto* note = Find<QPlainTextEdit>(&dialog, "noteEdit");
    auto* version = Find<QLabel>(&dialog, "versionLabel");
    EXPECT_EQ(version->text(), FormatVersionText(QString::fromLatin1(TOLVEX_VERSION)));
    EXPECT_NE(version->text(), QStringLiteral("X.XX")) << "the build's version " TOLVEX_VERSION " was not understood";

    const QString first = note->toPlainText();
    QTest::mouseClick(picture, Qt::LeftButton);
    const QString second = note->toPlainText();
    EXPECT_NE(second, first) << "the first click must replace the note";
    for (int click = 2; click <= 8; ++click) {
        QTest::mouseClick(picture, Qt::LeftButton);
        EXPECT_EQ(note->toPlainText(), second) << "click " << click << " must leave the second text";
        EXPECT_EQ(played, std::max(0, click - 4)) << "after click " << click;
    }
}

TEST(AboutBox, EnterMeansOkNotAClickOnThePicture)
{
    CAboutDlg dialog;
    dialog.show();
    Find<QPushButton>(&dialog, "pictureButton")->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ClickCount(), 0) << "Enter clicked the picture";
}

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
