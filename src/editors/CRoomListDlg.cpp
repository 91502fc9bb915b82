#include "editors/CRoomListDlg.h"

#include "edit/CAreaEditor.h"
#include "editors/AreaEdits.h"
#include "editors/DialogParts.h"
#include "text/TextWriter.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

std::string CRoomListDlg::RoomLine(const CRoomData& room)
{
    return Format("%c%i\t%s", { room.unplaced ? 'U' : ' ', room.vnum, room.name });
}

CRoomListDlg::CRoomListDlg(CAreaEditor& area, QWidget* parent)
    : QDialog(parent)
    , editor(area)
{
    setObjectName(QStringLiteral("roomListDialog"));
    setWindowTitle(QStringLiteral("Room List"));

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("roomList"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(list->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 62, 360);

    // Rooms off the map ("U") sort after the placed ones.
    std::vector<std::string> lines;
    for (const CRoomData& room : editor.Doc().rooms)
        lines.push_back(RoomLine(room));
    FillRecordLines(list, lines);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* edit = buttons->addButton(QStringLiteral("&Edit"), QDialogButtonBox::AcceptRole);
    edit->setObjectName(QStringLiteral("editButton"));
    edit->setDefault(true);
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item->isSelected())
            accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    list->setFocus(Qt::OtherFocusReason);
}

int CRoomListDlg::ChosenRoom() const
{
    return ChosenLine(list);
}

void CRoomListDlg::ListAndEdit(QWidget* parent, CAreaEditor& area)
{
    CRoomListDlg dialog(area, parent);
    if (dialog.exec() == QDialog::Accepted)
        EditRoomInArea(parent, area, dialog.ChosenRoom());
}
