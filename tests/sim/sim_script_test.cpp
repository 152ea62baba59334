// The script's lines: what each command reads, and the lines that cannot be run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/sim/script.h"
#include "app/sim/sim_errors.h"

namespace ruvo::sim {
namespace {

std::string ErrorOf(const std::string& line) {
    try {
        ParseLine(line, 7);
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.line, 7);
        return error.message;
    }
    return "<parsed>";
}

TEST(SimScript, ReadsEveryCommand) {
    using Kind = CommandKind;
    EXPECT_EQ(ParseLine("clock 2000-02-29 23:59:58", 1)->clock,
              (platform::LocalDateTime{2000, 2, 29, 23, 59, 58}));
    EXPECT_EQ(ParseLine("addresses 2", 1)->addresses, 2);
    EXPECT_EQ(ParseLine("addresses fail", 1)->addresses, std::nullopt);
    EXPECT_EQ(ParseLine("wait 3.999", 1)->waitMs, 3999);
    EXPECT_EQ(ParseLine("answer Nein", 1)->answer, platform::MessageAnswer::No);
    EXPECT_EQ(ParseLine("answer Ja", 1)->answer, platform::MessageAnswer::Yes);
    EXPECT_EQ(ParseLine("answer OK", 1)->answer, platform::MessageAnswer::Ok);
    EXPECT_EQ(ParseLine("click Form1.Reparieren  ", 1)->target, "Form1.Reparieren");
    // A control named by a caption may hold blanks; the value of `set` keeps what was typed.
    EXPECT_EQ(ParseLine("click Form13.Feiertagsdatei laden", 1)->target,
              "Form13.Feiertagsdatei laden");
    EXPECT_EQ(ParseLine("set Form1.Edit5 0,12 DM ", 1)->target, "Form1.Edit5 0,12 DM ");
    EXPECT_EQ(ParseLine("window Texteditor - Brief.txt", 1)->title, "Texteditor - Brief.txt");
    EXPECT_EQ(ParseLine("    start", 1)->kind, Kind::Start);
    EXPECT_EQ(ParseLine("tray", 1)->kind, Kind::Tray);
    EXPECT_EQ(ParseLine("menu Überwachung deaktivieren ", 1)->title, "Überwachung deaktivieren");
    EXPECT_EQ(ParseLine("desktop\t", 1)->kind, Kind::Desktop);
    EXPECT_EQ(ParseLine("kill", 1)->kind, Kind::Kill);
    EXPECT_EQ(ParseLine("kill", 12)->line, 12);
    EXPECT_EQ(ParseLine("block RVDaten00.db ", 1)->fileName, "RVDaten00.db");
    EXPECT_EQ(ParseLine("unblock Tarif.dat", 1)->kind, Kind::Unblock);
}

TEST(SimScript, SkipsBlankLinesAndComments) {
    for (const char* line : {"", "   ", "\t", "# start", "   # wait 4"}) {
        EXPECT_FALSE(ParseLine(line, 1).has_value()) << "'" << line << "'";
    }
}

TEST(SimScript, RefusesLinesThatCannotBeRun) {
    struct Case {
        const char* line;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"starten", "unknown command 'starten'"},
        {"Start", "unknown command 'Start'"},
        {"start now", "start takes no argument"},
        {"kill -9", "kill takes no argument"},
        {"menu", "menu needs the text of an item of the tray icon's menu"},
        {"block", "block needs the name of a file in the data directory, got ''"},
        {"block ../RVDaten00.db",
         "block needs the name of a file in the data directory, got "
         "'../RVDaten00.db'"},
        {"unblock ..", "unblock needs the name of a file in the data directory, got '..'"},
        {"clock 2000-1-1 00:00:00", "clock needs YYYY-MM-DD HH:MM:SS, got '2000-1-1 00:00:00'"},
        {"clock 2000-01-01", "clock needs YYYY-MM-DD HH:MM:SS, got '2000-01-01'"},
        {"clock 1999-02-29 12:00:00", "'1999-02-29 12:00:00' is not a date and time that exists"},
        {"clock 2100-02-29 12:00:00", "'2100-02-29 12:00:00' is not a date and time that exists"},
        {"clock 2000-04-31 12:00:00", "'2000-04-31 12:00:00' is not a date and time that exists"},
        {"clock 2000-01-01 24:00:00", "'2000-01-01 24:00:00' is not a date and time that exists"},
        {"addresses", "addresses needs a number or 'fail', got ''"},
        {"addresses -1", "addresses needs a number or 'fail', got '-1'"},
        {"addresses zwei", "addresses needs a number or 'fail', got 'zwei'"},
        {"wait", "'' is not a number of seconds (at most three decimals)"},
        {"wait -1", "'-1' is not a number of seconds (at most three decimals)"},
        {"wait 0.0001", "'0.0001' is not a number of seconds (at most three decimals)"},
        {"wait .5", "'.5' is not a number of seconds (at most three decimals)"},
        {"wait 1.", "'1.' is not a number of seconds (at most three decimals)"},
        {"wait 1e3", "'1e3' is not a number of seconds (at most three decimals)"},
        {"wait 1234567890", "'1234567890' is not a number of seconds (at most three decimals)"},
        {"answer Yes", "answer needs OK, Ja or Nein, got 'Yes'"},
        {"answer ok", "answer needs OK, Ja or Nein, got 'ok'"},
        {"click Button1", "click needs WINDOW.CONTROL, got 'Button1'"},
        {"click Form1.", "click needs WINDOW.CONTROL, got 'Form1.'"},
        {"click .Button1", "click needs WINDOW.CONTROL, got '.Button1'"},
        {"set Form1. 1", "set needs WINDOW.CONTROL, got 'Form1. 1'"},
        {"window", "window needs a title"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf(c.line), c.message) << c.line;
    }
}

TEST(SimScript, SecondsToMilliseconds) {
    struct Case {
        const char* text;
        std::int64_t ms;
    };
    for (const Case& c : std::vector<Case>{{"0", 0},
                                           {"4", 4000},
                                           {"0.5", 500},
                                           {"0.05", 50},
                                           {"0.001", 1},
                                           {"10.25", 10250},
                                           {"28800", 28'800'000},
                                           {"999999999.999", 999'999'999'999}}) {
        EXPECT_EQ(ParseSeconds(c.text, 1), c.ms) << c.text;
    }
}

TEST(SimScript, ReaderCountsEveryLineAndDropsCarriageReturns) {
    std::istringstream in("# first\r\nstart\r\n\r\n  wait 4\r\nwindow Brief.txt\r\n");
    ScriptReader reader(in);
    auto start = reader.next();
    ASSERT_TRUE(start);
    EXPECT_EQ(start->kind, CommandKind::Start);
    EXPECT_EQ(start->line, 2);
    auto wait = reader.next();
    ASSERT_TRUE(wait);
    EXPECT_EQ(wait->line, 4);
    EXPECT_EQ(wait->waitMs, 4000);
    auto window = reader.next();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->title, "Brief.txt");
    EXPECT_FALSE(reader.next());
    EXPECT_FALSE(reader.next());
}

TEST(SimScript, ReaderNamesTheLineOfAnError) {
    std::istringstream in("start\n\n# note\nwarte 5\n");
    ScriptReader reader(in);
    ASSERT_TRUE(reader.next());
    try {
        reader.next();
        FAIL() << "no error";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.line, 4);
        EXPECT_EQ(error.message, "unknown command 'warte'");
    }
}

}  // namespace
}  // namespace ruvo::sim
