#pragma once

#include "world/WorldFind.h"

#include <QDialog>

class CTolvexApp;
class CWorld;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

// Find in World: a vnum or a text, and the records of every area of the
// world that match, one a line. Enter or a double-click on a line shows the
// record: a room on its area's map, anything else in its editor. It stays
// open beside the maps, and lists again when an area changes.
class CFindInWorldDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFindInWorldDlg(CTolvexApp& app, QWidget* parent = nullptr);

    // Shows the main window's dialog (made the first time), ready for a query.
    static CFindInWorldDlg* Open(CTolvexApp& app);

    // "Room 3001 The Temple Square — midgaard.are".
    static QString LineOf(const CWorldMatch& match, const std::string& file);

    // Lists what matches the query in the box; the list takes the focus when
    // something does.
    void Search();
    bool RefreshPending() const;

private:
    void SetWorld(CWorld* world);
    // Lists again for the query last searched, keeping the current line when
    // its record still matches.
    void Refill();
    void Fill(const QString& query);
    void OpenLine(QListWidgetItem* item);

    CTolvexApp& app;
    CWorld* world = nullptr;
    QString searched;
    CWorldMatches found;
    QLineEdit* findText = nullptr;
    QLabel* countLabel = nullptr;
    QListWidget* list = nullptr;
    QPushButton* openButton = nullptr;
    QTimer* refreshTimer = nullptr;
};
