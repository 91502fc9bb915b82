#pragma once

#include <QDialog>

#include <string>

class CAreaEditor;
class CRoomData;
class QListWidget;

// Lists the area's rooms, one line each ("U" marks a room off the map), for
// the builder to pick one to edit: Edit closes the list and opens the room's
// editor, whose OK is one step of the area.
class CRoomListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRoomListDlg(CAreaEditor& editor, QWidget* parent = nullptr);

    // Runs the list, then the chosen room's editor.
    static void ListAndEdit(QWidget* parent, CAreaEditor& area);

    // The chosen room's index in the document, or -1.
    int ChosenRoom() const;

    // The room's line: marker, vnum, tab, name.
    static std::string RoomLine(const CRoomData& room);

private:
    CAreaEditor& editor;
    QListWidget* list = nullptr;
};
