#include "map/CTolvexView.h"

#include "map/CChildFrame.h"
#include "map/CQtMapCanvas.h"
#include "draw/MapDrawing.h"
#include "layout/RoomLayout.h"
#include "map/MapPrinting.h"
#include "layout/RoomCommands.h"
#include "gui/CAreaDocument.h"
#include "gui/Prompt.h"

#include <QHelpEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>

CTolvexView::CTolvexView(CAreaDocument& area, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document(area)
{
    setObjectName(QStringLiteral("mapView"));
    viewport()->setObjectName(QStringLiteral("mapViewport"));
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(&document, &CAreaDocument::RecordsChanged, this, &CTolvexView::OnRecordsChanged);
    connect(&document, &CAreaDocument::CellSizeChanged, this, &CTolvexView::OnDocumentChanged);
    connect(&document, &CAreaDocument::OtherAreasChanged, viewport(), qOverload<>(&QWidget::update));
    UpdateScrollBars();
    UpdateStatusText();
}

CTolvexView::~CTolvexView() = default;

const CTolvexDoc& CTolvexView::GetDocument() const
{
    return document.Doc();
}

int CTolvexView::CellSize() const
{
    return document.CellSize();
}

int CTolvexView::Selection() const
{
    return RoomCommands::ValidSelection(GetDocument(), selection);
}

void CTolvexView::SetSelection(int index)
{
    selection = RoomCommands::ValidSelection(GetDocument(), index);
    selectedVnum = selection >= 0 ? GetDocument().rooms[static_cast<size_t>(selection)].vnum : 0;
    viewport()->update();
    UpdateStatusText();
    emit StateChanged();
}

void CTolvexView::SetShownLevel(int level)
{
    shownLevel = level;
    viewport()->update();
    UpdateStatusText();
    emit StateChanged();
}

QString CTolvexView::StatusText() const
{
    return FromBytes(MapStatusText(GetDocument(), shownLevel, Selection()));
}

int CTolvexView::RoomAt(QPoint mapPoint) const
{
    return RoomCommands::HitTest(GetDocument(), CellSize(), shownLevel, mapPoint.x(), mapPoint.y());
}

CChildFrame* CTolvexView::Frame() const
{
    return qobject_cast<CChildFrame*>(parentWidget());
}

bool CTolvexView::MapStatusBarShown() const
{
    const CChildFrame* frame = Frame();
    return frame && !frame->MapStatusBar()->isHidden();
}

void CTolvexView::OnMapLevelUp()
{
    if (!RoomCommands::CanLevelUp(GetDocument(), shownLevel))
        return;
    selection = -1;
    SetShownLevel(shownLevel + 1);
}

void CTolvexView::OnMapLevelDown()
{
    if (!RoomCommands::CanLevelDown(GetDocument(), shownLevel))
        return;
    selection = -1;
    SetShownLevel(shownLevel - 1);
}

void CTolvexView::OnMapZoomIn()
{
    // The zoom is shared by the area's windows, so every one of them follows;
    // the area itself is not changed.
    document.SetCellSize(RoomCommands::ZoomIn(CellSize()));
}

void CTolvexView::OnMapZoomOut()
{
    document.SetCellSize(RoomCommands::ZoomOut(CellSize()));
}

void CTolvexView::OnGoToRoom()
{
    bool ok = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Go to Room"),
        QStringLiteral("Room vnum, or part of its name:"), QLineEdit::Normal, QString(), &ok);
    if (!ok || text.trimmed().isEmpty())
        return;
    const int found = RoomCommands::FindRoomByText(GetDocument(), ToBytes(text.trimmed()));
    if (found < 0) {
        ShowError(this, QStringLiteral("No room has the vnum or a name with \"%1\".").arg(text.trimmed()));
        return;
    }
    GoToRoom(found);
    const CRoomData& room = GetDocument().rooms[static_cast<size_t>(found)];
    if (room.unplaced)
        Prompt().Show(this, QStringLiteral("Go to Room"),
            QStringLiteral("Room %1 is not on the map: the first room does not reach it (View > All Rooms shows it).")
                .arg(room.vnum),
            QMessageBox::Information);
}

