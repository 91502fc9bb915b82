#pragma once

#include "EditorFixture.h"

#include "area/ObjectRecord.h"
#include "editors/CObjectEditDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <memory>

// The example area with the "gadget" type.
class ObjectEditFixture : public EditorFixture {
protected:
    static constexpr int Gadget = GadgetType;

    void SetUp() override
    {
        EditorFixture::SetUp();
        AddGadgetType(tables);
    }

    int TypeValue(const char* name) const { return tables.objTypes[FindByName(tables.objTypes, name)].value; }

    CObjData Object(const char* type) const
    {
        CObjData obj;
        obj.vnum = 3010;
        obj.name = "thing";
        obj.itemType = TypeValue(type);
        return obj;
    }

    // Opens the editor on `obj` as object 0 of the area and shows it.
    void Open(const CObjData& obj, int ownIndex = 0) { OpenDialog(dialog, true, doc, obj, ownIndex); }

    const CObjData& Edited() const { return dialog->State().obj; }

    // A flag's item clicked with the space bar.
    void ToggleFlag(const char* list, const char* name) const
    {
        auto* flags = W<CFlagList>(list);
        QListWidgetItem* item = flags->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << list << " has no " << name;
        flags->setCurrentItem(item);
        QTest::keyClick(flags, Qt::Key_Space);
    }

    // The names a flag list shows set, in its order.
    std::string SetFlags(const char* list) const
    {
        auto* flags = W<CFlagList>(list);
        QStringList set;
        for (int i = 0; i < flags->count(); ++i)
            if (flags->IsShownSet(flags->item(i)->data(Qt::UserRole).toUInt()))
                set << flags->item(i)->text();
        return set.join(QLatin1Char(' ')).toStdString();
    }

    std::unique_ptr<CObjectEditDlg> dialog;
};
