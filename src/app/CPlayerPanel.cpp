#include "app/CPlayerPanel.h"

#include "app/CWorld.h"
#include "app/CWorldMapView.h"
#include "gui/CAreaDocument.h"
#include "map/CTolvexView.h"
#include "player/PlayerModel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <QVBoxLayout>

namespace {

QString FromBytes(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString WithoutLastLineFeed(const QString& text)
{
    return text.endsWith(QLatin1Char('\n')) ? text.chopped(1) : text;
}

// Escape in the command line gives the keys back to the map.
class CCommandLine : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QPointer<QWidget> escapeTo;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && escapeTo) {
            escapeTo->setFocus();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

const QString NoRoomText = QStringLiteral("Select a room on the map (Edit > Go to Room...) to stand in it.");

// Whether the view's rooms are those of an area of the world, or of the
// world map: the model is then the whole world's.
bool InWorld(const CTolvexView* view, const CWorld* world)
{
    return view && world && (world->Has(&view->Document()) || qobject_cast<const CWorldMapView*>(view));
}

} // namespace

CPlayerPanel::CPlayerPanel(CConfigTables& configTables, QWidget* parent)
    : CRememberedDock(QStringLiteral("Player View"), QStringLiteral("Settings/ShowPlayerView"), parent, false)
    , tables(configTables)
{
    setObjectName(QStringLiteral("playerPanel"));
    auto* body = new QWidget(this);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text = new QPlainTextEdit(body);
    text->setObjectName(QStringLiteral("playerText"));
    text->setReadOnly(true);
    text->setFont(fixed);
    text->setMaximumBlockCount(5000);
    text->setFocusPolicy(Qt::ClickFocus);
    text->setPlaceholderText(NoRoomText);
    // The server's lines are broken where the file breaks them.
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    notes = new QPlainTextEdit(body);
    notes->setObjectName(QStringLiteral("playerNotes"));
    notes->setReadOnly(true);
    notes->setFocusPolicy(Qt::ClickFocus);
    notes->setMaximumHeight(notes->fontMetrics().lineSpacing() * 4 + 12);
    notes->setToolTip(QStringLiteral("What the server does here by chance, which the view takes one way"));
    notes->hide();
    auto* line = new CCommandLine(body);
    command = line;
    command->setObjectName(QStringLiteral("playerCommand"));
    command->setFont(fixed);
    command->setPlaceholderText(QStringLiteral("look, exits, north, open east, look sign..."));
    reset = new QPushButton(QStringLiteral("&Reset Area"), body);
    reset->setObjectName(QStringLiteral("playerReset"));
    reset->setToolTip(QStringLiteral("Runs the boot resets again on a fresh copy of the area"));
    reset->setAutoDefault(false);

    auto* row = new QHBoxLayout;
    row->addWidget(command, 1);
    row->addWidget(reset);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(text, 1);
    layout->addWidget(notes);
    layout->addLayout(row);
    setWidget(body);
    setFocusProxy(command);
    hide();

    QAction* toggle = toggleViewAction();
    toggle->setObjectName(QStringLiteral("actionViewPlayer"));
    toggle->setText(QStringLiteral("Pla&yer View"));
    toggle->setStatusTip(QStringLiteral("Shows the selected room as a player sees it after the boot resets"));
    connect(command, &QLineEdit::returnPressed, this, [this] {
        const QString typed = command->text().trimmed();
        command->clear();
        if (!typed.isEmpty())
            Run(typed);
    });
    connect(reset, &QPushButton::clicked, this, &CPlayerPanel::ResetArea);
    rebootTimer = new QTimer(this);
    rebootTimer->setSingleShot(true);
    rebootTimer->setInterval(RebootDelayMs);
    connect(rebootTimer, &QTimer::timeout, this, &CPlayerPanel::FollowSelection);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            FollowSelection();
    });
}

CPlayerPanel::~CPlayerPanel() = default;

void CPlayerPanel::SetView(CTolvexView* newView, const CWorld* newWorld)
{
    const CAreaDocument* oldDocument = view ? &view->Document() : nullptr;
    const bool oldInWorld = InWorld(view, world);
    if (view) {
        disconnect(view, nullptr, this, nullptr);
        disconnect(&view->Document(), nullptr, this, nullptr);
    }
    if (world != newWorld) {
        if (world)
            disconnect(world, nullptr, this, nullptr);
        if (newWorld)
            connect(newWorld, &CWorld::RecordsChanged, this, &CPlayerPanel::OnAreaChanged);
    }
    view = newView;
    CAreaDocument* document = view ? &view->Document() : nullptr;
    // One model serves a whole world; walking into another area keeps it.
    const bool inWorld = InWorld(view, newWorld);
    const bool sameModel = newWorld == world && (inWorld ? oldInWorld : document == oldDocument);
    world = newWorld;
    if (!sameModel || !document) {
        model.reset();
        text->clear();
        ShowNotes();
    }
    setEnabled(document != nullptr);
    if (!view)
        return;
    connect(view, &CTolvexView::StateChanged, this, &CPlayerPanel::FollowSelection);
    connect(document, &CAreaDocument::RecordsChanged, this, &CPlayerPanel::OnAreaChanged);
    static_cast<CCommandLine*>(command)->escapeTo = view;
    FollowSelection();
}