void CTolvexView::GoToRoom(int index)
{
    const CTolvexDoc& doc = GetDocument();
    if (RoomCommands::ValidSelection(doc, index) < 0)
        return;
    const CRoomData& room = doc.rooms[static_cast<size_t>(index)];
    if (!room.unplaced && room.level != shownLevel)
        SetShownLevel(room.level);
    SetSelection(index);
    if (room.unplaced)
        return;
    // Scroll just enough for the room's box and a cell around it.
    const int c = CellSize();
    const QRect box(RoomX(room, c) - 2 * c, RoomY(room, c) - 2 * c, 4 * c, 4 * c);
    const QRect shown(horizontalScrollBar()->value(), verticalScrollBar()->value(), viewport()->width(), viewport()->height());
    if (box.left() < shown.left() || box.right() > shown.right())
        horizontalScrollBar()->setValue(box.center().x() - shown.width() / 2);
    if (box.top() < shown.top() || box.bottom() > shown.bottom())
        verticalScrollBar()->setValue(box.center().y() - shown.height() / 2);
}

void CTolvexView::keyPressEvent(QKeyEvent* event)
{
    // Plain arrows walk the selection along its exits; Page Up and Page Down
    // take the up and down exits; Enter opens the room.
    static const std::pair<int, int> walks[] = { { Qt::Key_Up, DirNorth }, { Qt::Key_Right, DirEast },
        { Qt::Key_Down, DirSouth }, { Qt::Key_Left, DirWest }, { Qt::Key_PageUp, DirUp }, { Qt::Key_PageDown, DirDown } };
    const int selected = Selection();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selected >= 0) {
            emit RoomActivated(selected);
            return;
        }
        for (const auto& [key, direction] : walks)
            if (event->key() == key && selected >= 0) {
                const int next = RoomCommands::RoomThroughExit(GetDocument(), selected, direction);
                if (next >= 0 && !GetDocument().rooms[static_cast<size_t>(next)].unplaced)
                    GoToRoom(next);
                else if (const int elsewhere = VnumElsewhere(selected, direction))
                    emit ExitFollowed(elsewhere);
                return;
            }
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CTolvexView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int delta = event->angleDelta().y();
        if (delta > 0)
            OnMapZoomIn();
        else if (delta < 0)
            OnMapZoomOut();
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

bool CTolvexView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at = MapPoint(help->pos());
        const int room = RoomAt(at);
        const IOtherAreas* others = document.OtherAreas();
        const CExitOut out = room < 0 && others ? ExitOutAt(GetDocument(), CellSize(), shownLevel, at.x(), at.y(), mapIndexStale ? nullptr : &mapIndex)
                                                : CExitOut {};
        if (room >= 0) {
            QToolTip::showText(help->globalPos(), RoomToolTip(room), viewport());
        } else if (out.room >= 0) {
            const std::string where = others->DescribeRoom(out.toVnum);
            QToolTip::showText(help->globalPos(),
                where.empty() ? QStringLiteral("to %1: no area of the world has this room").arg(out.toVnum)
                              : QStringLiteral("to %1").arg(FromBytes(where)),
                viewport());
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

QString CTolvexView::RoomToolTip(int index) const
{
    const CRoomData& room = GetDocument().rooms[static_cast<size_t>(index)];
    return QStringLiteral("(%1) %2").arg(room.vnum).arg(FromBytes(room.name));
}

int CTolvexView::VnumElsewhere(int index, int direction) const
{
    const IOtherAreas* others = document.OtherAreas();
    const CTolvexDoc& doc = GetDocument();
    if (!others || RoomCommands::ValidSelection(doc, index) < 0)
        return 0;
    const int vnum = doc.rooms[static_cast<size_t>(index)].exits[static_cast<size_t>(direction)].toVnum;
    return vnum > 0 && doc.FindRoomIndex(vnum) < 0 && others->HasRoom(vnum) ? vnum : 0;
}

QPoint CTolvexView::MapPoint(QPoint viewportPoint) const
{
    return viewportPoint + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CTolvexView::OnViewMapStatusBar()
{
    if (CChildFrame* frame = Frame()) {
        QStatusBar* bar = frame->MapStatusBar();
        bar->setVisible(bar->isHidden());
        emit StateChanged();
    }
}

void CTolvexView::OnRecordsChanged(const CAreaChange& change)
{
    // Only a new layout moves rooms or exits; the index keeps the rest.
    if (change.relaidOut)
        mapIndexStale = true;
    FollowSelection(change);
    OnDocumentChanged();
}

void CTolvexView::FollowSelection(const CAreaChange& change)
{
    if (change.kind != RecordKind::Room || selection < 0)
        return;
    const CTolvexDoc& doc = GetDocument();
    switch (change.action) {
    case ChangeAction::Added:
        break;
    case ChangeAction::Replaced:
        if (change.index == selection)
            selectedVnum = change.vnum;
        break;
    case ChangeAction::Deleted:
        selection = RoomCommands::SelectionAfterDelete(selection, change.index);
        break;
    case ChangeAction::Restored:
        // The list was put back whole: keep the room if it is still where it
        // was, else find it by its vnum; a room that is gone leaves nothing
        // selected.
        if (RoomCommands::ValidSelection(doc, selection) < 0
            || doc.rooms[static_cast<size_t>(selection)].vnum != selectedVnum)
            selection = doc.FindRoomIndex(selectedVnum);
        break;
    }
}

void CTolvexView::OnDocumentChanged()
{
    UpdateScrollBars();
    UpdateStatusText();
    viewport()->update();
    emit StateChanged();
}

void CTolvexView::UpdateScrollBars()
{
    const CMapSize size = ScrollSize(GetDocument(), CellSize());
    const QSize page = viewport()->size();
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 10));
    verticalScrollBar()->setSingleStep(std::max(1, page.height() / 10));
    horizontalScrollBar()->setRange(0, std::max(0, size.width - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, size.height - page.height()));
}

