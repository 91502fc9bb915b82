#pragma once

#include <QDialog>

#include <string>

class CAreaEditor;
class CObjData;
class QListWidget;

// Lists the area's objects, one line each, to edit, create and delete them.
// Every change is handed to the area's operations at once.
class CObjectListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CObjectListDlg(CAreaEditor& editor, QWidget* parent = nullptr);

    // The object of the chosen line (its index in the document), or -1.
    int ChosenObject() const;

    // The object's line: vnum, tab, name.
    static std::string ObjectLine(const CObjData& object);

    void Edit();
    void New();
    void Delete();

private:
    // Lists the objects again, with no line chosen.
    void Refill();

    CAreaEditor& editor;
    QListWidget* list = nullptr;
};
