#include "editors/CShopEditDlg.h"

#include "config/ConfigTables.h"
#include "editors/DialogParts.h"
#include "gui/TextFit.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <vector>

CShopEditDlg::CShopEditDlg(const CConfigTables& tables, const CShopData& original, QWidget* parent)
    : QDialog(parent)
    , shop(original)
{
    setObjectName(QStringLiteral("shopEditDialog"));
    setWindowTitle(QStringLiteral("Shop Editor"));

    auto* buyGroup = new QGroupBox(QStringLiteral("Buy"), this);
    auto* buyLayout = new QVBoxLayout(buyGroup);
    std::vector<CChoice> types;
    for (const auto& entry : tables.objTypes)
        types.push_back({ FromBytes(entry->name), entry->value });
    for (size_t i = 0; i < buyCombos.size(); ++i) {
        const QByteArray name = "buyTypeCombo" + QByteArray::number(static_cast<int>(i));
        QComboBox* combo = NamedWidget<QComboBox>(name.constData(), buyGroup);
        combo->addItem(QStringLiteral("nothing"), 0);
        FillSorted(combo, types);
        // A type the configuration does not list shows nothing and is kept.
        const int buys = this->shop.buyTypes[i];
        combo->setCurrentIndex(combo->findData(buys));
        connect(combo, &QComboBox::activated, this, [this, i, combo](int index) {
            if (index >= 0)
                this->shop.buyTypes[i] = combo->itemData(index).toInt();
        });
        buyCombos[i] = combo;
        buyLayout->addWidget(combo);
    }

    openBox = NamedWidget<CNumberBox>("openHourBox", this);
    openBox->SetRange(0, 23);
    closeBox = NamedWidget<CNumberBox>("closeHourBox", this);
    closeBox->SetRange(0, 23);
    buyBox = NamedWidget<CNumberBox>("profitBuyBox", this);
    buyBox->SetRange(0, 32767);
    sellBox = NamedWidget<CNumberBox>("profitSellBox", this);
    sellBox->SetRange(0, 32767);
    openBox->setValue(original.openHour);
    closeBox->setValue(original.closeHour);
    buyBox->setValue(original.profitBuy);
    sellBox->setValue(original.profitSell);

    auto* numbers = new QGridLayout;
    numbers->addWidget(Caption("Open &from:", openBox, this), 0, 0);
    numbers->addWidget(openBox, 0, 1);
    numbers->addWidget(Caption("&to", closeBox, this), 0, 2);
    numbers->addWidget(closeBox, 0, 3);
    numbers->addWidget(Caption("Percent &Buy:", buyBox, this), 1, 0);
    numbers->addWidget(buyBox, 1, 1);
    numbers->addWidget(Caption("Percent &Sell:", sellBox, this), 2, 0);
    numbers->addWidget(sellBox, 2, 1);
    numbers->setRowStretch(3, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(buyGroup);
    top->addLayout(numbers);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(OkCancelButtons(this));
}

void CShopEditDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    if (!openBox->Take(shop.openHour) || !closeBox->Take(shop.closeHour) || !buyBox->Take(shop.profitBuy)
        || !sellBox->Take(shop.profitSell))
        return;
    QDialog::accept();
}

bool CShopEditDlg::EditShop(QWidget* parent, const CConfigTables& tables, CShopData& shop)
{
    CShopEditDlg dialog(tables, shop, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    shop = dialog.Shop();
    return true;
}
