#include "app/HelpCommands.h"

#include "app/CommandTable.h"
#include "config/ConfigLocator.h"
#include "gui/Prompt.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QKeySequence>
#include <QPointer>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <cstring>

namespace {

const char* const GuideName = "guide.html";

// The keys the map window reads itself, not through the command table.
const char* const MapKeys[][2] = {
    { "Move the selection along an exit", "Arrow keys" },
    { "Take the up or down exit", "Page Up, Page Down" },
    { "Edit the selected room", "Enter" },
    { "Zoom", "Ctrl+mouse wheel" },
    { "Raise one of the first nine map windows", "Alt+1 to Alt+9" },
};

QString PlainText(const char* text)
{
    return QString::fromLatin1(text).remove(QLatin1Char('&'));
}

QString KeyText(const char* keys)
{
    QStringList shown;
    for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(keys)))
        shown << key.toString(QKeySequence::NativeText);
    return shown.join(QStringLiteral(", "));
}

} // namespace

void OpenUserGuide(QWidget* parent)
{
    const std::string dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const QString path = QFile::decodeName(FindDataFile(GuideName, dir).c_str());
    if (path.isEmpty()) {
        QStringList places;
        for (const std::string& place : DataSearchDirs(dir))
            places << QFile::decodeName(place.c_str());
        Prompt().Show(parent, QStringLiteral("tolvex"),
            QStringLiteral("The user guide (%1) was not found. It was looked for in:\n%2")
                .arg(QLatin1String(GuideName), places.join(QLatin1Char('\n'))),
            QMessageBox::Warning);
        return;
    }
    // The program's own help window: a desktop without a working browser
    // (or one that refuses to run as root) still shows the guide.
    static QPointer<QDialog> shown;
    if (!shown) {
        auto* window = new QDialog(parent, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QStringLiteral("guideWindow"));
        window->setWindowTitle(QStringLiteral("Tolvex User Guide"));
        auto* browser = new QTextBrowser(window);
        browser->setObjectName(QStringLiteral("guideBrowser"));
        browser->setOpenExternalLinks(true);
        browser->setSource(QUrl::fromLocalFile(path));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
        QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(browser);
        layout->addWidget(buttons);
        window->resize(760, 680);
        shown = window;
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void ShowKeyboardShortcuts(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("shortcutsDialog"));
    dialog.setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
    auto* table = new QTableWidget(0, 3, &dialog);
    table->setObjectName(QStringLiteral("shortcutsTable"));
    table->setHorizontalHeaderLabels({ QStringLiteral("Menu"), QStringLiteral("Command"), QStringLiteral("Keys") });
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    const auto addRow = [table](const QString& menu, const QString& command, const QString& keys) {
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(menu));
        table->setItem(row, 1, new QTableWidgetItem(command));
        table->setItem(row, 2, new QTableWidgetItem(keys));
    };
    for (const CMenuEntry& menu : MenuTable())
        for (const CCommandEntry& entry : CommandTable())
            if (entry.keys[0] != '\0' && std::strcmp(entry.menu, menu.objectName) == 0)
                addRow(PlainText(menu.title), PlainText(entry.text), KeyText(entry.keys));
    for (const auto& [text, keys] : MapKeys)
        addRow(QStringLiteral("Map window"), QString::fromLatin1(text), QString::fromLatin1(keys));
    table->resizeColumnsToContents();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    dialog.resize(560, 520);
    dialog.exec();
}
