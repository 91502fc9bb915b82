#pragma once

#include "rules/CAreaInfoState.h"

#include <QDialog>

class CNumberBox;
class CTolvexDoc;
class QLineEdit;
class QListWidget;

// The area's header: name, authors, credits, vnum range, security, levels and
// the amounts of its resources. The dialect decides which can be edited.
class CAreaInfoDlg : public QDialog {
    Q_OBJECT
public:
    CAreaInfoDlg(const CTolvexDoc& doc, QWidget* parent = nullptr);

    const CAreaInfoState& State() const { return state; }

    // Runs the dialog; on OK `header` holds the area's new header.
    static bool EditAreaInfo(QWidget* parent, const CTolvexDoc& doc, CAreaHeader& header);

    void accept() override;

private:
    void ResourceChosen();
    void AmountChanged(int amount);
    int ShownResource() const;

    CAreaInfoState state;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* buildersEdit = nullptr;
    QLineEdit* creditsEdit = nullptr;
    CNumberBox* lowerVnumBox = nullptr;
    CNumberBox* upperVnumBox = nullptr;
    CNumberBox* securityBox = nullptr;
    CNumberBox* minLevelBox = nullptr;
    CNumberBox* maxLevelBox = nullptr;
    QListWidget* resourceList = nullptr;
    CNumberBox* amountBox = nullptr;
    int shownResource = -1;
    bool showing = false;
};
