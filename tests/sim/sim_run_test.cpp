// Whole runs of the simulator in-process: what a script does to the program, and the lines that
// cannot be run.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "app/sim/help.h"
#include "app/sim/sim_errors.h"
#include "app/sim/simulator.h"
#include "tests/support/temp_folder.h"

namespace ruvo::sim {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// Settings as a first start leaves them, with budgets closed today and holidays of this year,
// so that nothing is due at the start: no question, no closure, no holiday message.
const char* const kSettled =
    "REGEDIT4\n\n"
    "[HKEY_CURRENT_USER\\Software\\Quelmar\\Ruvometer 2.3]\n"
    "\"RESETALLSETTINGS\"=\"1\"\n"
    "\"EMailQuestion\"=\"asked\"\n"
    "\"AskAutostartQuestion\"=\"0\"\n"
    "\"Offline IPs\"=\"1\"\n"
    "\"WochenBudgetAN\"=\"0\"\n"
    "\"MonatsBudgetAN\"=\"0\"\n\n"
    "[HKEY_CURRENT_USER\\Software\\Quelmar\\Ruvometer 2.3\\Feiertage]\n"
    "\"0A\"=\"01.01.00\"\n"
    "\"0B\"=\"Neujahr\"\n\n";

// One zone the whole day, 12 Pf per 60 seconds, so that no tariff message is due either.
const char* const kTariffFile =
    "0,0,1,\r\nGanztag\r\n0000\r\n2400\r\n12\r\n60\r\n0000\r\n2400\r\n12\r\n60\r\n"
    "0000\r\n2400\r\n12\r\n60";

struct Outcome {
    std::string transcript;
    std::optional<ScriptError> error;
    std::string registry;
    bool temporaryLeft = false;
};

class SimRunTest : public ::testing::Test {
protected:
    void seedRegistry(const std::string& text) const {
        WriteBytes(folder_.file("registry.reg"), text);
        WriteBytes(folder_.file("Tarif.dat"), kTariffFile);
    }

    Outcome run(const std::string& script) const {
        std::istringstream in(script);
        std::ostringstream out;
        Outcome outcome;
        try {
            Simulator simulator(folder_.path(), in, out);
            simulator.run();
        } catch (const ScriptError& error) {
            outcome.error = error;
        }
        outcome.transcript = out.str();
        outcome.registry = ReadBytes(folder_.file("registry.reg"));
        outcome.temporaryLeft = temporaryLeft();
        return outcome;
    }

    // Whether a temporary file of the registry's is left in the folder (a planted link is none).
    bool temporaryLeft() const {
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
            if (entry.path().filename().string().rfind("registry.reg.tmp", 0) == 0 &&
                !entry.is_symlink()) {
                return true;
            }
        }
        return false;
    }

    TempFolder folder_;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(SimRunTest, LinesThatCannotBeRunNameTheirLine) {
    struct Case {
        const char* script;
        int line;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"click Form1.Button2\n", 1, "the program is not running"},
        {"start\nwait 5\nclick Form1.Button2\n", 3, "Form1 is not shown"},
        {"start\nwait 5\nclick Form99.Button1\n", 3, "the program has no window 'Form99'"},
        {"start\nwait 5\ntray\nclick Form1.Nichts\n", 4, "Form1 has no control 'Nichts'"},
        {"start\nwait 5\ntray\nset Form1.Nichts 1\n", 4, "Form1 has no control 'Nichts'"},
        {"start\nwait 5\ntray\nclick Form1.Online\n", 4, "Form1.Online is hidden from the user"},
        {"start\nwait 5\ntray\nset Form1.Label14 x\n", 4,
         "Form1.Label14: it is a label: nothing can be typed into it"},
        {"start\nwait 5\ntray\nset Form1.CheckBox3 ja\n", 4,
         "Form1.CheckBox3: a check box is set to 1 or 0, not 'ja'"},
        {"start\nwait 5\ntray\nset Form1.TrackBar1 viel\n", 4,
         "Form1.TrackBar1: a track bar is set to a whole number, not 'viel'"},
        {"start\nwait 5\ntray\nset Form1.Button1 1\n", 4,
         "Form1.Button1: it is a button: click it"},
        {"start\nwait 5\ntray\nclick Form1.Button2\n  answer OK\n", 5,
         "the open message box has Ja and Nein, not OK"},
        // A kept answer is checked against the box it meets.
        {"answer Ja\nstart\nwait 5\ntray\nclick Form1.Reparieren\n", 1,
         "the open message box has only OK"},
        {"start\nwait 5\n\n# comment\nwarte 5\n", 5, "unknown command 'warte'"},
    };
    for (const Case& c : cases) {
        seedRegistry(kSettled);
        const Outcome outcome = run(c.script);
        ASSERT_TRUE(outcome.error) << c.script;
        EXPECT_EQ(outcome.error->line, c.line) << c.script;
        EXPECT_EQ(outcome.error->message, c.message) << c.script;
    }
}

