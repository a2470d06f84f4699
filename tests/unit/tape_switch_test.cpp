// One tape per job: switching tapes, a file held by another Quillon, the recent tapes.
#include <gtest/gtest.h>

#include <string>

#include "keypad_driver.h"
#include "tape/tape_file.h"
#include "tape/tape_keeper.h"
#include "tape/tape_names.h"

namespace {

const std::string Version = TapeVersionLine(TapeNotation{'.', ','});

struct Desk {
    KeypadDriver Calc;
    TapeKeeper Keeper;

    Desk() { StartTape(Keeper, Calc.Context, "Quillon.tape"); }
    void Switch(const std::string& path, TapeSwitch how) {
        SwitchTape(Keeper, Calc.Context, path, how);
    }
    std::string File(const std::string& path) const { return Calc.Host.Files.at(path); }
};

TEST(TapeSwitch, EachFileKeepsItsLines) {
    Desk desk;
    desk.Calc.Press("1 + 2 =");
    const std::string first = desk.File("Quillon.tape");
    desk.Calc.Press("4 +");
    desk.Switch("March.tape", TapeSwitch::New);  // the calculation in progress ends here
    EXPECT_EQ(desk.Calc.Host.Shown[0], "0");
    EXPECT_EQ(desk.File("March.tape"), Version);
    desk.Calc.Press("5 * 2 =");
    const std::string march = desk.File("March.tape");
    EXPECT_EQ(desk.Keeper.Lines.Lines.size(), 3u);

    desk.Switch("Quillon.tape", TapeSwitch::Open);
    EXPECT_EQ(desk.Keeper.Lines.Lines.size(), 4u);  // "1 + 2 =" and the "4 +"
    EXPECT_EQ(desk.File("Quillon.tape"), first + "+\tstart\t4\t0\t\r\n");
    desk.Calc.Press("7 =");
    EXPECT_EQ(desk.File("Quillon.tape"), first + "+\tstart\t4\t0\t\r\n=\tstart\t7\t0\t\r\n");
    EXPECT_EQ(desk.File("March.tape"), march);
    EXPECT_EQ(desk.Calc.Host.Held, std::set<std::string>({"Quillon.tape"}));
    EXPECT_TRUE(desk.Calc.Host.Messages.empty());

    desk.Switch("Quillon.tape", TapeSwitch::New);
    EXPECT_EQ(desk.File("Quillon.tape"), Version);
    EXPECT_TRUE(desk.Keeper.Lines.Lines.empty());
}

TEST(TapeSwitch, AFileAnotherQuillonHoldsIsShownNotWritten) {
    Desk desk;
    const std::string held = Version + "+\tstart\t12\t0\t\r\n";
    desk.Calc.Host.Files["Shared.tape"] = held;
    desk.Calc.Host.HeldElsewhere.insert("Shared.tape");
    desk.Switch("Shared.tape", TapeSwitch::Open);
    EXPECT_EQ(desk.Keeper.Lines.Lines.size(), 1u);
    ASSERT_EQ(desk.Calc.Host.Messages.size(), 1u);
    EXPECT_NE(desk.Calc.Host.Messages[0].find("open in another Quillon"), std::string::npos);
    desk.Calc.Press("3 + 4 =");
    EXPECT_EQ(desk.Keeper.Lines.Lines.size(), 4u);
    EXPECT_EQ(desk.File("Shared.tape"), held);
    desk.Switch("Shared.tape", TapeSwitch::New);
    EXPECT_EQ(desk.File("Shared.tape"), held);

    desk.Calc.Host.Files["Shared.tape"] = "damaged";
    desk.Switch("Shared.tape", TapeSwitch::Open);
    EXPECT_EQ(desk.File("Shared.tape"), "damaged");  // its holder's to set aside
    EXPECT_EQ(desk.Calc.Host.Files.count("Shared.tape.bad"), 0u);
}

TEST(TapeSwitch, ADamagedTapeIsKeptAside) {
    Desk desk;
    desk.Calc.Host.Files["Old.tape"] = "not a tape";
    desk.Switch("Old.tape", TapeSwitch::Open);
    EXPECT_EQ(desk.File("Old.tape.bad"), "not a tape");
    EXPECT_EQ(desk.Calc.Host.Messages.size(), 1u);
    desk.Calc.Press("2 =");
    EXPECT_EQ(desk.File("Old.tape"), Version + "=\tstart\t2\t0\t\r\n");
}

TEST(TapeSwitch, SavedAsATapeFileTheTapeGoesOnThere) {
    Desk desk;
    desk.Calc.Press("1 + 2 = 5 +");
    const std::string lines = desk.File("Quillon.tape");
    desk.Calc.Host.HeldElsewhere.insert("Shared.tape");
    EXPECT_FALSE(MoveTapeFile(desk.Keeper.Store, desk.Keeper.Lines, "Shared.tape"));
    EXPECT_EQ(desk.Calc.Host.Files.count("Shared.tape"), 0u);
    ASSERT_TRUE(MoveTapeFile(desk.Keeper.Store, desk.Keeper.Lines, "April.tape"));
    EXPECT_EQ(desk.File("April.tape"), lines);
    EXPECT_EQ(desk.Calc.Host.Held, std::set<std::string>({"April.tape"}));
    desk.Calc.Press("1 =");  // the calculation goes on, in the new file only
    EXPECT_EQ(desk.File("April.tape"), lines + "=\tentry\t1\t0\t\r\n=\tresult\t6\t2\t\r\n");
    EXPECT_EQ(desk.File("Quillon.tape"), lines);
    EXPECT_TRUE(MoveTapeFile(desk.Keeper.Store, desk.Keeper.Lines, "April.tape"));
}

TEST(TapeNames, NameOfTheFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "Tape"},
        {"Quillon.tape", "Quillon"},
        {"C:\\Books\\March 2026.TAPE", "March 2026"},
        {"/tmp/x/saved.march.tape", "saved.march"},
        {"D:notes.txt", "notes.txt"},
        {".tape", ".tape"},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(TapeName(path), name) << path;
}

TEST(RecentTapes, NewestFirstOnceAtMostFour) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "C:\\a.tape"},
        {"C:\\b.tape", "C:\\a.tape|C:\\b.tape"},
        {"C:\\b.tape|c:\\A.TAPE|d.tape", "C:\\a.tape|C:\\b.tape|d.tape"},
        {"b|c|d|e", "C:\\a.tape|b|c|d"},
        {"||b||", "C:\\a.tape|b"},
    };
    for (const auto& [list, expected] : cases) {
        EXPECT_EQ(WithRecentTape(list, "C:\\a.tape"), expected) << list;
    }
    EXPECT_EQ(RecentTapes("a|b|c|d|e"), std::vector<std::string>({"a", "b", "c", "d"}));
}

}  // namespace
