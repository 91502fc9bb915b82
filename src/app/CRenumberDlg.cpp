#include "app/CRenumberDlg.h"

#include "area/CTolvexDoc.h"
#include "editors/DialogParts.h"
#include "gui/CNumberBox.h"
#include "gui/Prompt.h"
#include "world/AreaList.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLineEdit>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int HighestVnum = 32767;

} // namespace

CRenumberDlg::CRenumberDlg(const std::vector<CWorldArea>& worldAreas, std::size_t renumbered, int proposed, QWidget* parent,
    bool others)
    : QDialog(parent)
    , areas(worldAreas)
    , area(renumbered)
{
    setObjectName(QStringLiteral("renumberDialog"));
    const CTolvexDoc& doc = *areas[area].doc;
    setWindowTitle(QStringLiteral("Renumber Area %1").arg(FromBytes(areas[area].file)));
    // The range that moves is the plan's: the header's, widened to the
    // records outside it. Neither it nor the code depends on the target.
    const CRenumberPlan now = PlanRenumber(areas, area, doc.lowerVnum);
    const int size = now.oldHigh - now.oldLow + 1;
    if (proposed <= 0)
        proposed = FirstFreeRange(areas, size, static_cast<std::ptrdiff_t>(area));
    plan = PlanRenumber(areas, area, proposed > 0 ? proposed : now.oldLow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Now: vnums %1-%2 (%3 vnums)").arg(now.oldLow).arg(now.oldHigh).arg(size), this));
    // From 0, as limbo.are's range starts there; the plan refuses a record at 0.
    lowBox = RangedNumberBox("renumberLow", 0, HighestVnum, 0, HighestVnum, this);
    lowBox->setValue(proposed > 0 ? proposed : now.oldLow);
    auto* row = new QHBoxLayout;
    row->addWidget(Caption("New &lowest vnum:", lowBox, this));
    row->addWidget(lowBox);
    rangeLabel = NamedWidget<QLabel>("renumberRange", this);
    row->addWidget(rangeLabel, 1);
    layout->addLayout(row);

    codeList = NamedWidget<QTreeWidget>("renumberCode", this);
    codeList->setHeaderLabels({ QStringLiteral("Number"), QStringLiteral("Program"), QStringLiteral("Line"), QStringLiteral("Command") });
    codeList->setRootIsDecorated(false);
    for (std::size_t i = 0; i < plan.codeVnums.size(); ++i) {
        const CCodeVnum& number = plan.codeVnums[i];
        if (!others && number.area != area)
            continue;
        listed.push_back(i);
        const CTolvexDoc& owner = *areas[number.area].doc;
        auto* item = new QTreeWidgetItem(codeList);
        item->setText(0, QString::number(number.value));
        item->setText(1, QStringLiteral("%1 (%2)").arg(owner.mobprogs[number.program].vnum).arg(FromBytes(areas[number.area].file)));
        item->setText(2, QString::number(number.line));
        item->setText(3, FromBytes(number.command));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, number.inOldRange ? Qt::Checked : Qt::Unchecked);
    }
    codeList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* codeCaption = Caption("&Numbers in mobprog code (the ticked ones follow the area):", codeList, this);
    layout->addWidget(codeCaption);
    layout->addWidget(codeList, 1);
    if (listed.empty()) {
        codeCaption->setBuddy(nullptr);
        codeCaption->setText(QStringLiteral("No mobprog code names a vnum."));
        codeList->hide();
    }
    layout->addWidget(OkCancelButtons(this));
    connect(lowBox, &QSpinBox::valueChanged, this, &CRenumberDlg::ShowRange);
    ShowRange();
    resize(560, listed.empty() ? 140 : 380);
    lowBox->setFocus();
}

void CRenumberDlg::ShowRange()
{
    const long long low = lowBox->value();
    const long long high = low + plan.oldHigh - plan.oldLow;
    rangeLabel->setText(QStringLiteral("New range: %1-%2").arg(low).arg(high));
}