TEST_F(SimRunTest, KeptAnswerAnswersTheNextBox) {
    seedRegistry(kSettled);
    const Outcome outcome = run("answer Ja\nstart\nwait 5\ntray\nclick Form1.Button2\nwait 1\n");
    ASSERT_FALSE(outcome.error) << outcome.error->message;
    EXPECT_TRUE(Contains(outcome.transcript, "01.01.00 00:00:05 exit 0\n")) << outcome.transcript;
}

// The script ends while the mail message is open: the program is killed, nothing more happens,
// and the registry holds what was written before the box opened.
TEST_F(SimRunTest, ScriptEndingInsideABoxKillsTheProgram) {
    const Outcome outcome = run("start\nwait 4\n");
    ASSERT_FALSE(outcome.error) << outcome.error->message;
    const std::string lastLine = outcome.transcript.substr(
        outcome.transcript.rfind('\n', outcome.transcript.size() - 2) + 1);
    EXPECT_EQ(lastLine.substr(0, 26), "01.01.00 00:00:04 message ");
    EXPECT_TRUE(Contains(outcome.registry, "\"EMailQuestion\"=\"asked\"\n"));
    EXPECT_FALSE(outcome.temporaryLeft);
}

// A kill read inside a box ends the program at once; the wait that was interrupted still passes
// before the next line: the new start comes at ten seconds.
TEST_F(SimRunTest, KillInsideABoxLetsTheInterruptedWaitPass) {
    const Outcome outcome = run("start\nwait 10\n  kill\nstart\n");
    ASSERT_FALSE(outcome.error) << outcome.error->message;
    EXPECT_TRUE(Contains(outcome.transcript, "01.01.00 00:00:10 show Form2\n"))
        << outcome.transcript;
    // Killed before the autostart question: it is still due at the next start.
    EXPECT_TRUE(Contains(outcome.registry, "\"AskAutostartQuestion\"=\"1\"\n"));
}

// The user's settings reach the program through its handlers, and the registry file follows.
TEST_F(SimRunTest, UserInputReachesTheProgram) {
    seedRegistry(kSettled);
    const Outcome outcome =
        run("start\nwait 5\ntray\n"
            "set Form1.TrackBar1 7\n"
            "set Form1.CheckBox7 0\n"
            "set Form1.CheckBox7 0\n"
            "set Form1.CheckBox2 1\n"
            "click Form1.TarifSuche\n"
            "click Form1.Button17\n");
    ASSERT_FALSE(outcome.error) << outcome.error->message;
    EXPECT_TRUE(Contains(outcome.registry, "\"EinheitenWarnung\"=\"7\"\n")) << outcome.registry;
    EXPECT_TRUE(Contains(outcome.registry, "\"GebInWindows\"=\"0\"\n"));
    EXPECT_TRUE(Contains(outcome.registry, "\"AskAutostartQuestion\"=\"1\"\n"));
    EXPECT_TRUE(Contains(outcome.transcript, "00:00:05 hide Form1\n"));
}

// A disabled control ignores the user: "mit Warnton" is disabled while "Warnen im Systemtray"
// is off.
TEST_F(SimRunTest, DisabledControlIgnoresTheUser) {
    for (const bool warningsOn : {true, false}) {
        seedRegistry(kSettled);
        const Outcome outcome = run(std::string("start\nwait 5\ntray\nset Form1.CheckBox3 ") +
                                    (warningsOn ? "1" : "0") + "\nset Form1.CheckBox4 0\n");
        ASSERT_FALSE(outcome.error) << outcome.error->message;
        EXPECT_EQ(Contains(outcome.registry, "\"EinheitenWarnton\"=\"0\"\n"), warningsOn)
            << outcome.registry;
    }
}

