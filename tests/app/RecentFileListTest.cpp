#include "AppFixture.h"

#include "app/CRecentFileList.h"

#include <QDir>

namespace {

using RecentFiles = AppFixture;

QStringList Paths(const QString& dir, std::initializer_list<int> numbers)
{
    QStringList paths;
    for (int n : numbers)
        paths << QDir(dir).filePath(QStringLiteral("area%1.are").arg(n));
    return paths;
}

TEST_F(RecentFiles, KeepTheFiveNewestWithoutDuplicates)
{
    CRecentFileList list;
    for (int n = 1; n <= 6; ++n)
        list.Add(temp.filePath(QStringLiteral("area%1.are").arg(n)));
    EXPECT_EQ(list.Files(), Paths(temp.path(), { 6, 5, 4, 3, 2 }));

    list.Add(temp.filePath(QStringLiteral("area3.are")));
    EXPECT_EQ(list.Files(), Paths(temp.path(), { 3, 6, 5, 4, 2 })) << "a file opened again moves up";

    list.Remove(temp.filePath(QStringLiteral("area5.are")));
    EXPECT_EQ(list.Files(), Paths(temp.path(), { 3, 6, 4, 2 }));
}

TEST_F(RecentFiles, SurviveInTheSettingsStoreAsFile1ToFile5)
{
    CRecentFileList list;
    for (int n = 1; n <= 5; ++n)
        list.Add(temp.filePath(QStringLiteral("area%1.are").arg(n)));
    list.WriteList();
    {
        QSettings settings(QStringLiteral("Vantreme"), QStringLiteral("tolvex"));
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File1")).toString(), Paths(temp.path(), { 5 })[0]);
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File5")).toString(), Paths(temp.path(), { 1 })[0]);
    }

    // A shorter list leaves no stale entries behind.
    list.Remove(temp.filePath(QStringLiteral("area1.are")));
    list.WriteList();
    CRecentFileList read;
    read.ReadList();
    EXPECT_EQ(read.Files(), Paths(temp.path(), { 5, 4, 3, 2 }));
    QSettings settings(QStringLiteral("Vantreme"), QStringLiteral("tolvex"));
    EXPECT_FALSE(settings.contains(QStringLiteral("Recent File List/File5")));
}

TEST_F(RecentFiles, FileMenuListsOpenedAreasAndForgetsOnesThatAreGone)
{
    ASSERT_TRUE(Start());
    const std::string area = ReadAll(SourcePath("tests/data/map-levels/tower.are"));
    QStringList opened;
    for (int n = 1; n <= 6; ++n) {
        opened << WriteFile(QStringLiteral("area%1.are").arg(n), area);
        ASSERT_NE(app->OpenDocumentFile(opened.back()), nullptr);
    }
    QStringList shown;
    for (int i = 1; i <= 6; ++i) {
        QAction* action = Frame()->findChild<QAction*>(QStringLiteral("actionFileMru%1").arg(i));
        if (action && action->isVisible())
            shown << action->text();
    }
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown.front(), QStringLiteral("&1 ") + QDir::toNativeSeparators(opened[5]));
    EXPECT_FALSE(Frame()->findChild<QAction*>(QStringLiteral("actionFileMruEmpty"))->isVisible());

    // The newest entry now names a file that has disappeared.
    app->CloseAllDocuments();
    QFile::remove(opened[5]);
    Frame()->findChild<QAction*>(QStringLiteral("actionFileMru1"))->trigger();
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_FALSE(app->RecentFiles().Files().contains(opened[5]));
    EXPECT_EQ(app->RecentFiles().Files().size(), 4);
}

} // namespace
