#include "EditorFixture.h"

#include "area/MobRecord.h"
#include "area/SameContent.h"
#include "area/ObjectRecord.h"
#include "editors/CMobEditDlg.h"
#include "editors/CObjectEditDlg.h"

namespace {

CObjData Finished(const CObjectEditDlg& dialog) { return dialog.State().obj; }
CMobData Finished(const CMobEditDlg& dialog) { return dialog.Result(); }
std::vector<uint8_t> Shown(const CObjectEditDlg& dialog) { return WriteObjectRecord(dialog.State().obj); }
std::vector<uint8_t> Shown(const CMobEditDlg& dialog) { return WriteMobRecord(dialog.State().mob); }

// Builds the dialog on the record, pastes `paste` when given, keeps what it
// shows in `copied`, and presses OK; false when the dialog refused. Never shown: hundreds of windows would only
// slow the test.
template <typename Dialog, typename Record>
bool OpenAndOk(const CTolvexDoc& doc, Record& record, int index, std::vector<uint8_t>* copied = nullptr,
    const std::vector<uint8_t>* paste = nullptr)
{
    Dialog dialog(doc, record, index);
    if (paste) {
        PutOnClipboard(MobRecordFormat, *paste);
        Find<QAction>(&dialog, "pasteMobAction")->trigger();
    }
    if (copied)
        *copied = Shown(dialog);
    dialog.accept();
    if (dialog.result() != QDialog::Accepted)
        return false;
    record = Finished(dialog);
    return true;
}

} // namespace

// Every object and mob of the stock areas opened and OK-ed untouched comes
// back the same (so the OK takes no step) and saves byte for byte as
// before; a mob's record pasted into a new mob copies back
// as the same bytes.
TEST(StockRecords, EveryObjectAndMobOksUnchangedAndAMobsRecordTravelsWhole)
{
    const auto files = StockAreaFiles();
    if (files.empty())
        GTEST_SKIP() << "the shared ROM areas are not present";
    CScriptedPrompt prompt;
    const auto refused = [&prompt] { return prompt.shown.empty() ? std::string() : prompt.shown.back().text.toStdString(); };
    int mobs = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        CConfigTables tables;
        LoadTables(tables);
        CTolvexDoc doc(tables);
        LoadArea(doc, ReadWholeFile(path));
        const std::string before = SaveText(doc, path);
        for (size_t i = 0; i < doc.objects.size(); ++i) {
            const CObjData shown = doc.objects[i];
            ASSERT_TRUE(OpenAndOk<CObjectEditDlg>(doc, doc.objects[i], static_cast<int>(i)))
                << "object " << doc.objects[i].vnum << ": " << refused();
            EXPECT_TRUE(SameContent(shown, doc.objects[i])) << "object " << shown.vnum;
        }
        for (size_t i = 0; i < doc.mobs.size(); ++i, ++mobs) {
            CMobData& mob = doc.mobs[i];
            std::vector<uint8_t> copied;
            const CMobData shown = mob;
            ASSERT_TRUE(OpenAndOk<CMobEditDlg>(doc, mob, static_cast<int>(i), &copied)) << "mob " << mob.vnum << ": " << refused();
            EXPECT_TRUE(SameContent(shown, mob)) << "mob " << shown.vnum;
            CMobData fresh(tables);
            fresh.vnum = mob.vnum;
            ASSERT_TRUE(OpenAndOk<CMobEditDlg>(doc, fresh, static_cast<int>(i), nullptr, &copied)) << "pasted mob " << mob.vnum;
            CMobEditDlg reopened(doc, fresh, -1);
            EXPECT_EQ(WriteMobRecord(reopened.State().mob), copied) << "mob " << mob.vnum;
        }
        EXPECT_EQ(SaveText(doc, path), before) << "opening and OK-ing every object and mob changed the file";
    }
    EXPECT_GT(mobs, 700);
}