std::vector<bool> CRenumberDlg::Ticked() const
{
    std::vector<bool> ticked;
    for (int i = 0; i < codeList->topLevelItemCount(); ++i)
        ticked.push_back(codeList->topLevelItem(i)->checkState(0) == Qt::Checked);
    return ticked;
}

void CRenumberDlg::accept()
{
    int low = 0;
    if (!lowBox->Take(low))
        return;
    CRenumberPlan chosen = PlanRenumber(areas, area, low);
    if (!chosen.error.empty()) {
        ShowError(this, FromBytes(chosen.error));
        lowBox->setFocus();
        lowBox->selectAll();
        return;
    }
    plan = std::move(chosen);
    QDialog::accept();
}

CNewWorldAreaDlg::CNewWorldAreaDlg(const std::vector<CWorldArea>& worldAreas, const QString& folder, QWidget* parent)
    : QDialog(parent)
    , areas(worldAreas)
{
    setObjectName(QStringLiteral("newWorldAreaDialog"));
    setWindowTitle(QStringLiteral("New Area in World"));
    auto* form = new QFormLayout;
    nameBox = NamedWidget<QLineEdit>("newAreaName", this);
    fileBox = NamedWidget<QLineEdit>("newAreaFile", this);
    sizeBox = RangedNumberBox("newAreaSize", 1, HighestVnum, 1, HighestVnum, this);
    sizeBox->setValue(100);
    rangeLabel = NamedWidget<QLabel>("newAreaRange", this);
    form->addRow(Caption("&Name:", nameBox, this), nameBox);
    form->addRow(Caption("&File:", fileBox, this), fileBox);
    form->addRow(Caption("&Vnums:", sizeBox, this), sizeBox);
    form->addRow(new QLabel(this), rangeLabel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Saved in %1 and added to the world's list.").arg(QDir::toNativeSeparators(folder)), this));
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(this));
    connect(nameBox, &QLineEdit::textEdited, this, &CNewWorldAreaDlg::OnNameEdited);
    connect(fileBox, &QLineEdit::textEdited, this, [this] { fileEdited = true; });
    connect(sizeBox, &QSpinBox::valueChanged, this, &CNewWorldAreaDlg::ShowRange);
    ShowRange();
    nameBox->setFocus();
}

QString CNewWorldAreaDlg::Name() const
{
    return nameBox->text().trimmed();
}

QString CNewWorldAreaDlg::File() const
{
    return fileBox->text().trimmed();
}

int CNewWorldAreaDlg::Size() const
{
    return sizeBox->value();
}

int CNewWorldAreaDlg::Low() const
{
    return FirstFreeRange(areas, Size());
}

void CNewWorldAreaDlg::OnNameEdited()
{
    // The file follows the name until the builder names it.
    if (!fileEdited)
        fileBox->setText(FromBytes(AreaFileNameFor(ToBytes(Name()))));
}

void CNewWorldAreaDlg::ShowRange()
{
    const int low = Low();
    rangeLabel->setText(low < 0 ? QStringLiteral("The world has no free range of this size.")
                                : QStringLiteral("vnums %1-%2").arg(low).arg(low + Size() - 1));
}

void CNewWorldAreaDlg::accept()
{
    if (!sizeBox->Take())
        return;
    QLineEdit* empty = Name().isEmpty() ? nameBox : File().isEmpty() ? fileBox
                                                                     : nullptr;
    if (empty) {
        ShowError(this, empty == nameBox ? QStringLiteral("The area needs a name.") : QStringLiteral("The area needs a file name."));
        empty->setFocus();
        return;
    }
    if (File().contains(QLatin1Char('/')) || File().contains(QLatin1Char('\\')) || File().contains(QLatin1Char(' '))) {
        ShowError(this, QStringLiteral("The file name is a name in the world's folder, without blanks or folders."));
        fileBox->setFocus();
        return;
    }
    if (Low() < 0) {
        ShowError(this, QStringLiteral("The world has no free range of %1 vnums.").arg(Size()));
        sizeBox->setFocus();
        return;
    }
    QDialog::accept();
}
