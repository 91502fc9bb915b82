#include "EditorFixture.h"

#include "area/MobRecord.h"
#include "editors/CMobEditDlg.h"

#include <QAction>

#include <filesystem>
#include <sstream>

namespace {

std::string SaveText(const CTolvexDoc& doc, const std::string& path)
{
    std::ostringstream out;
    CDiagnosticList diagnostics;
    doc.Save(out, path, diagnostics);
    return out.str();
}

void PutRecord(const std::vector<uint8_t>& record)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(MobRecordFormat),
        QByteArray(reinterpret_cast<const char*>(record.data()), static_cast<int>(record.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

// Runs the editor on `mob` and presses OK; false when the dialog refused.
bool OpenAndOk(const CTolvexDoc& doc, CMobData& mob, int index, std::vector<uint8_t>* copied = nullptr,
    const std::vector<uint8_t>* paste = nullptr)
{
    // Never shown: building and checking the dialog is what counts, and
    // hundreds of windows would only slow the test.
    CMobEditDlg dialog(doc, mob, index);
    if (paste) {
        PutRecord(*paste);
        Find<QAction>(&dialog, "pasteMobAction")->trigger();
    }
    if (copied)
        *copied = WriteMobRecord(dialog.State().mob);
    dialog.accept();
    if (dialog.result() != QDialog::Accepted)
        return false;
    mob = dialog.Result();
    return true;
}

} // namespace

TEST(MobCorpus, EveryStockMobOpensOksAndSavesUnchangedAndItsRecordTravelsWhole)
{
    if (!SharedAreasPresent())
        GTEST_SKIP() << "the shared ROM areas are not present";
    CScriptedPrompt prompt;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(SharedPath("areas/rom24")))
        if (entry.path().extension() == ".are")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    int mobs = 0;
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        CConfigTables tables;
        int line = 0;
        ASSERT_TRUE(LoadConfig(tables, SourcePath("res/tolvex.cfg"), line));
        CTolvexDoc doc(tables);
        std::ifstream in(path, std::ios::binary);
        CDiagnosticList diagnostics;
        ASSERT_TRUE(doc.Load(in, diagnostics));
        const std::string before = SaveText(doc, path);
        for (size_t i = 0; i < doc.mobs.size(); ++i, ++mobs) {
            CMobData& mob = doc.mobs[i];
            std::vector<uint8_t> copied;
            ASSERT_TRUE(OpenAndOk(doc, mob, static_cast<int>(i), &copied)) << "mob " << mob.vnum << ": "
                << (prompt.shown.empty() ? std::string() : prompt.shown.back().text.toStdString());

            // Pasted into a new mob and OK'd, it copies back as the same bytes.
            CMobData fresh(tables);
            fresh.vnum = mob.vnum;
            std::vector<uint8_t> again;
            ASSERT_TRUE(OpenAndOk(doc, fresh, static_cast<int>(i), nullptr, &copied)) << "pasted mob " << mob.vnum;
            CMobEditDlg reopened(doc, fresh, -1);
            EXPECT_EQ(WriteMobRecord(reopened.State().mob), copied) << "mob " << mob.vnum;
        }
        EXPECT_EQ(SaveText(doc, path), before) << "opening and OK-ing every mob changed the file";
    }
    EXPECT_GT(mobs, 700);
}
