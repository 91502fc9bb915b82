#include "EditorFixture.h"

#include "editors/CTrainEditDlg.h"

namespace {

class TrainEditDlg : public EditorFixture {
protected:
    void Open(const std::vector<CTrainStop>& stops) { OpenDialog(dialog, false, doc, stops); }

    std::string Lines() const { return ListLines(W<QListWidget>("trainStopList"), true); }

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

// The route's order after each button is checked in tests/rules/RecordRulesTest.cpp.
TEST_F(TrainEditDlg, TheChosenStopsBoxesEditItAndTheButtonsFollowTheChoice)
{
    Open({});
    EXPECT_EQ(Enabled(), "NewButton") << "without stops only New is offered";
    EXPECT_EQ(W<CNumberBox>("trainRoomBox")->text() + W<CNumberBox>("trainTimeBox")->text(), QStringLiteral("00"));
    Open({ { 3001, 0, 1, "in", "out" }, { 3002, 0, 3, "", "" } });
    EXPECT_EQ(Lines(), "0\t3001 Room 3001*|1\t3002 Room 3002");
    EXPECT_EQ(Enabled(), "NewButton DeleteButton InsertButton DownButton RoomBox TimeBox ArrivalEdit LeaveEdit FlagList")
        << "the first stop moves only down";
    Press("trainDownButton");
    TypeNumber(W<CNumberBox>("trainRoomBox"), QStringLiteral("3003"));
    QTest::keyClicks(W<QLineEdit>("trainArrivalEdit"), QStringLiteral(" The train arrives."));
    ClickFlag("trainFlagList", "oculta");
    EXPECT_EQ(Enabled(), "NewButton DeleteButton InsertButton UpButton RoomBox TimeBox ArrivalEdit LeaveEdit FlagList");
    Press("okButton");
    EXPECT_EQ(Lines(), "0\t3002 Room 3002|1\t3003 Room 3003*");
    const std::vector<CTrainStop>& stops = dialog->State().stops;
    EXPECT_EQ(stops[1].arrivalMessage, "in The train arrives.");
    EXPECT_EQ(stops[1].flags, 0x1u);
}

TEST_F(TrainEditDlg, EditTrainStopsHandsTheRouteBackOnOkOnly)
{
    std::vector<CTrainStop> stops = { { 3001, 0, 1, "", "" } };
    for (const char* button : { "cancelButton", "okButton" }) {
        OnNextModal(button, [](QWidget* modal) { Click(modal, "trainNewButton"); });
        EXPECT_EQ(CTrainEditDlg::EditTrainStops(nullptr, doc, stops), button[0] == 'o');
    }
    EXPECT_EQ(stops.size(), 2u);
}
