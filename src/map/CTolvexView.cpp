#include "layout/RoomLayout.h"
#include "map/CTolvexView.h"

#include "map/CChildFrame.h"
#include "map/CQtMapCanvas.h"
#include "layout/MapDrawing.h"
#include "map/MapPrinting.h"
#include "layout/RoomCommands.h"
#include "gui/CAreaDocument.h"
#include "editors/CAreaInfoDlg.h"
#include "editors/CRoomEditDlg.h"
#include "editors/CRoomListDlg.h"
#include "gui/Prompt.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>

namespace {

// Runs the room editor on a proposed room and adds the room on OK; its index,
// or -1 when nothing was added.
int AddProposedRoom(QWidget* parent, CTolvexDoc& doc, RoomCommands::CRoomProposal proposal, int from, int direction)
{
    if (!proposal.ready) {
        if (!proposal.error.empty())
            ShowError(parent, FromBytes(proposal.error));
        return -1;
    }
    if (!CRoomEditDlg::EditRoom(parent, doc, proposal.room))
        return -1;
    return RoomCommands::AddRoom(doc, proposal.room, from, direction);
}

} // namespace

CTolvexView::CTolvexView(CAreaDocument& document, QWidget* parent)
    : QAbstractScrollArea(parent)
    , document(document)
{
    setObjectName(QStringLiteral("mapView"));
    viewport()->setObjectName(QStringLiteral("mapViewport"));
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(&document, &CAreaDocument::Changed, this, &CTolvexView::OnDocumentChanged);
    connect(&document, &CAreaDocument::RoomDeleted, this,
        [this](int deleted) { selection = RoomCommands::SelectionAfterDelete(selection, deleted); });
    UpdateScrollBars();
    UpdateStatusText();
}

CTolvexView::~CTolvexView() = default;

CTolvexDoc& CTolvexView::GetDocument() const
{
    return document.Doc();
}

int CTolvexView::Selection() const
{
    return RoomCommands::ValidSelection(GetDocument(), selection);
}

void CTolvexView::SetSelection(int index)
{
    selection = index;
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
    return RoomCommands::HitTest(GetDocument(), shownLevel, mapPoint.x(), mapPoint.y());
}

CChildFrame* CTolvexView::Frame() const
{
    return qobject_cast<CChildFrame*>(parentWidget());
}

bool CTolvexView::IsCommandAvailable(Command command) const
{
    const CTolvexDoc& doc = GetDocument();
    switch (command) {
    case Command::RoomsEdit:
    case Command::RoomsDelete:
    case Command::RoomsCreateNorth:
    case Command::RoomsCreateSouth:
    case Command::RoomsCreateEast:
    case Command::RoomsCreateWest:
    case Command::RoomsCreateUp:
    case Command::RoomsCreateDown:
        return Selection() != -1;
    case Command::MobsMobprogs:
        return doc.Tables().mobprog != 0;
    case Command::MapLevelUp:
        return RoomCommands::CanLevelUp(doc, shownLevel);
    case Command::MapLevelDown:
        return RoomCommands::CanLevelDown(doc, shownLevel);
    case Command::MapZoomIn:
        return RoomCommands::CanZoomIn(doc.cellSize);
    case Command::MapZoomOut:
        return RoomCommands::CanZoomOut(doc.cellSize);
    default:
        return true;
    }
}

bool CTolvexView::IsCommandEnabled(Command command) const
{
    switch (command) {
    case Command::ObjectsList:
    case Command::MobsList:
    case Command::MobsMobprogs:
        // The object, mob and mobprog lists wait for their dialogs.
        return false;
    default:
        return IsViewCommand(command) && IsCommandAvailable(command);
    }
}

bool CTolvexView::IsCommandChecked(Command command) const
{
    if (command == Command::ViewMapStatusBar) {
        const CChildFrame* frame = Frame();
        return frame && !frame->MapStatusBar()->isHidden();
    }
    return false;
}

