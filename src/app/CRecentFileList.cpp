#include "app/CRecentFileList.h"

#include "gui/AppSettings.h"

#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("Recent File List");

QString Key(int i)
{
    return QStringLiteral("File%1").arg(i);
}

QString Normal(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

CRecentFileList::CRecentFileList(int capacity)
    : size(capacity)
{
}

void CRecentFileList::Add(const QString& path)
{
    const QString normal = Normal(path);
    files.removeAll(normal);
    files.prepend(normal);
    while (files.size() > size)
        files.removeLast();
}

void CRecentFileList::Remove(const QString& path)
{
    files.removeAll(Normal(path));
}

void CRecentFileList::ReadList()
{
    files.clear();
    const auto settings = AppSettings();
    settings->beginGroup(Section);
    for (int i = 1; i <= size; ++i) {
        const QString path = settings->value(Key(i)).toString();
        if (!path.isEmpty() && !files.contains(path))
            files.append(path);
    }
}

void CRecentFileList::WriteList() const
{
    const auto settings = AppSettings();
    settings->beginGroup(Section);
    for (int i = 1; i <= size; ++i) {
        if (i <= files.size())
            settings->setValue(Key(i), files[i - 1]);
        else
            settings->remove(Key(i));
    }
}
