#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The CAPS, NUM and SCRL indicators of the main status bar. Qt has no call
// for the lock keys' state, so the panes follow the keyboard state that comes
// with each key event (on X11) and the presses of the lock keys themselves;
// a pane's text is greyed while its lock is off.
class CLockKeyPanes : public QObject {
    Q_OBJECT

public:
    explicit CLockKeyPanes(QStatusBar* bar);
    ~CLockKeyPanes() override;

    bool CapsLock() const { return caps; }
    bool NumLock() const { return num; }
    bool ScrollLock() const { return scroll; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();

    QLabel* capsPane;
    QLabel* numPane;
    QLabel* scrollPane;
    bool caps = false;
    bool num = false;
    bool scroll = false;
};
