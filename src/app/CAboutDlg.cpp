#include "app/CAboutDlg.h"

#include "app/AppResources.h"

#include <QAudioDevice>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMediaDevices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>

#ifndef TOLVEX_VERSION
#define TOLVEX_VERSION ""
#endif

namespace {

const QString AboutPicture = QStringLiteral(":/images/about.svg");
const QString AboutSound = QStringLiteral("qrc:/sounds/about.wav");

QString NoteToUser()
{
    return QStringLiteral(
        "Thank you for using Quendar Ed.\n"
        "\n"
        "This editor was written for the Quendar MUD, whose area files carry data "
        "that a plain ROM game does not know: the levels and resources of an area, "
        "trainers, mercenaries and train routes. Some of the data of an area may "
        "therefore not be fully compatible with ROM default files.\n"
        "\n"
        "ROM default files are supported, and so are files with the OLC header, but "
        "they have been tested much less than Quendar's own. Keep a copy of the "
        "original file, and try a saved area in your game before you rely on it.\n"
        "\n"
        "This is a beta version. If you find a fault, please send the area file "
        "that shows it together with the steps that produce it: what you opened, "
        "what you did, what you expected and what happened instead. With the file "
        "and the steps a fault can be found and mended quickly.\n"
        "\n"
        "Good building!");
}

QString SecondNote()
{
    return QStringLiteral(
        u"Durante años dibujé el mapa de una ciudad que nadie había visitado. Cada "
        u"noche le añadía una habitación, una puerta, una escalera que bajaba hacia "
        u"sótanos donde el agua dormía. Los viajeros llegaban por caminos que yo "
        u"había trazado con una tinta ya seca, y se perdían, y me escribían cartas "
        u"pidiéndome la salida.\n"
        u"\n"
        u"Nunca supe contestarles: el mapa crecía más deprisa que mi memoria. Hoy, "
        u"cuando abro el cuaderno, encuentro pasillos que no recuerdo haber escrito, "
        u"y en la última página alguien ha dibujado una puerta cerrada con llave. "
        u"Junto a ella, con mi propia letra, hay una sola palabra: «vuelve».");
}

} // namespace

QString FormatVersion(unsigned major, unsigned minor, unsigned patch, unsigned /*build*/)
{
    return QString::asprintf("%u.%02u", major, patch + 10 * minor);
}

QString FormatVersionText(const QString& version)
{
    const QStringList parts = version.trimmed().split(QLatin1Char('.'));
    if (parts.size() > 4)
        return QStringLiteral("X.XX");
    // Each part of a version number is a 16-bit field.
    unsigned numbers[4] = { 0, 0, 0, 0 };
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const uint n = parts[i].toUInt(&ok);
        if (!ok || n > 0xFFFF)
            return QStringLiteral("X.XX");
        numbers[i] = n;
    }
    return FormatVersion(numbers[0], numbers[1], numbers[2], numbers[3]);
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    EnsureAppResources();
    setWindowTitle(QStringLiteral("About Quendar Ed..."));

    pictureButton = new QPushButton(this);
    pictureButton->setObjectName(QStringLiteral("pictureButton"));
    pictureButton->setFlat(true);
    pictureButton->setAutoDefault(false);
    pictureButton->setFocusPolicy(Qt::TabFocus);
    const QPixmap picture = LoadPicture(AboutPicture, devicePixelRatioF());
    if (!picture.isNull()) {
        pictureButton->setIcon(QIcon(picture));
        pictureButton->setIconSize((QSizeF(picture.size()) / picture.devicePixelRatio()).toSize());
    }

    auto* versionCaption = new QLabel(QStringLiteral("Quendar Ed Version"), this);
    versionLabel = new QLabel(FormatVersionText(QString::fromLatin1(TOLVEX_VERSION)), this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    versionLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* secondLine = new QLabel(QStringLiteral("An area editor for ROM MUDs"), this);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    noteEdit = new QPlainTextEdit(NoteToUser(), this);
    noteEdit->setObjectName(QStringLiteral("noteEdit"));
    noteEdit->setReadOnly(true);
    noteEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    noteEdit->setMinimumSize(400, 150);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(versionLabel);
    versionRow->addStretch();

    auto* texts = new QVBoxLayout;
    texts->addLayout(versionRow);
    texts->addWidget(secondLine);
    texts->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(pictureButton, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(texts, 0, 1);
    layout->addWidget(okButton, 0, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(noteEdit, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    connect(pictureButton, &QPushButton::clicked, this, &CAboutDlg::OnPictureClicked);
    player = [this] { PlaySound(); };
    okButton->setFocus();
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::SetSoundPlayer(std::function<void()> play)
{
    player = std::move(play);
}

void CAboutDlg::OnPictureClicked()
{
    ++clicks;
    if (clicks == 1)
        noteEdit->setPlainText(SecondNote());
    if (clicks >= FirstClickWithSound) {
        ++soundsPlayed;
        if (player)
            player();
    }
}

void CAboutDlg::PlaySound()
{
    // Without an output device there is nothing to hear; asking the backend
    // to play anyway only fills the console with its complaints.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    if (!sound) {
        sound = new QSoundEffect(this);
        sound->setSource(QUrl(AboutSound));
    }
    // QSoundEffect loads and plays on its own; a sound that cannot be played
    // sets its status to Error and the dialog goes on as before.
    sound->play();
}
