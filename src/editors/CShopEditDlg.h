#pragma once

#include "area/CMobData.h"

#include <QDialog>

#include <array>

class CConfigTables;
class CNumberBox;
class QComboBox;

// Edits a shop: the five item types it buys, its profits and its hours.
class CShopEditDlg : public QDialog {
    Q_OBJECT
public:
    CShopEditDlg(const CConfigTables& tables, const CShopData& shop, QWidget* parent = nullptr);

    const CShopData& Shop() const { return shop; }

    // Runs the dialog on `shop`; on OK `shop` holds the edited values.
    static bool EditShop(QWidget* parent, const CConfigTables& tables, CShopData& shop);

    void accept() override;

private:
    CShopData shop;
    std::array<QComboBox*, 5> buyCombos {};
    CNumberBox* openBox = nullptr;
    CNumberBox* closeBox = nullptr;
    CNumberBox* buyBox = nullptr;
    CNumberBox* sellBox = nullptr;
};
