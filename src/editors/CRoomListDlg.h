#pragma once

#include <QDialog>

#include <string>

class CRoomData;
class CTolvexDoc;
class QListWidget;

// Lists the area's rooms, one line each ("U" marks a room off the map), for
// the builder to pick one to edit.
class CRoomListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRoomListDlg(const CTolvexDoc& doc, QWidget* parent = nullptr);

    // The chosen room's index in the document, or -1.
    int ChosenRoom() const;

    // The room's line: marker, vnum, tab, name.
    static std::string RoomLine(const CRoomData& room);

private:
    QListWidget* list = nullptr;
};
