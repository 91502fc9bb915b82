#include "gui/CFlagList.h"

#include "gui/Prompt.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int ValueRole = Qt::UserRole;
constexpr int SetRole = Qt::UserRole + 1;

QIcon MakeImage(bool set)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.drawRect(QRectF(2.5, 2.5, 11, 11));
    if (set) {
        painter.setPen(QPen(QColor(0, 120, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = { { 4.5, 8.0 }, { 7.0, 11.0 }, { 12.0, 4.5 } };
        painter.drawPolyline(tick, 3);
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon CFlagList::ClearImage()
{
    static const QIcon image = MakeImage(false);
    return image;
}

QIcon CFlagList::SetImage()
{
    static const QIcon image = MakeImage(true);
    return image;
}

CFlagList::CFlagList(Mode listMode, QWidget* parent)
    : QListWidget(parent)
    , mode(listMode)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    if (listMode == Rows) {
        setFlow(QListView::LeftToRight);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
    }
    connect(this, &QListWidget::itemClicked, this, &CFlagList::Clicked);
}

void CFlagList::Fill(const CEntryTable<CTableEntry>& table, uint32_t flags)
{
    clear();
    for (const auto& entry : table) {
        auto* item = new QListWidgetItem(FromBytes(entry->name), this);
        item->setData(ValueRole, static_cast<uint>(entry->value));
    }
    if (mode == Rows) {
        // Every cell as wide as the longest name, so no name is cut short.
        int widest = 0;
        for (int i = 0; i < count(); ++i)
            widest = qMax(widest, fontMetrics().horizontalAdvance(item(i)->text()));
        const int height = qMax(iconSize().height(), fontMetrics().height()) + 4;
        setGridSize(QSize(iconSize().width() + widest + 16, height));
        for (int i = 0; i < count(); ++i)
            item(i)->setSizeHint(gridSize());
        // Three columns side by side before the list scrolls.
        setMinimumWidth(3 * gridSize().width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * frameWidth() + 4);
    }
    ShowFlags(flags);
}

void CFlagList::ShowFlags(uint32_t flags)
{
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem* it = item(i);
        const uint32_t value = it->data(ValueRole).toUInt();
        const bool set = (flags & value) != 0;
        it->setData(SetRole, set);
        it->setIcon(set ? SetImage() : ClearImage());
    }
}

bool CFlagList::IsShownSet(uint32_t value) const
{
    for (int i = 0; i < count(); ++i)
        if (item(i)->data(ValueRole).toUInt() == value)
            return item(i)->data(SetRole).toBool();
    return false;
}

void CFlagList::Clicked(QListWidgetItem* clicked)
{
    if (clicked)
        emit FlagClicked(clicked->data(ValueRole).toUInt());
}

void CFlagList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && currentItem()) {
        Clicked(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}
