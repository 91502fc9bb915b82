#pragma once

#include <QDialog>

#include <string>

class CAreaEditor;
class CMobData;
class QListWidget;

// Lists the area's mobs, one line each, to edit, create and delete them.
// Every change reaches the area through its operations, one step each.
class CMobListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMobListDlg(CAreaEditor& editor, QWidget* parent = nullptr);

    // The mob's line: vnum, tab, keywords.
    static std::string MobLine(const CMobData& mob);

    void Edit();
    void New();
    void Delete();

private:
    void Refill();
    void TakeKeyboardBack();

    CAreaEditor& editor;
    QListWidget* list = nullptr;
};
