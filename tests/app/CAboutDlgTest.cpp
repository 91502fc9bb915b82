#include "app/CAboutDlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    unsigned major, minor, patch, build;
    const char* expected;
};

TEST(AboutVersion, MajorThenPatchPlusTenTimesMinor)
{
    const VersionCase cases[] = {
        { 2, 0, 8, 1, "2.08" },
        { 1, 2, 3, 4, "1.23" },
        { 1, 0, 0, 0, "1.00" },
        { 0, 0, 5, 9, "0.05" },
        { 3, 9, 9, 0, "3.99" },
        // Past two digits the number simply grows.
        { 3, 12, 4, 0, "3.124" },
    };
    for (const VersionCase& c : cases) {
        EXPECT_EQ(FormatVersion(c.major, c.minor, c.patch, c.build).toStdString(), c.expected)
            << c.major << '.' << c.minor << '.' << c.patch << '.' << c.build;
    }
}

TEST(AboutVersion, DottedTextGivesSameTextOrPlaceholder)
{
    const std::pair<const char*, const char*> cases[] = {
        { "2.0.8.1", "2.08" },
        { "1.2.3.4", "1.23" },
        { "1.0.0", "1.00" },
        { "1.2", "1.20" },
        { "7", "7.00" },
        { " 1.0.3 ", "1.03" },
        { "", "X.XX" },
        { "beta", "X.XX" },
        { "1..2", "X.XX" },
        { "1.2.3.4.5", "X.XX" },
        { "1.-2.3", "X.XX" },
        // Each part is a 16-bit field of the version number.
        { "1.65536.0", "X.XX" },
        { "65535.0.0", "65535.00" },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(FormatVersionText(QString::fromLatin1(text)).toStdString(), expected) << "version '" << text << "'";
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<CAboutDlg>();
        dialog->SetSoundPlayer([this] { ++played; });
        picture = dialog->findChild<QPushButton*>(QStringLiteral("pictureButton"));
        note = dialog->findChild<QPlainTextEdit*>(QStringLiteral("noteEdit"));
        ASSERT_NE(picture, nullptr) << "no picture button";
        ASSERT_NE(note, nullptr) << "no note";
    }

    void Click(int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(picture, Qt::LeftButton);
    }

    std::unique_ptr<CAboutDlg> dialog;
    QPushButton* picture = nullptr;
    QPlainTextEdit* note = nullptr;
    int played = 0;
};

TEST_F(AboutBox, ShowsTheBuildsVersionAndAReadOnlyScrollingNote)
{
    auto* version = dialog->findChild<QLabel*>(QStringLiteral("versionLabel"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), FormatVersionText(QString::fromLatin1(TOLVEX_VERSION)));
    EXPECT_NE(version->text(), QStringLiteral("X.XX")) << "the build's version " TOLVEX_VERSION " was not understood";
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Quendar Ed..."));
    EXPECT_TRUE(note->isReadOnly());
    EXPECT_EQ(note->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(note->toPlainText().isEmpty());
    EXPECT_FALSE(picture->icon().isNull()) << "the About picture did not load";
}

TEST_F(AboutBox, FourClicksShowTheSecondTextAndPlayNothing)
{
    const QString first = note->toPlainText();
    Click(1);
    const QString second = note->toPlainText();
    EXPECT_NE(second, first) << "the first click must replace the note";
    Click(3);
    EXPECT_EQ(note->toPlainText(), second) << "later clicks must leave the second text";
    EXPECT_EQ(dialog->ClickCount(), 4);
    EXPECT_EQ(played, 0);
    EXPECT_EQ(dialog->SoundsPlayed(), 0);
}

TEST_F(AboutBox, FifthAndEveryLaterClickPlaysTheSound)
{
    Click(5);
    EXPECT_EQ(played, 1) << "the fifth click must play";
    Click(3);
    EXPECT_EQ(played, 4) << "every click after the fifth must play";
    EXPECT_EQ(dialog->SoundsPlayed(), 4);
}

TEST_F(AboutBox, ReopeningStartsOverFromTheFirstNote)
{
    const QString first = note->toPlainText();
    Click(6);
    ASSERT_EQ(played, 2);

    CAboutDlg reopened;
    int playedAgain = 0;
    reopened.SetSoundPlayer([&] { ++playedAgain; });
    auto* reopenedNote = reopened.findChild<QPlainTextEdit*>(QStringLiteral("noteEdit"));
    auto* reopenedPicture = reopened.findChild<QPushButton*>(QStringLiteral("pictureButton"));
    ASSERT_NE(reopenedNote, nullptr);
    ASSERT_NE(reopenedPicture, nullptr);
    EXPECT_EQ(reopenedNote->toPlainText(), first);
    EXPECT_EQ(reopened.ClickCount(), 0);
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(reopenedPicture, Qt::LeftButton);
    EXPECT_EQ(playedAgain, 0) << "the count of clicks must start again at 0";
}

TEST_F(AboutBox, EnterMeansOkNotAClickOnThePicture)
{
    dialog->show();
    picture->setFocus();
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->ClickCount(), 0) << "Enter clicked the picture";

    dialog->show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

} // namespace
