#include "AppFixture.h"

#include "app/CRecentFileList.h"

#include <QDir>

namespace {

using RecentFiles = AppFixture;

QStringList Paths(const QTemporaryDir& dir, std::initializer_list<int> numbers)
{
    QStringList paths;
    for (int n : numbers)
        paths << dir.filePath(QStringLiteral("area%1.are").arg(n));
    return paths;
}

TEST_F(RecentFiles, KeepTheFiveNewestWithoutDuplicatesAndNoStaleSettings)
{
    CRecentFileList list;
    for (const QString& path : Paths(temp, { 1, 2, 3, 4, 5, 6, 3 }))
        list.Add(path);
    EXPECT_EQ(list.Files(), Paths(temp, { 3, 6, 5, 4, 2 })) << "a file opened again moves up";
    list.WriteList();
    list.Remove(Paths(temp, { 5 })[0]);
    list.WriteList();
    CRecentFileList read;
    read.ReadList();
    EXPECT_EQ(read.Files(), Paths(temp, { 3, 6, 4, 2 })) << "a shorter list must leave no stale entry behind";
}

TEST_F(RecentFiles, FileMenuListsOpenedAreasAndForgetsOnesThatAreGone)
{
    ASSERT_TRUE(Start());
    for (const QString& path : Paths(temp, { 1, 2, 3, 4, 5, 6 }))
        ASSERT_TRUE(QFile::copy(TowerArea(), path) && app->OpenDocumentFile(path)) << path.toStdString();
    const auto mru = [this](int i) { return Frame()->findChild<QAction*>(QStringLiteral("actionFileMru%1").arg(i)); };
    EXPECT_EQ(mru(1)->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(Paths(temp, { 6 })[0]));
    EXPECT_TRUE(mru(5)->isVisible() && !mru(6));

    app->CloseAllDocuments();
    QFile::remove(Paths(temp, { 6 })[0]);
    mru(1)->trigger();
    EXPECT_EQ(app->RecentFiles().Files(), Paths(temp, { 5, 4, 3, 2 }));
}

} // namespace
