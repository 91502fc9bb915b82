#include "editors/CExtraDescPanel.h"

#include "editors/DialogParts.h"
#include "editors/ExtraDescList.h"
#include "gui/Prompt.h"
#include "gui/TextFit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

CExtraDescPanel::CExtraDescPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Extra Description"), parent)
{
    keywordCombo = new QComboBox(this);
    keywordCombo->setObjectName(QStringLiteral("extraKeywordCombo"));
    keywordCombo->setEditable(true);
    keywordCombo->setInsertPolicy(QComboBox::NoInsert);
    keywordCombo->setMinimumContentsLength(14);
    // A keyword that begins an existing one must stay as typed.
    keywordCombo->setCompleter(nullptr);
    addButton = new QPushButton(QStringLiteral("Add"), this);
    addButton->setObjectName(QStringLiteral("extraAddButton"));
    deleteButton = new QPushButton(QStringLiteral("Delete"), this);
    deleteButton->setObjectName(QStringLiteral("extraDeleteButton"));
    for (QPushButton* button : { addButton, deleteButton })
        button->setAutoDefault(false);
    descriptionEdit = new QPlainTextEdit(this);
    descriptionEdit->setObjectName(QStringLiteral("extraDescriptionEdit"));
    descriptionEdit->setTabChangesFocus(true);
    descriptionEdit->setMinimumHeight(60);

    auto* layout = new QGridLayout(this);
    layout->addWidget(keywordCombo, 0, 0);
    layout->addWidget(addButton, 0, 1);
    layout->addWidget(deleteButton, 0, 2);
    layout->addWidget(descriptionEdit, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);

    // Keywords are kept in lower case as they are typed. A keyword being
    // typed is a new one: no entry is chosen, so the description box edits
    // nothing until Add.
    connect(keywordCombo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        // A new keyword starts with an empty text, not the one shown before.
        if (chosen >= 0) {
            filling = true;
            descriptionEdit->clear();
            filling = false;
        }
        chosen = -1;
        const QString lower = text.toLower();
        if (lower != text) {
            QLineEdit* edit = keywordCombo->lineEdit();
            const int cursor = edit->cursorPosition();
            edit->setText(lower);
            edit->setCursorPosition(cursor);
        }
    });
    connect(keywordCombo, &QComboBox::activated, this, [this](int index) {
        // The text shown is settled before another one replaces it.
        if (!TextsFitTheArea(this, { descriptionEdit })) {
            keywordCombo->setCurrentIndex(keywordCombo->findData(chosen));
            return;
        }
        Choose(keywordCombo->itemData(index).toInt());
    });
    // Stored as typed; a character the file cannot hold is settled when
    // another text is chosen or the dialog takes its boxes.
    connect(descriptionEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling && list && chosen >= 0)
            (*list)[static_cast<size_t>(chosen)].description = ToBytes(BoxText(descriptionEdit));
    });
    connect(addButton, &QPushButton::clicked, this, &CExtraDescPanel::Add);
    connect(deleteButton, &QPushButton::clicked, this, &CExtraDescPanel::Delete);
}

void CExtraDescPanel::SetList(std::vector<CExtraDescData>* newList)
{
    list = newList;
    Refresh();
}

void CExtraDescPanel::Refresh()
{
    Refill(list && !list->empty() ? 0 : -1);
}

void CExtraDescPanel::Refill(int choose)
{
    filling = true;
    keywordCombo->clear();
    if (list) {
        std::vector<int> order(list->size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            return FromBytes((*list)[static_cast<size_t>(a)].keyword).compare(FromBytes((*list)[static_cast<size_t>(b)].keyword), Qt::CaseInsensitive)
                < 0;
        });
        for (int entry : order)
            keywordCombo->addItem(FromBytes((*list)[static_cast<size_t>(entry)].keyword).toLower(), entry);
    }
    filling = false;
    Choose(choose);
}

void CExtraDescPanel::Choose(int entry)
{
    filling = true;
    chosen = list && entry >= 0 && entry < static_cast<int>(list->size()) ? entry : -1;
    keywordCombo->setCurrentIndex(keywordCombo->findData(chosen));
    if (chosen < 0)
        keywordCombo->setEditText(QString());
    descriptionEdit->setPlainText(chosen >= 0 ? FromBytes((*list)[static_cast<size_t>(chosen)].description) : QString());
    filling = false;
}

void CExtraDescPanel::Add()
{
    if (!list || !TextsFitTheArea(this, { keywordCombo->lineEdit(), descriptionEdit }))
        return;
    const std::string keyword = ToBytes(keywordCombo->currentText().trimmed().toLower());
    if (keyword.empty())
        return;
    const bool known = FindExtraDesc(*list, keyword) >= 0;
    const int entry = AddExtraDesc(*list, keyword, ToBytes(BoxText(descriptionEdit)));
    if (known) {
        Choose(entry);
        return;
    }
    Refill(entry);
    descriptionEdit->setFocus(Qt::OtherFocusReason);
}

void CExtraDescPanel::Delete()
{
    if (!list || chosen < 0)
        return;
    // The chosen line's own entry goes, even where two share a keyword.
    list->erase(list->begin() + chosen);
    // What is left shows from the top of the list.
    Refill(-1);
    if (keywordCombo->count() > 0)
        Choose(keywordCombo->itemData(0).toInt());
}
