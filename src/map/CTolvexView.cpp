#include "CTolvexView.h"

#include "CChildFrame.h"
#include "CQtMapCanvas.h"
#include "MapDrawing.h"
#include "MapPrinting.h"
#include "app/CAreaDocument.h"
#include "editors/Prompt.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>

#include <cstdlib>

namespace {

constexpr int MinCellSize = 3;
constexpr int MaxZoomInCellSize = 100;
// Half the side of the square a click must hit, whatever the zoom.
constexpr int HitHalfSize = 10;

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
    return selection >= 0 && selection < static_cast<int>(GetDocument().rooms.size()) ? selection : -1;
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
    const CTolvexDoc& doc = GetDocument();
    for (size_t i = 0; i < doc.rooms.size(); ++i) {
        const CRoomData& room = doc.rooms[i];
        if (!room.unplaced && room.level == shownLevel && std::abs(mapPoint.x() - room.x) <= HitHalfSize
            && std::abs(mapPoint.y() - room.y) <= HitHalfSize)
            return static_cast<int>(i);
    }
    return -1;
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
        return shownLevel <= doc.highestLevel;
    case Command::MapLevelDown:
        return shownLevel >= doc.lowestLevel;
    case Command::MapZoomIn:
        return doc.cellSize < MaxZoomInCellSize;
    case Command::MapZoomOut:
        return doc.cellSize > MinCellSize;
    default:
        return true;
    }
}

bool CTolvexView::IsCommandEnabled(Command command) const
{
    switch (command) {
    case Command::MapLevelUp:
    case Command::MapLevelDown:
    case Command::MapZoomIn:
    case Command::MapZoomOut:
    case Command::ViewMapStatusBar:
        return IsCommandAvailable(command);
    default:
        // The room, list and area commands wait for their dialogs.
        return false;
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

void CTolvexView::OnAreaGeneral() { }
void CTolvexView::OnRoomsList() { }
void CTolvexView::OnRoomsEdit() { }
void CTolvexView::OnRoomsNew() { }
void CTolvexView::OnRoomsDelete() { }
void CTolvexView::OnRoomsCreate(int) { }
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
    if (IsCommandAvailable(Command::MapZoomIn))
        Zoom(GetDocument().cellSize * 2);
}

void CTolvexView::OnMapZoomOut()
{
    if (IsCommandAvailable(Command::MapZoomOut))
        Zoom(GetDocument().cellSize / 2);
}

void CTolvexView::Zoom(int cellSize)
{
    CTolvexDoc& doc = GetDocument();
    doc.cellSize = cellSize;
    doc.LayoutRooms(cellSize);
    // The zoom belongs to the area, so every window of it follows; the area
    // itself is not changed.
    document.UpdateAllViews();
    emit StateChanged();
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
    UpdateStatusText();
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
