#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSoundEffect;

// The version as the About box shows it, "%u.%02u": the major number, then
// the patch number plus ten times the minor one (2.0.8.1 gives "2.08"). The
// build number takes no part.
QString FormatVersion(unsigned major, unsigned minor, unsigned patch, unsigned build);
// The same from a dotted version text ("1.2.3" or "1.2.3.4", missing parts
// 0); a text that is no version gives the placeholder "X.XX".
QString FormatVersionText(const QString& version);

// The About box: the picture is a button; its first click swaps the note to
// the user for a second text, and from the fifth click on every click plays
// a short sound.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int FirstClickWithSound = 5;

    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // Replaces what a click from the fifth on does to make its sound; tests
    // put a silent one here.
    void SetSoundPlayer(std::function<void()> play);

    int ClickCount() const { return clicks; }
    int SoundsPlayed() const { return soundsPlayed; }

private:
    void OnPictureClicked();
    void PlaySound();

    QPushButton* pictureButton = nullptr;
    QLabel* versionLabel = nullptr;
    QPlainTextEdit* noteEdit = nullptr;
    QSoundEffect* sound = nullptr;
    std::function<void()> player;
    int clicks = 0;
    int soundsPlayed = 0;
};