void CTolvexView::OnAreaGeneral()
{
    // On OK the dialog writes the header back and marks the area modified;
    // the rooms are not laid out again.
    CAreaInfoDlg::EditAreaInfo(this, GetDocument());
}

void CTolvexView::OnRoomsList()
{
    CTolvexDoc& doc = GetDocument();
    CRoomListDlg dialog(doc, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int chosen = RoomCommands::ValidSelection(doc, dialog.ChosenRoom());
    if (chosen >= 0 && CRoomEditDlg::EditRoom(this, doc, doc.rooms[static_cast<size_t>(chosen)]))
        RoomCommands::RoomsChanged(doc);
}

void CTolvexView::OnRoomsEdit()
{
    const int room = Selection();
    CTolvexDoc& doc = GetDocument();
    if (room >= 0 && CRoomEditDlg::EditRoom(this, doc, doc.rooms[static_cast<size_t>(room)]))
        RoomCommands::RoomsChanged(doc);
}

void CTolvexView::OnRoomsNew()
{
    CTolvexDoc& doc = GetDocument();
    const int added = AddProposedRoom(this, doc, RoomCommands::ProposeNewRoom(doc), -1, -1);
    if (added < 0)
        return;
    RoomCommands::RoomsChanged(doc);
    SetSelection(added);
}

void CTolvexView::OnRoomsCreate(int direction)
{
    const int from = Selection();
    if (from < 0)
        return;
    CTolvexDoc& doc = GetDocument();
    const int added = AddProposedRoom(this, doc, RoomCommands::ProposeRoomInDirection(doc, from, direction), from, direction);
    if (added < 0)
        return;
    RoomCommands::RoomsChanged(doc);
    SetSelection(added);
}

void CTolvexView::OnRoomsDelete()
{
    const int room = Selection();
    if (room < 0 || !AskWarningYesNo(this, QString::fromLatin1(RoomCommands::ConfirmDelete)))
        return;
    document.DeleteRoom(room);
}

void CTolvexView::OnObjectsList() { }
void CTolvexView::OnMobsList() { }
void CTolvexView::OnMobprogsList() { }

void CTolvexView::OnMapLevelUp()
{
    if (!IsCommandAvailable(Command::MapLevelUp))
        return;
    selection = -1;
    SetShownLevel(shownLevel + 1);
}

void CTolvexView::OnMapLevelDown()
{
    if (!IsCommandAvailable(Command::MapLevelDown))
        return;
    selection = -1;
    SetShownLevel(shownLevel - 1);
}

void CTolvexView::OnMapZoomIn()
{
    Zoom(RoomCommands::ZoomIn(GetDocument().cellSize));
}

void CTolvexView::OnMapZoomOut()
{
    Zoom(RoomCommands::ZoomOut(GetDocument().cellSize));
}

void CTolvexView::Zoom(int cellSize)
{
    CTolvexDoc& doc = GetDocument();
    if (cellSize == doc.cellSize)
        return;
    doc.cellSize = cellSize;
    LayoutRooms(doc, cellSize);
    // The zoom belongs to the area, so every window of it follows; the area
    // itself is not changed.
    document.UpdateAllViews();
}

void CTolvexView::OnViewMapStatusBar()
{
    if (CChildFrame* frame = Frame()) {
        QStatusBar* bar = frame->MapStatusBar();
        bar->setVisible(bar->isHidden());
        emit StateChanged();
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
    const CMapSize size = ScrollSize(GetDocument());
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
    painter.fillRect(area, Qt::white);
    const int ox = horizontalScrollBar()->value();
    const int oy = verticalScrollBar()->value();
    painter.translate(-ox, -oy);
    const CMapRect clip { area.left() + ox, area.top() + oy, area.right() + 1 + ox, area.bottom() + 1 + oy };
    CQtMapCanvas canvas(painter);
    DrawMap(canvas, GetDocument(), shownLevel, Selection(), &clip);
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
        const QPoint at = event->position().toPoint()
            + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
        SetSelection(RoomAt(at));
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CTolvexView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnRoomsEdit();
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
