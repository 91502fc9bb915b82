#pragma once

#include "draw/MapCanvas.h"
#include "draw/MapGridIndex.h"

#include <QAbstractScrollArea>

class CAreaDocument;
struct CAreaChange;
class CChildFrame;
class CTolvexDoc;
class QPrinter;

// A map window's view: draws one level of its area, scrolls over it, and
// carries the commands that act on the map. Selection and shown level are the
// view's own; the cell size is shared by the area's windows; the placements
// on the grid belong to the area.
class CTolvexView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CTolvexView(CAreaDocument& document, QWidget* parent = nullptr);
    ~CTolvexView() override;

    CAreaDocument& Document() const { return document; }
    const CTolvexDoc& GetDocument() const;

    // The selected room's index in the document's room list, or -1. An index
    // left beyond the list by a deletion in another window counts as -1.
    int Selection() const;
    void SetSelection(int index);
    int ShownLevel() const { return shownLevel; }
    void SetShownLevel(int level);

    QString StatusText() const;

    // The room under a point of the map (map units), as a click selects it.
    int RoomAt(QPoint mapPoint) const;

    bool MapStatusBarShown() const;

    // Map commands.
    void OnMapLevelUp();
    void OnMapLevelDown();
    void OnMapZoomIn();
    void OnMapZoomOut();
    void OnViewMapStatusBar();
    void OnGoToRoom();
    // Selects room `index`, shows its level and scrolls it into view.
    void GoToRoom(int index);

    // Printing: with the print dialog, straight to the printer, or previewed.
    // `previewPages` is 1 or 2 pages side by side, updated from the preview.
    void OnFilePrint(QPrinter& printer);
    bool OnFilePrintDirect(QPrinter& printer);
    void OnFilePrintPreview(QPrinter& printer, int& previewPages);

Q_SIGNALS:
    void StatusTextChanged(const QString& text);
    // Selection, level or zoom changed: the commands' states may follow.
    void StateChanged();
    // Enter or a double click on the selected room: its editor is wanted.
    void RoomActivated(int index);
    // An exit into another area of the world was followed (by its arrow key
    // or a double click on its end): that area's map is wanted, showing the room.
    void ExitFollowed(int toVnum);

protected:
    // What hovering a room shows.
    virtual QString RoomToolTip(int index) const;
    // A colour per room in place of its sector's, or null.
    virtual const std::vector<CMapColor>* RoomColors() const { return nullptr; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    CChildFrame* Frame() const;
    int CellSize() const;
    void OnDocumentChanged();
    void OnRecordsChanged(const CAreaChange& change);
    // Keeps the selected room selected through a change of the room list.
    void FollowSelection(const CAreaChange& change);
    void UpdateScrollBars();
    void UpdateStatusText();
    // The vnum an exit of room `index` leads to in another area of the world, or 0.
    int VnumElsewhere(int index, int direction) const;
    QPoint MapPoint(QPoint viewportPoint) const;

    CAreaDocument& document;
    int selection = -1;
    // The selected room's vnum, to find it again after an undo or redo has
    // put the room list back.
    int selectedVnum = 0;
    int shownLevel = 0;
    QString statusText;
    // Where the rooms lie, for repaints of part of a large map; built again
    // at the first repaint after the records changed.
    CMapGridIndex mapIndex;
    bool mapIndexStale = true;
};