// registry.reg as another tool may have saved it: with a byte order mark and CR LF.
TEST_F(SimRunTest, RegistryFileWithByteOrderMarkAndCrLf) {
    seedRegistry(
        "\xEF\xBB\xBFREGEDIT4\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quelmar\\Ruvometer 2.3]\r\n"
        "\"RESETALLSETTINGS\"=\"1\"\r\n\"EMailQuestion\"=\"asked\"\r\n"
        "\"AskAutostartQuestion\"=\"0\"\r\n\"Offline IPs\"=\"1\"\r\n"
        "\"WochenBudgetAN\"=\"0\"\r\n\"MonatsBudgetAN\"=\"0\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quelmar\\Ruvometer 2.3\\Feiertage]\r\n"
        "\"0A\"=\"01.01.00\"\r\n\"0B\"=\"Neujahr\"\r\n\r\n");
    const Outcome outcome = run("start\nwait 10\n");
    ASSERT_FALSE(outcome.error) << outcome.error->message;
    EXPECT_FALSE(Contains(outcome.transcript, "message")) << outcome.transcript;
    EXPECT_EQ(outcome.registry.rfind("REGEDIT4\n\n", 0), 0U);
}

// A registry.reg that is not a registry ends the run before anything runs: the message names the
// file and the first line that cannot be taken, and the file is left as it is.
TEST_F(SimRunTest, DamagedRegistryFileIsRefusedAndLeftAsItIs) {
    std::string binary(512, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) {
        binary[i] = static_cast<char>((i * 151 + 7) % 256);
    }
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Quelmar\\Ruvometer 2.3]\n";
    const struct {
        const char* name;
        std::string text;
        int line;
    } cases[] = {
        {"binary bytes", binary, 1},
        {"no header", key + "\"RESETALLSETTINGS\"=\"1\"\n", 1},
        {"a header of another format", "Windows Registry Editor Version 5.00\n\n" + key, 1},
        {"text that is no line of it", "REGEDIT4\n\n" + key + "\"A\"=\"1\"\nirgendwas\n", 5},
        {"a value before the first key", "REGEDIT4\n\"A\"=\"1\"\n", 2},
        {"an unclosed text", "REGEDIT4\n" + key + "\"A\"=\"1\n", 3},
        {"something after the text", "REGEDIT4\n" + key + "\"A\"=\"1\" x\n", 3},
        {"a value of no known kind", "REGEDIT4\n" + key + "\"A\"=1\n", 3},
        {"another hive", "REGEDIT4\n[HKEY_CLASSES_ROOT\\x]\n", 2},
        {"an unclosed key", "REGEDIT4\n[HKEY_CURRENT_USER\\x\n", 2},
        {"hex data that is not hex", "REGEDIT4\n" + key + "\"A\"=hex:0g\n", 3},
        {"a cut file", std::string(kSettled).substr(0, 58), 3},
    };
    for (const auto& c : cases) {
        WriteBytes(folder_.file("registry.reg"), c.text);
        std::istringstream script("start\nwait 10\n");
        std::ostringstream out;
        try {
            Simulator simulator(folder_.path(), script, out);
            simulator.run();
            ADD_FAILURE() << c.name << ": ran";
        } catch (const MachineFailure& failure) {
            EXPECT_EQ(failure.message.rfind(
                          folder_.file("registry.reg") + ":" + std::to_string(c.line) + ": ", 0),
                      0U)
                << c.name << ": " << failure.message;
        }
        EXPECT_EQ(ReadBytes(folder_.file("registry.reg")), c.text) << c.name;
        EXPECT_FALSE(temporaryLeft()) << c.name;
    }
}

// What the simulator writes itself it reads back: binary values, comments and an empty file.
TEST_F(SimRunTest, RegistryFileFormsItReads) {
    for (const std::string& text :
         {std::string(), std::string(kSettled) + "; a comment\n[HKEY_LOCAL_MACHINE\\x]\n"
                                                 "\"B\"=hex:\n\"C\"=hex(2):41,00,\\\n  42,00\n"
                                                 "\"D\"=dword:0000001f\n"}) {
        WriteBytes(folder_.file("registry.reg"), text);
        const Outcome outcome = run("start\nwait 10\n");
        ASSERT_FALSE(outcome.error) << outcome.error->message;
        EXPECT_TRUE(Contains(outcome.registry, "\"RESETALLSETTINGS\"=\"1\"\n"));
        if (!text.empty()) {
            EXPECT_TRUE(Contains(outcome.registry, "\"C\"=hex:\n\"D\"=hex:\n")) << outcome.registry;
        }
    }
}

// Hands the script over one line at a time and says, before each, which line is asked for.
class LineByLine : public std::streambuf {
public:
    LineByLine(std::vector<std::string> lines, std::function<void(std::size_t)> asked)
        : lines_(std::move(lines)), asked_(std::move(asked)) {}

protected:
    int_type underflow() override {
        if (next_ == lines_.size()) {
            return traits_type::eof();
        }
        asked_(next_);
        line_ = lines_[next_++] + "\n";
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_[0]);
    }

