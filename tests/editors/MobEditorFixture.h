#pragma once

#include "EditorFixture.h"

#include "area/MobRecord.h"
#include "editors/CMobEditDlg.h"

#include <QComboBox>

// The fixture's area with mob 3005 made a full human baker.
class MobEditorFixture : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        CMobData& baker = doc.mobs[0];
        baker.name = "baker";
        baker.race = "human";
        baker.act = 0x1 | 0x2 | 0x80000 | 0x200000; // A B T V
        baker.aff = 0;
        baker.material = "flesh";
    }

    void Open(const CMobData& mob, int ownIndex, bool active = false) { OpenDialog(dialog, active, doc, mob, ownIndex); }
    void OpenBaker() { Open(doc.mobs[0], 0); }
    const CMobData& Edited() const { return dialog->State().mob; }

    std::unique_ptr<CMobEditDlg> dialog;
};
