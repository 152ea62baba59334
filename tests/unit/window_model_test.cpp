// Controls behave like the window framework's: a change of state runs the control's action,
// whoever makes it; setting the state it already has runs nothing.
#include "window_models/window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ruvo {
namespace {

class Probe final : public WindowModel {
public:
    Probe() : WindowModel("FormX", "Probe") {}
    CheckBox box{*this, "CheckBox1", "Box"};
    TextField edit{*this, "Edit1", "0", true};
    TrackBar bar{*this, "TrackBar1", 0, 30};
    ComboBox combo{*this, "ComboBox1", {"Werktag", "Wochenende", "Feiertag"}};
    ListControl list{*this, "ListView1", {"Tag", "Name"}};
};

TEST(WindowModel, ActionsRunOnlyWhenTheStateChanges) {
    Probe w;
    std::vector<std::string> log;
    w.box.onClick = [&] { log.push_back("box " + std::to_string(w.box.checked())); };
    w.edit.onChange = [&] { log.push_back("edit " + w.edit.text()); };
    w.edit.onExit = [&] { log.push_back("exit"); };
    w.bar.onChange = [&] { log.push_back("bar " + std::to_string(w.bar.position())); };
    w.combo.onChange = [&] { log.push_back("combo " + w.combo.text()); };
    w.combo.onClick = [&] { log.push_back("picked"); };

    w.box.setChecked(false);  // already cleared
    w.box.setChecked(true);
    w.box.setCheckedQuietly(false);
    w.box.setEnabled(false);
    w.box.click();  // disabled: nothing
    w.edit.setText("0");
    w.edit.enter("12");
    w.edit.enter("12");     // same text: only the exit runs
    w.bar.setPosition(45);  // clamped to 30
    w.bar.setPosition(30);
    w.combo.setText("Feier");
    w.combo.choose(2);
    w.combo.choose(7);  // no such item
    const std::vector<std::string> expected = {"box 1",  "edit 12",     "exit",           "exit",
                                               "bar 30", "combo Feier", "combo Feiertag", "picked"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(w.combo.itemIndex(), 2);
}

TEST(WindowModel, ListSelection) {
    Probe w;
    int notified = 0;
    w.list.onSelectionChange = [&] { ++notified; };
    w.list.setRows({{"01.01.99", "Neujahr"}, {"06.01.99", "Drei Könige"}, {"24.12.99", "Abend"}});
    EXPECT_EQ(w.list.firstSelected(), -1);
    w.list.setSelected(1, true);
    w.list.setSelected(1, true);
    w.list.setSelected(9, true);  // no such row
    EXPECT_EQ(w.list.firstSelected(), 1);
    w.list.selectAll();
    EXPECT_EQ(w.list.selectedCount(), 3U);
    w.list.selectOnly(2);
    EXPECT_EQ(w.list.selectedCount(), 1U);
    w.list.clearSelection();
    EXPECT_EQ(notified, 5);  // setRows, row 1, all, only 2, none

    // A whole selection at once: one notification; too short a list leaves the rest out, too
    // long a list is cut.
    w.list.setSelection({true, false});
    EXPECT_EQ(w.list.selectedCount(), 1U);
    w.list.setSelection({true, false, false});
    w.list.setSelection({false, true, true, true, true});
    EXPECT_EQ(w.list.selectedCount(), 2U);
    EXPECT_EQ(w.list.firstSelected(), 1);
    EXPECT_EQ(notified, 7);
}

TEST(WindowModel, ObserversSeeShowHideAndChanges) {
    Probe w;
    std::vector<WindowEvent> events;
    w.addObserver([&](const WindowModel&, WindowEvent e) { events.push_back(e); });
    w.show();
    w.show();
    w.edit.setText("x");
    w.hide();
    const std::vector<WindowEvent> expected = {WindowEvent::Shown, WindowEvent::Changed,
                                               WindowEvent::Hidden};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(w.control("TrackBar1"), &w.bar);
    EXPECT_EQ(w.control("Nope"), nullptr);
}

}  // namespace
}  // namespace ruvo
