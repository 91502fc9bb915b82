#pragma once

#include "app/CRememberedDock.h"

class CAreaDocument;
class CWorld;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The World panel: one line per area of the open world, in list order, with
// its file, name, range, records and findings; Enter or a double-click shows
// its map. Ranges that overlap another area's are marked.
class CWorldPanel : public CRememberedDock {
    Q_OBJECT

public:
    explicit CWorldPanel(QWidget* parent = nullptr);

    // The world to list, or null; shows the panel when the settings say so.
    void SetWorld(CWorld* world);
    // Makes the area's line the current one (none for null).
    void SetCurrentDocument(const CAreaDocument* document);
    // Lists the world again, now.
    void Refresh();
    bool RefreshPending() const;

Q_SIGNALS:
    void AreaActivated(CAreaDocument* document);
    // The line's menu asked to renumber its area.
    void RenumberRequested(CAreaDocument* document);

private:
    void OnItemActivated(QTreeWidgetItem* item);

    CWorld* world = nullptr;
    const CAreaDocument* current = nullptr;
    QTreeWidget* list = nullptr;
    QTimer* refreshTimer = nullptr;
};
