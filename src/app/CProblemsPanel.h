#pragma once

#include "check/CFinding.h"

#include "app/CRememberedDock.h"
#include <QMetaType>
#include <QString>

#include <functional>
#include <vector>

class CAreaDocument;
class QTimer;
class CProblemsModel;
class CWorld;
class QModelIndex;
class QTreeView;

// The Problems panel: for one area, what reading its file reported and what
// the checker finds in it now, one line each with an error or warning icon,
// where it is and the sentence. It follows every change of the area.
class CProblemsPanel : public CRememberedDock {
    Q_OBJECT

public:
    explicit CProblemsPanel(QWidget* parent = nullptr);

    // The area to list, or null for none; lists it at once when it is another one.
    void SetDocument(CAreaDocument* document);
    CAreaDocument* Document() const { return document; }
    // The mobprog vnums of the other open areas, where triggers may find
    // their programs. Set by the main window.
    std::function<std::vector<int>(const CAreaDocument*)> otherMobprogs;

    // Lists the area again, now, or once the changes of a burst are over.
    void Refresh();
    void RefreshSoon();
    // Another area opened or closed.
    void OnDocumentsChanged();
    bool RefreshPending() const;
    static constexpr int RefreshDelayMs = 150;

    // "2 errors, 5 warnings".
    static QString CountsText(int errors, int warnings);
    // The status after saving an area with errors: "Saved with 2 errors the server will refuse".
    static QString SavedWithErrorsText(int errors);
    // The status after opening an area whose reading reported something:
    // "Read with 3 warnings (see Problems)".
    static QString ReadWithText(int errors, int warnings);
    // The error findings of an area now, as a save reports them.
    int CountErrors(const CAreaDocument& area);
    // The open world: its areas are checked in it.
    const CWorld* world = nullptr;

Q_SIGNALS:
    // The counts of the listed area changed (both 0 without an area).
    void CountsChanged(int errors, int warnings);
    // A room line was double-clicked: the map should show the room.
    void RoomActivated(int vnum);
    // An object, mob or mobprog line was double-clicked: its editor should open.
    void RecordActivated(RecordKind kind, int vnum);

private:
    void OnLineActivated(const QModelIndex& index);
    std::vector<CFinding> Findings(const CAreaDocument& area);

    CAreaDocument* document = nullptr;
    CProblemsModel* model = nullptr;
    QTreeView* list = nullptr;
    QTimer* refreshTimer = nullptr;
    // The other areas' programs the listed findings were checked with.
    std::vector<int> checkedOthers;
};

Q_DECLARE_METATYPE(RecordKind)
