#include "app/CWorldPanel.h"

#include "app/CWorld.h"
#include "check/AreaCheck.h"
#include "gui/CAreaDocument.h"
#include "gui/Prompt.h"

#include <QAction>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>
#include <QPixmap>
#include <QTreeWidget>

namespace {

enum Column { FileColumn,
    NameColumn,
    VnumsColumn,
    RoomsColumn,
    ObjectsColumn,
    MobsColumn,
    MobprogsColumn,
    ErrorsColumn,
    WarningsColumn };

constexpr int DocumentRole = Qt::UserRole;

bool Ranged(const CTolvexDoc& doc)
{
    return doc.upperVnum > 0 && doc.lowerVnum <= doc.upperVnum;
}

// Empty for an area without vnums (help.are, social.are).
QString Range(const CTolvexDoc& doc)
{
    return Ranged(doc) ? QStringLiteral("%1-%2").arg(doc.lowerVnum).arg(doc.upperVnum) : QString();
}

bool Overlap(const CTolvexDoc& a, const CTolvexDoc& b)
{
    return Ranged(a) && Ranged(b) && a.lowerVnum <= b.upperVnum && b.lowerVnum <= a.upperVnum;
}

} // namespace

CWorldPanel::CWorldPanel(QWidget* parent)
    : CRememberedDock(QStringLiteral("World"), QStringLiteral("Settings/ShowWorld"), parent)
{
    setObjectName(QStringLiteral("worldPanel"));
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("worldList"));
    list->setHeaderLabels({ QStringLiteral("File"), QStringLiteral("Name"), QStringLiteral("Vnums"), QStringLiteral("Rooms"),
        QStringLiteral("Objects"), QStringLiteral("Mobs"), QStringLiteral("Mobprogs"), QStringLiteral("Errors"),
        QStringLiteral("Warnings") });
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setWidget(list);
    hide();

    QAction* toggle = toggleViewAction();
    toggle->setObjectName(QStringLiteral("actionViewWorld"));
    toggle->setText(QStringLiteral("&World"));
    toggle->setStatusTip(QStringLiteral("Shows or hides the areas of the open world"));
    toggle->setEnabled(false);
    connect(list, &QTreeWidget::itemActivated, this, &CWorldPanel::OnItemActivated);
    // The line's own menu (the context menu key or a right click).
    auto* renumber = new QAction(QStringLiteral("Ren&umber Area..."), list);
    renumber->setObjectName(QStringLiteral("worldRenumberAction"));
    list->addAction(renumber);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(renumber, &QAction::triggered, this, [this] {
        QTreeWidgetItem* item = list->currentItem();
        if (auto* document = item ? qobject_cast<CAreaDocument*>(item->data(FileColumn, DocumentRole).value<QObject*>()) : nullptr)
            emit RenumberRequested(document);
    });

    // A burst of changes in the areas is listed once.
    refreshTimer = new QTimer(this);
    refreshTimer->setSingleShot(true);
    refreshTimer->setInterval(150);
    connect(refreshTimer, &QTimer::timeout, this, &CWorldPanel::Refresh);
}

void CWorldPanel::SetWorld(CWorld* listed)
{
    if (world)
        disconnect(world, nullptr, this, nullptr);
    world = listed;
    current = nullptr;
    toggleViewAction()->setEnabled(world != nullptr);
    if (world) {
        connect(world, &CWorld::Changed, refreshTimer, qOverload<>(&QTimer::start));
        setVisible(ShownInSettings());
    } else {
        hide();
    }
    Refresh();
}

void CWorldPanel::Refresh()
{
    refreshTimer->stop();
    // The line the builder went to stays current; an edit elsewhere (a
    // renumber from the line's menu) must not send the keys back to the top.
    const QObject* kept = list->currentItem() ? list->currentItem()->data(FileColumn, DocumentRole).value<QObject*>() : nullptr;
    list->clear();
    if (!world)
        return;
    const QIcon overlapIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const std::vector<CAreaDocument*> documents = world->Documents();
    std::size_t opened = 0;
    for (const CWorld::CEntry& entry : world->Entries()) {
        auto* item = new QTreeWidgetItem(list);
        item->setData(FileColumn, DocumentRole, QVariant::fromValue(static_cast<QObject*>(entry.document)));
        if (!entry.document) {
            item->setText(FileColumn, entry.file);
            item->setText(NameColumn, entry.error);
            item->setDisabled(true);
            continue;
        }
        const CAreaDocument& area = *entry.document;
        const CTolvexDoc& doc = area.Doc();
        item->setText(FileColumn, entry.file + (area.IsModified() ? QStringLiteral(" *") : QString()));
        item->setText(NameColumn, FromBytes(doc.name));
        // The legend of the world map: the colour of the area's rooms there.
        const CMapColor tint = CWorld::AreaTint(opened++);
        QPixmap swatch(12, 12);
        swatch.fill(QColor(tint.r, tint.g, tint.b));
        item->setIcon(FileColumn, QIcon(swatch));
        item->setText(VnumsColumn, Range(doc));
        item->setText(RoomsColumn, QString::number(doc.rooms.size()));
        item->setText(ObjectsColumn, QString::number(doc.objects.size()));
        item->setText(MobsColumn, QString::number(doc.mobs.size()));
        item->setText(MobprogsColumn, QString::number(doc.mobprogs.size()));
        const std::vector<CFinding> findings = world->FindingsOf(area);
        item->setText(ErrorsColumn, QString::number(CountFindings(findings, Severity::Error)));
        item->setText(WarningsColumn, QString::number(CountFindings(findings, Severity::Warning)));
        QStringList overlaps;
        for (const CAreaDocument* other : documents)
            if (other != &area && Overlap(doc, other->Doc()))
                overlaps << QStringLiteral("%1 (%2)").arg(other->Title(), Range(other->Doc()));
        if (!overlaps.isEmpty()) {
            item->setIcon(VnumsColumn, overlapIcon);
            item->setToolTip(VnumsColumn, QStringLiteral("Overlaps %1").arg(overlaps.join(QStringLiteral(", "))));
        }
    }
    SetCurrentDocument(current);
    // Compared, never followed: the area may be gone with its world.
    for (int i = 0; kept && i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->data(FileColumn, DocumentRole).value<QObject*>() == kept)
            list->setCurrentItem(list->topLevelItem(i));
}

bool CWorldPanel::RefreshPending() const
{
    return refreshTimer->isActive();
}

void CWorldPanel::SetCurrentDocument(const CAreaDocument* document)
{
    current = document;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (document && item->data(FileColumn, DocumentRole).value<QObject*>() == document) {
            list->setCurrentItem(item);
            return;
        }
    }
    list->setCurrentItem(nullptr);
}

void CWorldPanel::OnItemActivated(QTreeWidgetItem* item)
{
    if (auto* document = qobject_cast<CAreaDocument*>(item->data(FileColumn, DocumentRole).value<QObject*>()))
        emit AreaActivated(document);
}
