#include "editors/AreaEdits.h"

#include "edit/ReferenceEdits.h"

#include "edit/CAreaEditor.h"
#include "editors/CMobEditDlg.h"
#include "editors/CObjectEditDlg.h"
#include "editors/CRoomEditDlg.h"
#include "gui/Prompt.h"

namespace {

template <typename Record>
bool InList(const std::vector<Record>& list, int index)
{
    return index >= 0 && static_cast<size_t>(index) < list.size();
}

void NoFreeVnum(QWidget* parent)
{
    Prompt().Show(parent, QStringLiteral("Error"), QStringLiteral("No hay vnums disponibles!"), QMessageBox::Critical);
}

} // namespace

bool EditRoomInArea(QWidget* parent, CAreaEditor& editor, int index)
{
    const CTolvexDoc& doc = editor.Doc();
    if (!InList(doc.rooms, index))
        return false;
    CRoomData room = doc.rooms[static_cast<size_t>(index)];
    return CRoomEditDlg::EditRoom(parent, doc, room) && editor.ReplaceRoom(index, room);
}

bool EditObjectInArea(QWidget* parent, CAreaEditor& editor, int index)
{
    const CTolvexDoc& doc = editor.Doc();
    if (!InList(doc.objects, index))
        return false;
    CObjData object = doc.objects[static_cast<size_t>(index)];
    return CObjectEditDlg::EditObject(parent, doc, object, index) && editor.ReplaceObject(index, object);
}

bool EditMobInArea(QWidget* parent, CAreaEditor& editor, int index)
{
    const CTolvexDoc& doc = editor.Doc();
    if (!InList(doc.mobs, index))
        return false;
    CMobData mob = doc.mobs[static_cast<size_t>(index)];
    return CMobEditDlg::EditMob(parent, doc, mob, index) && editor.ReplaceMob(index, mob);
}

int NewObjectInArea(QWidget* parent, CAreaEditor& editor)
{
    const CTolvexDoc& doc = editor.Doc();
    CObjData object;
    object.vnum = doc.FreeObjectVnum();
    if (object.vnum < 0) {
        NoFreeVnum(parent);
        return -1;
    }
    return CObjectEditDlg::EditObject(parent, doc, object, -1) ? editor.AddObject(object) : -1;
}

int NewMobInArea(QWidget* parent, CAreaEditor& editor)
{
    const CTolvexDoc& doc = editor.Doc();
    CMobData mob(doc.Tables());
    mob.vnum = doc.FreeMobVnum();
    if (mob.vnum < 0) {
        NoFreeVnum(parent);
        return -1;
    }
    return CMobEditDlg::EditMob(parent, doc, mob, -1) ? editor.AddMob(mob) : -1;
}

bool ResetsGoToo(QWidget* parent, const CTolvexDoc& doc, RecordKind kind, int index)
{
    const bool mob = kind == RecordKind::Mob;
    const int vnum = mob ? doc.mobs[static_cast<size_t>(index)].vnum : doc.objects[static_cast<size_t>(index)].vnum;
    if ((mob ? doc.FindMobByVnum(vnum, index) : doc.FindObjectByVnum(vnum, index)) >= 0)
        return false;
    const int resets = ReferenceEdits::ResetsOf(doc, kind, vnum);
    if (resets == 0)
        return false;
    const QString question = QStringLiteral("%1 %2 is loaded by %3 of this area. Delete %4 too?")
                                 .arg(mob ? QStringLiteral("Mob") : QStringLiteral("Object"))
                                 .arg(vnum)
                                 .arg(resets == 1 ? QStringLiteral("a reset") : QStringLiteral("%1 resets").arg(resets))
                                 .arg(resets == 1 ? QStringLiteral("it") : QStringLiteral("them"));
    return Prompt().Ask(parent, QStringLiteral("Warning!"), question, QMessageBox::Warning,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}