private:
    std::vector<std::string> lines_;
    std::function<void(std::size_t)> asked_;
    std::string line_;
    std::size_t next_ = 0;
};

// The registry file is written once a line is carried out, not at every change of a value: when
// the next line is read, the file holds what a run of the lines before it alone leaves.
TEST(SimRegistryFile, HoldsWhatTheLinesBeforeLeftWhenALineIsRead) {
    const std::vector<std::string> lines = {"clock 2000-05-02 20:00:00",
                                            "start",
                                            "wait 5",
                                            "tray",
                                            "set Form1.TrackBar1 7",
                                            "addresses 2",
                                            "wait 125",
                                            "addresses 1",
                                            "wait 5",
                                            "kill",
                                            "start",
                                            "wait 5"};
    const auto seed = [](const TempFolder& folder) {
        WriteBytes(folder.file("registry.reg"), kSettled);
        WriteBytes(folder.file("Tarif.dat"), kTariffFile);
    };
    TempFolder whole;
    seed(whole);
    std::vector<std::string> whenAsked;
    LineByLine buffer(
        lines, [&](std::size_t) { whenAsked.push_back(ReadBytes(whole.file("registry.reg"))); });
    std::istream script(&buffer);
    std::ostringstream transcript;
    {
        Simulator simulator(whole.path(), script, transcript);
        simulator.run();
    }
    ASSERT_EQ(whenAsked.size(), lines.size());
    for (std::size_t count = 1; count < lines.size(); ++count) {
        SCOPED_TRACE(lines[count - 1]);
        TempFolder part;
        seed(part);
        std::string firstLines;
        for (std::size_t i = 0; i < count; ++i) {
            firstLines += lines[i] + "\n";
        }
        std::istringstream partScript(firstLines);
        std::ostringstream partTranscript;
        {
            Simulator simulator(part.path(), partScript, partTranscript);
            simulator.run();
        }
        EXPECT_EQ(whenAsked[count], ReadBytes(part.file("registry.reg")));
    }
}

// The registry is written through a temporary file of its own making: a link planted under the
// name a fixed temporary file would have leads nowhere.
TEST_F(SimRunTest, PlantedLinkDoesNotRedirectTheRegistry) {
    seedRegistry(kSettled);
    TempFolder elsewhere;
    const std::string victim = elsewhere.file("victim");
    WriteBytes(victim, "untouched");
    std::filesystem::create_symlink(victim, folder_.file("registry.reg.tmp"));
    const Outcome outcome = run("start\nwait 5\ntray\nset Form1.TrackBar1 7\n");
    ASSERT_FALSE(outcome.error) << outcome.error->message;
    EXPECT_TRUE(Contains(outcome.registry, "\"EinheitenWarnung\"=\"7\"\n"));
    EXPECT_EQ(ReadBytes(victim), "untouched");
    EXPECT_TRUE(std::filesystem::is_symlink(folder_.file("registry.reg.tmp")));
    EXPECT_FALSE(outcome.temporaryLeft);
}

TEST(SimHelp, ListsCommandsControlsAndTranscript) {
    std::ostringstream out;
    WriteHelp(out);
    const std::string help = out.str();
    for (const char* part : {"click WINDOW.CONTROL", "set WINDOW.CONTROL VALUE", "answer BUTTON",
                             "addresses fail", "Form5.Ja", "Form5.CheckBox1", "Form1.Reparieren",
                             "Form4.Button1", "Form14  \"Quelmar Ruvometer - Wiederherstellen\"",
                             "tray PICTURE", "exit N", "Exit status"}) {
        EXPECT_TRUE(Contains(help, part)) << part;
    }
    auto lineOf = [&](const std::string& control) {
        const std::size_t start = help.find("    " + control + " ");
        return start == std::string::npos ? std::string()
                                          : help.substr(start, help.find('\n', start) - start);
    };
    EXPECT_TRUE(Contains(lineOf("Form1.TrackBar1"), " track bar 0..30"));
    EXPECT_TRUE(Contains(lineOf("Form1.Online"), " check box "));
    EXPECT_TRUE(Contains(lineOf("Form1.Online"), "(hidden)"));
    EXPECT_TRUE(Contains(lineOf("Form1.CheckBox3"), "\"Warnen im Systemtray\""));
    EXPECT_TRUE(Contains(lineOf("Form1.TarifSuche"), " button "));
    EXPECT_TRUE(Contains(lineOf("Form1.TarifSuche"), "(hidden)"));
}

}  // namespace
}  // namespace ruvo::sim
