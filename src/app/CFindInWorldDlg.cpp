#include "app/CFindInWorldDlg.h"

#include "app/CMainFrame.h"
#include "app/CTolvexApp.h"
#include "app/CWorld.h"
#include "gui/CAreaDocument.h"
#include "gui/Prompt.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int MatchRole = Qt::UserRole;

QString CountText(const CWorldMatches& found)
{
    if (found.found == 0)
        return QStringLiteral("No record matches.");
    if (found.found > found.matches.size())
        return QStringLiteral("The first %1 of %2 matches are listed.").arg(found.matches.size()).arg(found.found);
    return found.found == 1 ? QStringLiteral("1 match") : QStringLiteral("%1 matches").arg(found.found);
}

bool Same(const CWorldMatch& a, const CWorldMatch& b)
{
    return a.area == b.area && a.kind == b.kind && a.vnum == b.vnum;
}

} // namespace

CFindInWorldDlg::CFindInWorldDlg(CTolvexApp& application, QWidget* parent)
    : QDialog(parent)
    , app(application)
{
    setObjectName(QStringLiteral("findInWorldDialog"));
    setWindowTitle(QStringLiteral("Find in World"));

    findText = new QLineEdit(this);
    findText->setObjectName(QStringLiteral("findText"));
    findText->setPlaceholderText(QStringLiteral("A vnum, or a text of names and descriptions"));
    findText->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
    findLabel->setBuddy(findText);
    auto* searchButton = new QPushButton(QStringLiteral("&Search"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("findCount"));
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("findResults"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setMinimumSize(list->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 64, 300);

    auto* buttons = new QDialogButtonBox(this);
    openButton = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::ActionRole);
    openButton->setObjectName(QStringLiteral("openButton"));
    openButton->setEnabled(false);
    QPushButton* closeButton = buttons->addButton(QDialogButtonBox::Close);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    // Enter belongs to the box and the list, never to a button.
    for (QPushButton* button : { searchButton, openButton, closeButton })
        button->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(findLabel, 0, 0);
    layout->addWidget(findText, 0, 1);
    layout->addWidget(searchButton, 0, 2);
    layout->addWidget(countLabel, 1, 0, 1, 3);
    layout->addWidget(list, 2, 0, 1, 3);
    layout->addWidget(buttons, 3, 0, 1, 3);
    layout->setRowStretch(2, 1);

    connect(findText, &QLineEdit::returnPressed, this, &CFindInWorldDlg::Search);
    connect(searchButton, &QPushButton::clicked, this, &CFindInWorldDlg::Search);
    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item->isSelected())
            OpenLine(item);
    });
    connect(list, &QListWidget::itemSelectionChanged, this, [this] { openButton->setEnabled(!list->selectedItems().isEmpty()); });
    connect(openButton, &QPushButton::clicked, this, [this] {
        if (!list->selectedItems().isEmpty())
            OpenLine(list->selectedItems().front());
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // A burst of edits lists once.
    refreshTimer = new QTimer(this);
    refreshTimer->setSingleShot(true);
    refreshTimer->setInterval(150);
    connect(refreshTimer, &QTimer::timeout, this, &CFindInWorldDlg::Refill);
    connect(&app, &CTolvexApp::WorldChanged, this, [this] { SetWorld(app.World()); });
    SetWorld(app.World());
}

CFindInWorldDlg* CFindInWorldDlg::Open(CTolvexApp& app)
{
    CMainFrame* frame = app.MainFrame();
    auto* dialog = frame->findChild<CFindInWorldDlg*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new CFindInWorldDlg(app, frame);
        // At the left, over the World panel: a room shown on a map scrolls
        // to the middle of its window.
        dialog->move(frame->mapToGlobal(QPoint(16, 0)).x(), frame->MdiArea()->mapToGlobal(QPoint(0, 16)).y());
        // Its keys also work in the dialog: back to the box for a new query.
        dialog->addAction(frame->Action(Command::EditFindInWorld));
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->findText->setFocus(Qt::ShortcutFocusReason);
    dialog->findText->selectAll();
    return dialog;
}

QString CFindInWorldDlg::LineOf(const CWorldMatch& match, const std::string& file)
{
    return FromBytes(MatchText(match)) + QStringLiteral(" \u2014 ") + QString::fromStdString(file);
}

void CFindInWorldDlg::SetWorld(CWorld* listed)
{
    if (world)
        disconnect(world, nullptr, this, nullptr);
    world = listed;
    if (world)
        connect(world, &CWorld::Changed, this, [this] { refreshTimer->start(); });
    // The lines of the world before name records that are gone.
    Refill();
}

void CFindInWorldDlg::Search()
{
    Fill(findText->text().trimmed());
    if (list->count() > 0)
        list->setFocus(Qt::OtherFocusReason);
    else
        findText->selectAll();
}

bool CFindInWorldDlg::RefreshPending() const
{
    return refreshTimer->isActive();
}

void CFindInWorldDlg::Refill()
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    const int row = selected.isEmpty() ? -1 : selected.front()->data(MatchRole).toInt();
    const CWorldMatch chosen = row >= 0 ? found.matches[static_cast<size_t>(row)] : CWorldMatch {};
    Fill(searched);
    if (row < 0)
        return;
    for (int i = 0; i < list->count(); ++i)
        if (Same(found.matches[static_cast<size_t>(i)], chosen)) {
            list->setCurrentRow(i);
            return;
        }
}

void CFindInWorldDlg::Fill(const QString& query)
{
    refreshTimer->stop();
    searched = query;
    found = world && !query.isEmpty() ? FindInWorld(world->Areas(), ToBytes(query)) : CWorldMatches {};
    list->clear();
    for (size_t i = 0; i < found.matches.size(); ++i) {
        const CWorldMatch& match = found.matches[i];
        auto* item = new QListWidgetItem(LineOf(match, world->Areas()[match.area].file), list);
        item->setData(MatchRole, static_cast<int>(i));
    }
    // Through the view, so that taking the focus does not make the first
    // line current: the first arrow chooses it.
    list->setCurrentIndex(QModelIndex());
    openButton->setEnabled(false);
    findText->setEnabled(world != nullptr);
    if (!world)
        countLabel->setText(QStringLiteral("No world is open: File > Open World opens one."));
    else if (query.isEmpty())
        countLabel->setText(QStringLiteral("Type a vnum or a text, then Enter."));
    else
        countLabel->setText(CountText(found));
}

void CFindInWorldDlg::OpenLine(QListWidgetItem* item)
{
    if (!world)
        return;
    // A line older than the last change is listed again first: its record
    // may be gone.
    if (RefreshPending()) {
        Refill();
        if (list->selectedItems().isEmpty())
            return;
        item = list->selectedItems().front();
    }
    // A copy: an editor that changes the area lists again before it returns.
    const CWorldMatch match = found.matches[static_cast<size_t>(item->data(MatchRole).toInt())];
    CAreaDocument& document = *world->Documents()[match.area];
    app.ShowRecord(document, match.kind, match.vnum);
    if (match.kind != RecordKind::Room)
        return;
    const int room = document.Doc().FindRoomIndex(match.vnum);
    if (room >= 0 && document.Doc().rooms[static_cast<size_t>(room)].unplaced)
        app.MainFrame()->statusBar()->showMessage(
            QStringLiteral("Room %1 is not on the map: the first room does not reach it (View > All Rooms shows it).").arg(match.vnum),
            5000);
}
