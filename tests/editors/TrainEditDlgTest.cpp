#include "EditorFixture.h"

#include "editors/CTrainEditDlg.h"
#include "gui/CFlagList.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

class TrainEditDlg : public EditorFixture {
protected:
    void Open(const std::vector<CTrainStop>& stops)
    {
        dialog = std::make_unique<CTrainEditDlg>(doc, stops);
        dialog->show();
        shown = dialog.get();
    }

    std::string Lines() const
    {
        QStringList lines;
        auto* list = W<QListWidget>("trainStopList");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text() + (i == list->currentRow() ? QStringLiteral("*") : QString());
        return lines.join(QLatin1Char('|')).toStdString();
    }

    std::string Enabled() const
    {
        QStringList names;
        for (const char* name : { "trainNewButton", "trainDeleteButton", "trainInsertButton", "trainUpButton",
                 "trainDownButton", "trainRoomBox", "trainTimeBox", "trainArrivalEdit", "trainLeaveEdit", "trainFlagList" })
            if (W<QWidget>(name)->isEnabled())
                names << QString::fromLatin1(name).mid(5);
        return names.join(QLatin1Char(' ')).toStdString();
    }

    std::unique_ptr<CTrainEditDlg> dialog;
};

} // namespace

TEST_F(TrainEditDlg, WithoutStopsOnlyNewIsOffered)
{
    Open({});
    EXPECT_EQ(Enabled(), "NewButton");
    EXPECT_EQ(W<CNumberBox>("trainRoomBox")->text() + W<CNumberBox>("trainTimeBox")->text(), QStringLiteral("00"));
}

TEST_F(TrainEditDlg, StopsAreAddedInsertedMovedAndDeletedInRouteOrder)
{
    // Room 3002 is in the area, 5000 is not: its line shows no name.
    Open({ { 3001, 0, 1, "in", "out" }, { 5000, 0, 2, "", "" }, { 3002, 0x1, 3, "", "" }, { 3003, 0, 4, "", "" } });
    EXPECT_EQ(Lines(), "0\t3001 Room 3001*|1\t5000 |2\t3002 Room 3002|3\t3003 Room 3003");
    EXPECT_EQ(Enabled(), "NewButton DeleteButton InsertButton DownButton RoomBox TimeBox ArrivalEdit LeaveEdit FlagList")
        << "the first stop moves only down";

    W<QListWidget>("trainStopList")->setCurrentRow(1);
    Press("trainDeleteButton");
    EXPECT_EQ(Lines(), "0\t3001 Room 3001|1\t3002 Room 3002*|2\t3003 Room 3003") << "the later stops move up";
    Press("trainUpButton");
    EXPECT_EQ(Lines(), "0\t3002 Room 3002*|1\t3001 Room 3001|2\t3003 Room 3003") << "the moved stop stays chosen";
    Press("trainInsertButton");
    TypeNumber(W<CNumberBox>("trainRoomBox"), QStringLiteral("3003"));
    QTest::keyClicks(W<QLineEdit>("trainArrivalEdit"), QStringLiteral("The train arrives."));
    auto* flags = W<CFlagList>("trainFlagList");
    flags->setCurrentItem(flags->findItems(QStringLiteral("oculta"), Qt::MatchExactly).value(0));
    QTest::keyClick(flags, Qt::Key_Space);
    W<QListWidget>("trainStopList")->setCurrentRow(3);
    Press("trainDeleteButton");
    Press("trainNewButton");
    Press("okButton");
    EXPECT_EQ(Lines(), "0\t3003 Room 3003|1\t3002 Room 3002|2\t3001 Room 3001|3\t0 *");
    const std::vector<CTrainStop>& stops = dialog->State().stops;
    ASSERT_EQ(stops.size(), 4u);
    EXPECT_EQ(stops[0].arrivalMessage, "The train arrives.");
    EXPECT_EQ(stops[0].flags, 0x1u);
    EXPECT_EQ(stops[1].flags, 0x1u) << "the stop that was 3002 keeps its flags";
}

TEST_F(TrainEditDlg, EditTrainStopsHandsTheRouteBackOnOkOnly)
{
    std::vector<CTrainStop> stops = { { 3001, 0, 1, "", "" } };
    for (const char* button : { "cancelButton", "okButton" }) {
        OnNextModal([](QWidget* modal) { Click(modal, "trainNewButton"); }, button);
        EXPECT_EQ(CTrainEditDlg::EditTrainStops(nullptr, doc, stops), button[0] == 'o');
    }
    EXPECT_EQ(stops.size(), 2u);
}
