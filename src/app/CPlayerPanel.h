#pragma once

#include "app/CRememberedDock.h"

#include <QPointer>

#include <memory>

class CAreaDocument;
class CConfigTables;
class CPlayerModel;
class CTolvexView;
class CWorld;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The Player View: the selected room as the server prints it to a player
// standing there after the boot resets, and a command line to look around,
// open doors and walk. Walking moves the map's selection. The model is its
// own copy: nothing here changes the area.
class CPlayerPanel : public CRememberedDock {
    Q_OBJECT

public:
    CPlayerPanel(CConfigTables& tables, QWidget* parent = nullptr);
    ~CPlayerPanel() override;

    // The map window whose selection the view follows (null for none), and
    // the open world its area may belong to.
    void SetView(CTolvexView* view, const CWorld* world);
    // Runs a command as if typed.
    void Run(const QString& command);
    // The boot resets again, on a fresh model.
    void ResetArea();
    int Room() const;
    // How long after an area's change the view boots it again.
    static constexpr int RebootDelayMs = 150;
    // The width of `columns` characters of the view's text, with its frame.
    int ColumnsWidth(int columns) const;

Q_SIGNALS:
    // A move led into a room of another area of the world.
    void RoomWanted(int vnum);

private:
    void FollowSelection();
    void OnAreaChanged();
    // Makes the model when it is missing or the area changed since.
    CPlayerModel* Model();
    void ShowRoom(int vnum);
    void ShowNotes();
    void Append(const QString& text);
    void ShowText(const QString& shown);

    CConfigTables& tables;
    QPointer<CTolvexView> view;
    // Null once the world closes, so that no later change reaches it.
    QPointer<const CWorld> world;
    std::unique_ptr<CPlayerModel> model;
    // The areas changed since the model was made: make it again when next used.
    bool stale = false;
    // A command is moving the map's selection to where the player went.
    bool moving = false;
    QPlainTextEdit* text = nullptr;
    QPlainTextEdit* notes = nullptr;
    QLineEdit* command = nullptr;
    QPushButton* reset = nullptr;
    QTimer* rebootTimer = nullptr;
};
