#pragma once

#include "area/CExtraDescData.h"

#include <QGroupBox>

#include <vector>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

// The extra descriptions of a record: a keyword list (lower case, sorted),
// Add and Delete, and the description of the chosen keyword, edited in place
// in the list it is given.
class CExtraDescPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CExtraDescPanel(QWidget* parent = nullptr);

    // Shows `list` (which must outlive the panel or the next call) and
    // chooses its first keyword.
    void SetList(std::vector<CExtraDescData>* list);
    // Refills from the list after it was replaced as a whole.
    void Refresh();

    // The entry whose description is shown, or -1.
    int Chosen() const { return chosen; }

    void Add();
    void Delete();

private:
    void Refill(int choose);
    void Choose(int entry);

    std::vector<CExtraDescData>* list = nullptr;
    int chosen = -1;
    bool filling = false;
    QComboBox* keywordCombo = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPlainTextEdit* descriptionEdit = nullptr;
};
