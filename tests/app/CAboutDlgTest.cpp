#include "app/CAboutDlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(AboutVersion, MajorThenPatchPlusTenTimesMinorOrAPlaceholder)
{
    EXPECT_EQ(FormatVersion(2, 0, 8, 1), QStringLiteral("2.08")) << "the build number takes no part";
    EXPECT_EQ(FormatVersion(3, 12, 4, 0), QStringLiteral("3.124")) << "past two digits the number grows";
    const std::pair<const char*, const char*> cases[] = {
        { "1.2.3.4", "1.23" },
        { "0.0.5", "0.05" },
        { "7", "7.00" },
        { " 1.0.3 ", "1.03" },
        { "65535.0.0", "65535.00" },
        // Not versions; each part is a 16-bit field.
        { "", "X.XX" },
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
    auto* picture = dialog.findChild<QPushButton*>(QStringLiteral("pictureButton"));
    auto* note = dialog.findChild<QPlainTextEdit*>(QStringLiteral("noteEdit"));
    auto* version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"));
    ASSERT_TRUE(picture && note && version);
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
    dialog.findChild<QPushButton*>(QStringLiteral("pictureButton"))->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ClickCount(), 0) << "Enter clicked the picture";
}

} // namespace
