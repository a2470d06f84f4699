// The details of the last Total: what it took, where, and as what, in both readings.
#include "total/total_details.h"

#include <gtest/gtest.h>

#include <string>

#include "calculator/key_press.h"
#include "keypad_driver.h"

namespace {

// The details the way the harness prints them: "found: LINE\tTEXT\tNUMBER" and
// "skipped: LINE\tCELL", one a line.
std::string DetailsOf(const std::string& settings, const std::string& clipboard) {
    KeypadDriver calc(settings);
    calc.Host.Clipboard = clipboard;
    calc.Press("T");
    const TotalDetails details = BuildTotalDetails(calc.Context.LastTotal);
    std::string listed;
    for (const DetailRow& row : details.Rows) {
        listed += row.Skipped ? "skipped: " : "found: ";
        listed += std::to_string(row.Line) + "\t" + std::string(DetailText(details, row));
        if (!row.Skipped) listed += "\t" + DetailNumber(details, row);
        listed += "\n";
    }
    return listed;
}

constexpr const char* Whole = "[TOTAL]\nWHOLE_CELLS = YES\n";

const struct {
    const char* Rule;
    const char* Settings;
    const char* Clipboard;
    const char* Details;
} DetailCases[] = {
    {"the invoice line read character by character", "",
     "Invoice 2026-12-01 total 1,234.56\r\n(25.50)\r\n25.50-",
     "found: 1\t2026-12-01 total 1,234.56\t202612011234.56\n"
     "found: 2\t25.50\t25.50\n"
     "found: 3\t25.50-\t25.50\n"},
    {"the same text by whole cells", Whole,
     "Invoice 2026-12-01 total 1,234.56\r\n(25.50)\r\n25.50-",
     "skipped: 1\tInvoice 2026-12-01 total 1,234.56\n"
     "found: 2\t(25.50)\t-25.50\n"
     "found: 3\t25.50-\t-25.50\n"},
    {"CR LF, lone CR and lone LF each end a line", "", "1\r\n2\r3\n\n4\r\n\r\n5",
     "found: 1\t1\t1\nfound: 2\t2\t2\nfound: 3\t3\t3\nfound: 5\t4\t4\nfound: 7\t5\t5\n"},
    {"cells in a row share their line", Whole, " $ 1,000 \t5 %\t-.5\n0,5",
     "found: 1\t$ 1,000\t1000\nskipped: 1\t5 %\nfound: 1\t-.5\t-0.5\nskipped: 2\t0,5\n"},
    {"leading zeros and lone signs", "", "007\n-\n.\n-0.0",
     "found: 1\t007\t7\nfound: 2\t-\t0\nfound: 3\t.\t0\nfound: 4\t-0.0\t0.0\n"},
    {"the list ends where the Total stopped", "", "1\n1.2.3\n4",
     "found: 1\t1\t1\nfound: 2\t1.2.3\tERROR\n"},
    {"an over-long partial sum stops it too", "", "999999999999999999999999\n1\n2",
     "found: 1\t999999999999999999999999\t999999999999999999999999\nfound: 2\t1\t1\n"},
    {"an empty clipboard leaves nothing", "", "", ""},
    {"a comma view writes its separator", "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .\n",
     "x 1.5\t2,50", "found: 1\t1.5\t15\nfound: 1\t2,50\t2,50\n"},
};

TEST(TotalDetails, ListWhatTheTotalTook) {
    for (const auto& c : DetailCases) {
        EXPECT_EQ(DetailsOf(c.Settings, c.Clipboard), c.Details) << c.Rule;
    }
}

TEST(TotalDetails, KeptOnlyUntilTheNextTotal) {
    KeypadDriver calc;
    calc.Host.Clipboard = "1\n2";
    calc.Press("T");
    calc.Host.Clipboard = "7";
    calc.Press("T");
    EXPECT_EQ(BuildTotalDetails(calc.Context.LastTotal).Rows.size(), 1u);
    calc.Host.Clipboard = "";
    calc.Press("T");
    EXPECT_TRUE(BuildTotalDetails(calc.Context.LastTotal).Rows.empty());
}

TEST(TotalDetails, TheSettingsOfTheTotalCountNotLaterOnes) {
    KeypadDriver calc(Whole);
    calc.Host.Clipboard = "a 1\n2";
    calc.Press("T");
    calc.Context.Settings.WHOLE_CELLS = false;
    const TotalDetails details = BuildTotalDetails(calc.Context.LastTotal);
    ASSERT_EQ(details.Rows.size(), 2u);
    EXPECT_TRUE(details.Rows[0].Skipped);
}

TEST(TotalDetails, CopiedAsTabSeparatedLines) {
    KeypadDriver calc(Whole);
    calc.Host.Clipboard = "12.5\tabc\n(3)";
    calc.Press("T");
    EXPECT_EQ(TotalDetailsTable(BuildTotalDetails(calc.Context.LastTotal)),
              "Line\tText\tNumber\r\n1\t12.5\t12.5\r\n1\tabc\tskipped\r\n2\t(3)\t-3\r\n");
}

}  // namespace

namespace {

// The Total keeps the host's own text for its details: a clipboard of a hundred megabytes is
// not copied, however the key reaches the Total.
class SharingPlatform : public FakePlatform {
   public:
    SharedText SharedClipboardText() override { return Shared; }
    SharedText Shared;
};

TEST(TotalDetails, KeepTheHostsTextWithoutACopy) {
    SharingPlatform host;
    auto text = std::make_shared<const std::string>("1\n2\n3");
    host.Shared = SharedText{text, *text};
    CalcContext context(host);
    ReadSettings(context.Settings, ProfileText(), host.QueryLocale());
    ControlTable table;
    FillControlTable(table, context.Settings);
    context.Recorder = [](const KeyPress&) {};  // as the tape records every key
    HandleKeypadCommand(context, table, CommandOfLabel(table, "T"));
    EXPECT_EQ(context.LastTotal.Text.Text.data(), text->data());
    EXPECT_EQ(BuildTotalDetails(context.LastTotal).Rows.size(), 3u);
}

}  // namespace