void CTolvexView::UpdateStatusText()
{
    const QString text = StatusText();
    if (text != statusText) {
        statusText = text;
        emit StatusTextChanged(text);
    }
}

void CTolvexView::paintEvent(QPaintEvent* event)
{
    const QRect area = event->rect();
    QPainter painter(viewport());
    // The desktop's colours, dark or light: the sectors keep the configuration's.
    const QColor background = viewport()->palette().color(QPalette::Base);
    painter.fillRect(area, background);
    const int ox = horizontalScrollBar()->value();
    const int oy = verticalScrollBar()->value();
    painter.translate(-ox, -oy);
    const CMapRect clip { area.left() + ox, area.top() + oy, area.right() + 1 + ox, area.bottom() + 1 + oy };
    if (mapIndexStale || !mapIndex.Fits(GetDocument())) {
        mapIndex.Build(GetDocument());
        mapIndexStale = false;
    }
    CQtMapCanvas canvas(painter);
    CMapWorld world;
    world.others = document.OtherAreas();
    world.roomColors = RoomColors();
    world.ink = MapInkOn({ background.red(), background.green(), background.blue() });
    DrawMap(canvas, GetDocument(), CellSize(), shownLevel, Selection(), &clip, &mapIndex, &world);
}

void CTolvexView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CTolvexView::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void CTolvexView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        SetSelection(RoomAt(MapPoint(event->position().toPoint())));
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CTolvexView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && Selection() >= 0)
        emit RoomActivated(Selection());
    else if (event->button() == Qt::LeftButton && document.OtherAreas()) {
        // The end of an exit into another area leads there.
        const QPoint at = MapPoint(event->position().toPoint());
        const CExitOut out = ExitOutAt(GetDocument(), CellSize(), shownLevel, at.x(), at.y(), mapIndexStale ? nullptr : &mapIndex);
        if (out.room >= 0 && VnumElsewhere(out.room, out.direction))
            emit ExitFollowed(out.toVnum);
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CTolvexView::OnFilePrint(QPrinter& printer)
{
    const CPrintPlan plan = PreparePrinting(GetDocument());
    printer.setFromTo(1, plan.pageCount);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setMinMax(1, plan.pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 0;
    int to = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    PrintMap(printer, GetDocument(), document.Title(), from, to);
}

bool CTolvexView::OnFilePrintDirect(QPrinter& printer)
{
    return !PrintMap(printer, GetDocument(), document.Title()).isEmpty();
}

void CTolvexView::OnFilePrintPreview(QPrinter& printer, int& previewPages)
{
    // The preview takes the place of the map; its status bar would only
    // describe the map underneath.
    CChildFrame* frame = Frame();
    const bool barShown = frame && !frame->MapStatusBar()->isHidden();
    if (frame)
        frame->MapStatusBar()->hide();

    QPrintPreviewDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter* target) { PrintMap(*target, GetDocument(), document.Title()); });
    QPrintPreviewWidget* preview = dialog.findChild<QPrintPreviewWidget*>();
    if (preview)
        preview->setViewMode(previewPages == 2 ? QPrintPreviewWidget::FacingPagesView : QPrintPreviewWidget::SinglePageView);
    dialog.exec();
    if (preview)
        previewPages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;

    if (frame && barShown)
        frame->MapStatusBar()->show();
}