void CPlayerPanel::OnAreaChanged()
{
    // Booting again copies the whole world: once after a burst of steps,
    // when the edit is on the screen.
    stale = true;
    if (isVisible())
        rebootTimer->start();
}

CPlayerModel* CPlayerPanel::Model()
{
    if (!view)
        return nullptr;
    if (model && !stale)
        return model.get();
    const int room = model ? model->Room() : 0;
    std::vector<CWorldArea> areas;
    if (InWorld(view, world))
        areas = world->Areas();
    else
        areas.push_back({ view->Document().Title().toStdString(), &view->Document().Doc() });
    model = std::make_unique<CPlayerModel>(tables, areas);
    stale = false;
    if (room)
        model->SetRoom(room);
    ShowNotes();
    return model.get();
}

void CPlayerPanel::FollowSelection()
{
    if (!view || !isVisible() || moving)
        return;
    // A step's new selection waits for the boot after the burst, so the
    // step reaches the screen first.
    if (stale && model && rebootTimer->isActive())
        return;
    const int index = view->Selection();
    const std::vector<CRoomData>& rooms = view->GetDocument().rooms;
    const int vnum = index >= 0 && index < static_cast<int>(rooms.size()) ? rooms[static_cast<size_t>(index)].vnum : 0;
    const bool wasStale = stale || !model;
    CPlayerModel* player = Model();
    if (!player || !vnum)
        return;
    if (player->Room() != vnum || wasStale)
        ShowRoom(vnum);
}

void CPlayerPanel::ShowRoom(int vnum)
{
    CPlayerModel* player = Model();
    if (!player->SetRoom(vnum))
        return;
    ShowText(FromBytes(player->Look()));
    ShowNotes();
}

void CPlayerPanel::Run(const QString& typed)
{
    CPlayerModel* player = Model();
    if (!player || !player->Room()) {
        Append(QStringLiteral("> ") + typed + QLatin1Char('\n') + NoRoomText);
        return;
    }
    const int before = player->Room();
    const QByteArray bytes = typed.toLatin1();
    const std::string output = player->Command(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
    Append(QStringLiteral("> ") + typed + QLatin1Char('\n') + FromBytes(output));
    ShowNotes();
    const int after = player->Room();
    if (after == before || !view)
        return;
    const int index = view->GetDocument().FindRoomIndex(after);
    if (index >= 0) {
        // The map passes through other states on its way (a level first):
        // the player is already where it ends.
        const bool wasMoving = std::exchange(moving, true);
        view->GoToRoom(index);
        moving = wasMoving;
    } else
        emit RoomWanted(after);
}

void CPlayerPanel::ResetArea()
{
    if (!view)
        return;
    stale = true;
    Model();
    if (model->Room())
        ShowText(FromBytes(model->Look()));
}

int CPlayerPanel::ColumnsWidth(int columns) const
{
    return text->fontMetrics().horizontalAdvance(QString(columns, QLatin1Char('m'))) + 2 * text->frameWidth() + 16;
}

int CPlayerPanel::Room() const
{
    return model ? model->Room() : 0;
}

void CPlayerPanel::Append(const QString& output)
{
    // A blank line before each command, as the server's prompt leaves one.
    const bool first = text->document()->isEmpty();
    const int firstNew = first ? 0 : text->document()->blockCount();
    text->appendPlainText((first ? QString() : QStringLiteral("\n")) + WithoutLastLineFeed(output));
    // Scrolled to the end, but never past the start of what the command
    // printed (a line is a block: the text is not wrapped).
    text->moveCursor(QTextCursor::End);
    QScrollBar* bar = text->verticalScrollBar();
    bar->setValue(std::min(bar->maximum(), firstNew));
}

void CPlayerPanel::ShowText(const QString& shown)
{
    text->setPlainText(WithoutLastLineFeed(shown));
}

void CPlayerPanel::ShowNotes()
{
    QStringList lines;
    // Those of the room the player stands in: a world has hundreds.
    if (model && model->Room())
        for (const std::string& note : model->RoomNotes(model->Room()))
            lines << FromBytes(note);
    notes->setPlainText(lines.join(QLatin1Char('\n')));
    notes->setVisible(!lines.isEmpty());
}
