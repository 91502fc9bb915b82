#include "editors/CAreaInfoDlg.h"

#include "gui/TextFit.h"
#include "gui/CNumberBox.h"
#include "editors/DialogParts.h"
#include "gui/Prompt.h"
#include "area/CTolvexDoc.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

CNumberBox* NumberBox(const char* name, const CNumberRange& range, QWidget* parent)
{
    auto* box = NamedWidget<CNumberBox>(name, parent);
    box->SetRanges(range.lowest, range.highest, range.spinLowest, range.spinHighest);
    return box;
}

} // namespace

CAreaInfoDlg::CAreaInfoDlg(const CTolvexDoc& doc, QWidget* parent)
    : QDialog(parent)
    , state(doc)
{
    setObjectName(QStringLiteral("areaInfoDialog"));
    setWindowTitle(QStringLiteral("General Information"));

    // Created in tab order.
    nameEdit = NamedWidget<QLineEdit>("nameEdit", this);
    buildersEdit = NamedWidget<QLineEdit>("buildersEdit", this);
    creditsEdit = NamedWidget<QLineEdit>("creditsEdit", this);
    lowerVnumBox = NumberBox("lowerVnumBox", CAreaInfoState::VnumRange, this);
    upperVnumBox = NumberBox("upperVnumBox", CAreaInfoState::VnumRange, this);
    securityBox = NumberBox("securityBox", CAreaInfoState::SecurityRange, this);
    minLevelBox = NumberBox("minLevelBox", CAreaInfoState::LevelRange, this);
    maxLevelBox = NumberBox("maxLevelBox", CAreaInfoState::LevelRange, this);
    auto* resources = new QGroupBox(QStringLiteral("Resources"), this);
    resourceList = NamedWidget<QListWidget>("resourceList", resources);
    resourceList->setMinimumHeight(90);
    amountBox = NumberBox("amountBox", CAreaInfoState::AmountRange, resources);
    auto* buttons = OkCancelButtons(this);

    const int textWidth = nameEdit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 50;
    for (QLineEdit* edit : { nameEdit, buildersEdit, creditsEdit })
        edit->setMinimumWidth(textWidth);

    auto* grid = new QGridLayout;
    grid->addWidget(Caption("&Name:", nameEdit, this), 0, 0);
    grid->addWidget(nameEdit, 0, 1, 1, 4);
    grid->addWidget(Caption("&Authors:", buildersEdit, this), 1, 0);
    grid->addWidget(buildersEdit, 1, 1, 1, 4);
    grid->addWidget(Caption("&Credits:", creditsEdit, this), 2, 0);
    grid->addWidget(creditsEdit, 2, 1, 1, 4);
    grid->addWidget(Caption("&VNums:", lowerVnumBox, this), 3, 0);
    grid->addWidget(lowerVnumBox, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("to"), this), 3, 2, Qt::AlignCenter);
    grid->addWidget(upperVnumBox, 3, 3);
    grid->addWidget(Caption("&Security", securityBox, this), 4, 0);
    grid->addWidget(securityBox, 4, 1);
    grid->addWidget(Caption("&Level:", minLevelBox, this), 5, 0);
    grid->addWidget(minLevelBox, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("to"), this), 5, 2, Qt::AlignCenter);
    grid->addWidget(maxLevelBox, 5, 3);
    grid->setColumnStretch(4, 1);

    auto* resourceLayout = new QVBoxLayout(resources);
    resourceLayout->addWidget(resourceList, 1);
    resourceLayout->addWidget(amountBox, 0, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(resources, 1);
    layout->addWidget(buttons);

    ShowText(nameEdit, state.name);
    ShowText(buildersEdit, state.builders);
    ShowText(creditsEdit, state.credits);
    lowerVnumBox->setValue(state.lowerVnum);
    upperVnumBox->setValue(state.upperVnum);
    securityBox->setValue(state.security);
    minLevelBox->setValue(state.minLevel);
    maxLevelBox->setValue(state.maxLevel);

    // The list is sorted by name; each item carries its place in our copy.
    std::vector<std::pair<QString, int>> names;
    for (size_t i = 0; i < state.resources.size(); ++i)
        names.emplace_back(FromBytes(state.resources[i].name), static_cast<int>(i));
    std::stable_sort(names.begin(), names.end(),
        [](const auto& a, const auto& b) { return a.first.compare(b.first, Qt::CaseInsensitive) < 0; });
    for (const auto& name : names) {
        auto* item = new QListWidgetItem(name.first, resourceList);
        item->setData(Qt::UserRole, name.second);
    }

    const CAreaInfoFields fields = CAreaInfoState::FieldsFor(doc.Tables().mudType);
    buildersEdit->setEnabled(fields.authors);
    securityBox->setEnabled(fields.security);
    minLevelBox->setEnabled(fields.levels);
    maxLevelBox->setEnabled(fields.levels);
    resourceList->setEnabled(fields.resources);

    connect(resourceList, &QListWidget::currentRowChanged, this, &CAreaInfoDlg::ResourceChosen);
    connect(amountBox, &QSpinBox::valueChanged, this, &CAreaInfoDlg::AmountChanged);
    if (resourceList->count() > 0)
        resourceList->setCurrentRow(0);
    else
        ResourceChosen();
    amountBox->setEnabled(fields.resources && shownResource >= 0);
}

int CAreaInfoDlg::ShownResource() const
{
    const QListWidgetItem* item = resourceList->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void CAreaInfoDlg::ResourceChosen()
{
    if (showing)
        return;
    const int next = ShownResource();
    // The amount shown belongs to the resource chosen before; a refused one
    // keeps that resource chosen.
    if (shownResource >= 0 && next != shownResource && !amountBox->Take()) {
        showing = true;
        for (int row = 0; row < resourceList->count(); ++row)
            if (resourceList->item(row)->data(Qt::UserRole).toInt() == shownResource)
                resourceList->setCurrentRow(row);
        showing = false;
        return;
    }
    shownResource = next;
    showing = true;
    amountBox->setValue(next >= 0 ? state.resources[static_cast<size_t>(next)].value : 0);
    showing = false;
    amountBox->setEnabled(next >= 0 && resourceList->isEnabled());
}

void CAreaInfoDlg::AmountChanged(int amount)
{
    if (!showing && shownResource >= 0)
        state.resources[static_cast<size_t>(shownResource)].value = amount;
}

void CAreaInfoDlg::accept()
{
    if (!TextsFitTheArea(this))
        return;
    for (CNumberBox* box : { lowerVnumBox, upperVnumBox, securityBox, minLevelBox, maxLevelBox })
        if (!box->Take())
            return;
    if (shownResource >= 0 && !amountBox->Take())
        return;
    state.name = ToBytes(nameEdit->text());
    state.builders = ToBytes(buildersEdit->text());
    state.credits = ToBytes(creditsEdit->text());
    state.lowerVnum = lowerVnumBox->value();
    state.upperVnum = upperVnumBox->value();
    state.security = securityBox->value();
    state.minLevel = minLevelBox->value();
    state.maxLevel = maxLevelBox->value();
    QDialog::accept();
}

bool CAreaInfoDlg::EditAreaInfo(QWidget* parent, const CTolvexDoc& doc, CAreaHeader& header)
{
    CAreaInfoDlg dialog(doc, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    header = dialog.State().Header();
    return true;
}
