#include "app/sim/help.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/sim/simulator.h"
#include "app/sim/user_input.h"
#include "platform/fake/fake_platform.h"
#include "program/application.h"

namespace ruvo::sim {

namespace {

constexpr const char* kUsage = R"(Usage: ruvometer-sim DIR SCRIPT
       ruvometer-sim --tarifvergleich DIR TARIFDATEI VON BIS
       ruvometer-sim --help

Runs the Ruvometer program in virtual time on a simulated machine, driven by SCRIPT (a file, or
- for standard input), and writes what the program shows to standard output.

DIR is the program's data directory: Tarif.dat, Feiertage.dat and the database files live there,
and the program file is DIR/ruvometer. The simulated registry is the file DIR/registry.reg in
REGEDIT4 text form (UTF-8); it is read when the run begins and rewritten after every change. A
file that is not a registry in that form is refused and left as it is.

--tarifvergleich re-rates the connections recorded in DIR's database files that start between
the days VON and BIS (TT.MM.JJJJ) under the tariff file TARIFDATEI, as the program's counter
would have counted them, with the holidays of DIR/Feiertage.dat. It prints one line per
connection (date, start, duration, tariffs, cost, tariffs and cost under TARIFDATEI, difference;
separated by tabs) and a line with the totals. Exit status 0, 1 when a file cannot be read, 2
when the arguments are wrong.

Script: one command per line; blank lines and lines beginning with # are skipped; leading blanks
are allowed. TEXT and VALUE run to the end of the line as written.
  clock YYYY-MM-DD HH:MM:SS  set the local date and time; time runs on from there. A jump moves
                             the calendar, not the time that measures elapsed seconds.
                             Before the first clock line it is 2000-01-01 00:00:00.
  addresses N                from now on the host's address lookup yields N IPv4 addresses
  addresses fail             from now on the lookup fails
  start                      start the program as from the desktop (a second start while one
                             runs meets the single-instance check)
  wait S                     let S seconds pass (at most three decimals); every timer that falls
                             due fires at its due time
  answer BUTTON              press OK, Ja or Nein on the open message box; with none open, the
                             answer is kept for the next one
  click WINDOW.CONTROL       the user clicks a control of a shown window
  set WINDOW.CONTROL VALUE   the user sets a check box (1 or 0) or a track bar position, or types
                             VALUE into an edit field and leaves it
  tray                       left click on the tray icon (nothing when there is none)
  menu ITEM                  right click on the tray icon and choose the item of that text
                             ("Öffnen", "Verbindungen...", "Überwachung deaktivieren" or
                             "Überwachung aktivieren", "Beenden"); nothing when there is no icon
                             or no such item
  window TEXT                a window of another program titled TEXT comes to the front (the
                             same TEXT later brings the same window back)
  desktop                    the desktop comes to the front (it is in front when the run begins)
  kill                       every running instance of the program dies at once
  block NAME                 a folder takes the place of the missing file DIR/NAME: the program
                             can neither read, create nor append to it (a failing disk)
  unblock NAME               the folder made by block NAME goes away again

Message boxes and modal windows behave as on the desktop: while one is open, the next lines are
read inside it. A wait inside it lets time pass with it open, timers ticking; when it closes, an
interrupted wait goes on to its own end. The error box is a message box with OK. A modal window
that closes itself ends the wait read inside it early; the rest of that wait passes before the
next line is read. When the script ends, the program is ended as by kill (also when a box is
still open). A disabled control ignores clicks and values; a hidden one cannot be used, except
that a hidden button can be clicked, as the program's own code clicks it.
)";

constexpr const char* kTranscript = R"(
Transcript: one line per event, each beginning with the virtual date and time DD.MM.YY HH:MM:SS.
  message "TEXT"             a message box opens
  error "TEXT"               the framework-style error box opens
  show FormN, hide FormN     a window becomes visible or hidden (also when its process dies)
  tray PICTURE               the tray shows inactive, offline, online, warning, or none (icon
                             removed); written only when the shown picture changes
  beep standard, beep default  a sound
  title "TEXT"               a window of another program (normally the one in front) gets the
                             title TEXT
  exit N                     the program instance ends with exit code N
TEXT is written with \\ for a backslash, \" for a double quote, \n for a line break and \xHH for
any other control character. More kinds of line may come later; readers ignore lines they do not
know.

Exit status: 0 when the script ran to its end; 2 when a line cannot be run (the message names
the line) or the arguments are wrong; 1 when the machine failed (DIR, SCRIPT or registry.reg
cannot be read or written, or registry.reg is damaged: the message names its line) or the
program failed outside its own error handling.
)";

int WindowNumber(const std::string& name) {
    if (name.rfind("Form", 0) == 0) {
        try {
            return std::stoi(name.substr(4));
        } catch (const std::exception&) {
        }
    }
    return 1'000'000;
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text + ' ';
}

void WriteWindows(std::ostream& out) {
    fake::FakeMachine machine(kInitialClock, "/");
    fake::FakeProcess process(machine);
    Ruvometer program(process.platform());
    std::vector<WindowModel*> windows = program.windows();
    std::stable_sort(windows.begin(), windows.end(), [](WindowModel* a, WindowModel* b) {
        return WindowNumber(a->windowName()) < WindowNumber(b->windowName());
    });

    out << "\nWindows and their controls (WINDOW.CONTROL, kind, caption):\n";
    for (WindowModel* window : windows) {
        out << "  " << window->windowName() << "  " << Transcript::quoted(window->caption())
            << '\n';
        for (Control* control : window->controls()) {
            const std::string caption = DescribeCaption(*control);
            std::string line = "    " + Padded(window->windowName() + "." + control->name(), 26) +
                               Padded(DescribeKind(*control), 12) +
                               (caption.empty() ? "" : Transcript::quoted(caption) + " ") +
                               (control->visible() ? "" : "(hidden)");
            line.erase(line.find_last_not_of(' ') + 1);
            out << line << '\n';
        }
    }
}

}  // namespace

void WriteHelp(std::ostream& out) {
    out << kUsage;
    WriteWindows(out);
    out << kTranscript;
}

}  // namespace ruvo::sim
