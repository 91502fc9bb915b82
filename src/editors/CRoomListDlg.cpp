#include "editors/CRoomListDlg.h"

#include "gui/Prompt.h"
#include "area/CTolvexDoc.h"
#include "text/TextWriter.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

std::string CRoomListDlg::RoomLine(const CRoomData& room)
{
    return Format("%c%i\t%s", { room.unplaced ? 'U' : ' ', room.vnum, room.name });
}

CRoomListDlg::CRoomListDlg(const CTolvexDoc& doc, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("roomListDialog"));
    setWindowTitle(QStringLiteral("Room List"));

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("roomList"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(list->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 62, 360);

    // Sorted as plain text, so rooms off the map ("U") follow the placed
    // ones and vnums of different lengths sort by their digits.
    std::vector<std::pair<std::string, int>> lines;
    for (size_t i = 0; i < doc.rooms.size(); ++i)
        lines.emplace_back(RoomLine(doc.rooms[i]), static_cast<int>(i));
    std::stable_sort(lines.begin(), lines.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& line : lines) {
        auto* item = new QListWidgetItem(FromBytes(line.first), list);
        item->setData(Qt::UserRole, line.second);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* edit = buttons->addButton(QStringLiteral("&Edit"), QDialogButtonBox::AcceptRole);
    edit->setObjectName(QStringLiteral("editButton"));
    edit->setDefault(true);
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Only a line the builder chose counts: the current row that the list
    // takes with the focus is not chosen.
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        chosen = selected.isEmpty() ? -1 : selected.front()->data(Qt::UserRole).toInt();
    });
    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item->isSelected())
            accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    list->setFocus(Qt::OtherFocusReason);
}
