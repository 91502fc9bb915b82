#pragma once

#include <QString>
#include <QStringList>

// The most recently opened files, newest first, kept in the settings store
// under "Recent File List" as "File1" to "File<size>".
class CRecentFileList {
public:
    explicit CRecentFileList(int size = 5);

    // Puts the file first; an entry already in the list moves up rather than
    // appearing twice, and the oldest falls off the end.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return files; }
    int Size() const { return size; }

    void ReadList();
    void WriteList() const;

private:
    int size;
    QStringList files;
};
