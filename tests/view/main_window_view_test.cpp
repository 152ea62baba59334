#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include <string>
#include <utility>
#include <vector>

#include "gui/main_window_view.h"
#include "tests/view/qt_app.h"
#include "window_models/main_window.h"

namespace ruvo::gui {
namespace {

class MainWindowViewTest : public ::testing::Test {
protected:
    MainWindowViewTest() {
        model.onPageChange = [this](MainPage from, MainPage to) {
            pageChanges.emplace_back(from, to);
        };
    }

    template <class Widget>
    Widget* find(const std::string& name) {
        auto* widget = view.findChild<Widget*>(Q(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QAction* menuItem(const QString& text) {
        for (QAction* item : view.findChild<QMenuBar*>("MainMenu1")->findChildren<QAction*>()) {
            if (item->text() == text) {
                return item;
            }
        }
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }

    MainWindow model;
    int actionsRun = 0;
    int connectionsShown = 0;
    int holidaysEdited = 0;
    int tariffsCompared = 0;
    int quits = 0;
    int minimised = 0;
    int statisticsShown = 0;
    int helpShown = 0;
    std::vector<std::pair<MainPage, MainPage>> pageChanges;
    MainWindowView view{
        model,
        [this](const std::function<void()>& action) {
            ++actionsRun;
            action();
        },
        {[this] { ++connectionsShown; }, [this] { ++holidaysEdited; }, [this] { ++quits; },
         [this] { ++minimised; }, [this] { ++statisticsShown; }, [this] { ++helpShown; },
         [this] { ++tariffsCompared; }}};
};

TEST_F(MainWindowViewTest, EveryControlTheUserSeesHasAWidgetOfItsName) {
    for (const Control* control : model.controls()) {
        if (control->visible()) {
            EXPECT_NE(view.findChild<QWidget*>(Q(control->name())), nullptr) << control->name();
        }
    }
    EXPECT_EQ(view.objectName(), "Form1");
    EXPECT_EQ(view.windowTitle(), "Ruvometer 2.3");
    EXPECT_EQ(view.findChild<QMenuBar*>()->parentWidget(), &view);
    // The system menu and the minimise button, no maximise button.
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(view.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindowViewTest, ShowsWhatTheModelHolds) {
    CheckBox* boxes[] = {&model.startMonitoringAtLogin,
                         &model.askAutostartQuestion,
                         &model.warnInTray,
                         &model.warnBeep,
                         &model.useWeeklyBudget,
                         &model.useMonthlyBudget,
                         &model.chargesInTitle,
                         &model.secondsLeftInTitle,
                         &model.onlineTimeInTitle,
                         &model.hideCounterOnDialIn,
                         &model.alwaysSaveOnDisconnect};
    for (CheckBox* box : boxes) {
        box->setCheckedQuietly(!box->checked());
        auto* widget = find<QCheckBox>(box->name());
        EXPECT_EQ(widget->isChecked(), box->checked()) << box->name();
        EXPECT_EQ(widget->text(), Q(box->caption())) << box->name();
    }
    model.warnBeep.setEnabled(false);
    EXPECT_FALSE(find<QCheckBox>("CheckBox4")->isEnabled());

    model.monitoringButton.setCaption("&Aktivieren");
    EXPECT_EQ(find<QPushButton>("Button1")->text(), "&Aktivieren");
    EXPECT_TRUE(find<QPushButton>("Button17")->isDefault());

    model.providerFeePerMinute.setText("5");
    model.freeMinutes.setText("600");
    model.freeMinutesLeft.setText("312");
    EXPECT_EQ(find<QLineEdit>("Edit5")->text(), "5");
    EXPECT_EQ(find<QLineEdit>("Edit13")->text(), "600");
    EXPECT_EQ(find<QLineEdit>("Edit13")->maxLength(), 4);
    EXPECT_EQ(find<QLineEdit>("Edit14")->text(), "312");
    EXPECT_TRUE(find<QLineEdit>("Edit14")->isReadOnly());

    model.weekLeft.setText("- 1,20 DM");
    model.weekLeft.setRed(true);
    model.weekCover.setVisible(false);
    EXPECT_EQ(find<QLabel>("WeekLeft")->text(), "- 1,20 DM");
    EXPECT_EQ(find<QLabel>("WeekLeft")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_TRUE(find<QLabel>("WeekCover")->isHidden());
    EXPECT_FALSE(find<QLabel>("MonthCover")->isHidden());
    EXPECT_EQ(find<QLabel>("MonthCover")->text(), "Kein Budget festgelegt");

    model.leadSlider.setPosition(7);
    model.leadText.setText("14 Sekunden vor neuer Einheit.");
    EXPECT_EQ(find<QSlider>("TrackBar1")->value(), 7);
    EXPECT_EQ(find<QSlider>("TrackBar1")->maximum(), 30);
    EXPECT_EQ(find<QLabel>("Label33")->text(), "14 Sekunden vor neuer Einheit.");

    model.versionLabel.setText("Ruvometer 2.3");
    model.databaseLabel.setText("/daten/RVDaten99.db");
    model.statusLine.setText(" Dienstag    14:35");
    model.shortHelp.setText(MainWindow::helpText(MainPage::Info));
    EXPECT_EQ(find<QLabel>("Label14")->text(), "Ruvometer 2.3");
    EXPECT_EQ(find<QLabel>("Label4")->text(), "/daten/RVDaten99.db");
    EXPECT_EQ(find<QLabel>("StatusBar1")->text(), " Dienstag    14:35");
    EXPECT_EQ(find<QLabel>("Label49")->text(), Q(MainWindow::helpText(MainPage::Info)));

    model.setPageQuietly(MainPage::Budgets);
    EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), 3);
    EXPECT_TRUE(pageChanges.empty());
    EXPECT_EQ(actionsRun, 0);
}

TEST_F(MainWindowViewTest, PagesAndMenuFollowTheirTables) {
    auto* pages = find<QTabWidget>("PageControl1");
    const QStringList captions = {"Allgemein", "Telefon",   "Provider",
                                  "Budgets",   "Warnungen", "Info"};
    ASSERT_EQ(pages->count(), captions.size());
    for (int i = 0; i < pages->count(); ++i) {
        EXPECT_EQ(pages->tabText(i), captions[i]);
    }
    EXPECT_EQ(pages->widget(1), view.telephonePage());

    QStringList menus;
    for (QAction* menu : view.findChild<QMenuBar*>("MainMenu1")->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions()) {
            items << (item->isSeparator() ? "-" : item->text());
        }
        menus << menu->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus,
              QStringList({
                  "&Datei: &Telefontarife, &Providertrarife, -, &Verbindungen, &Statistik..., "
                  "Tarif&vergleich..., -, &Beenden",
                  "&Extra: &Buget festlegen, W&arnungen, Feiertage..., -, &Optionen",
                  "&?: Info, &Kurzhilfe",
              }));
    // The specified keys first, the ones Linux programs use beside them.
    const struct {
        QString item;
        QList<QKeySequence> keys;
    } keys[] = {
        {"&Verbindungen", {QKeySequence("Ctrl+F7")}},
        {"&Statistik...", {QKeySequence("Ctrl+F8")}},
        {"&Beenden", {QKeySequence("Ctrl+X"), QKeySequence("Ctrl+Q")}},
        {"&Kurzhilfe", {QKeySequence("F1")}},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(menuItem(k.item)->shortcuts(), k.keys) << k.item.toStdString();
    }
}

TEST_F(MainWindowViewTest, UserActionsReachTheModel) {
    find<QCheckBox>("CheckBox10")->click();
    EXPECT_TRUE(model.hideCounterOnDialIn.checked());

    std::vector<std::string> clicked;
    for (Button* button :
         {&model.monitoringButton, &model.minimizeButton, &model.quitButton, &model.repairButton,
          &model.changeMonthlyBudget, &model.changeWeeklyBudget, &model.tariffLookupButton}) {
        button->onClick = [&clicked, button] { clicked.push_back(button->name()); };
        find<QPushButton>(button->name())->click();
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"Button1", "Button17", "Button2", "Reparieren",
                                                 "Button12", "Button13", "TarifSuche"}));
    // The program's own trigger has its widget, which is never shown.
    EXPECT_TRUE(find<QPushButton>("TarifSuche")->isHidden());

    auto* freeMinutes = find<QLineEdit>("Edit13");
    freeMinutes->setText("12345");
    emit freeMinutes->editingFinished();
    EXPECT_EQ(model.freeMinutes.text(), "1234");

    find<QSlider>("TrackBar1")->setValue(9);
    EXPECT_EQ(model.leadSlider.position(), 9);

    find<QTabWidget>("PageControl1")->setCurrentIndex(4);
    EXPECT_EQ(model.page(), MainPage::Warnings);
    EXPECT_EQ(actionsRun, 11);

    struct PageItem {
        QString text;
        MainPage page;
    };
    for (const PageItem& item :
         {PageItem{"&Telefontarife", MainPage::Telephone},
          PageItem{"&Providertrarife", MainPage::Provider},
          PageItem{"&Buget festlegen", MainPage::Budgets},
          PageItem{"W&arnungen", MainPage::Warnings}, PageItem{"Info", MainPage::Info},
          PageItem{"&Optionen", MainPage::General}}) {
        menuItem(item.text)->trigger();
        EXPECT_EQ(model.page(), item.page) << item.text.toStdString();
        EXPECT_EQ(find<QTabWidget>("PageControl1")->currentIndex(), static_cast<int>(item.page));
    }
    ASSERT_EQ(pageChanges.size(), 7u);
    EXPECT_EQ(pageChanges.front(), std::make_pair(MainPage::General, MainPage::Warnings));
    EXPECT_EQ(pageChanges.back(), std::make_pair(MainPage::Info, MainPage::General));

    menuItem("&Verbindungen")->trigger();
    menuItem("&Statistik...")->trigger();
    menuItem("Feiertage...")->trigger();
    menuItem("Tarif&vergleich...")->trigger();
    menuItem("&Beenden")->trigger();
    menuItem("&Kurzhilfe")->trigger();
    EXPECT_EQ(connectionsShown, 1);
    EXPECT_EQ(statisticsShown, 1);
    EXPECT_EQ(holidaysEdited, 1);
    EXPECT_EQ(tariffsCompared, 1);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(helpShown, 1);
}

TEST_F(MainWindowViewTest, TelephonePageShowsTheRowAndPassesTheUsersChoicesOn) {
    model.telephoneZone.setItems({"Tag", "Nacht", "Nacht"});
    model.telephoneDayClass.choose(1);
    model.telephonePfPerUnit.setText("12");
    model.telephoneBeginHour.setText("08");
    model.telephoneSecPerUnit.setEnabled(false);
    model.holidayTariffsOn.setCheckedQuietly(false);

    auto* dayClass = find<QComboBox>("ComboBox1");
    auto* zone = find<QComboBox>("ComboBox2");
    EXPECT_TRUE(dayClass->isEditable());
    EXPECT_EQ(dayClass->count(), 3);
    EXPECT_EQ(dayClass->currentIndex(), 1);
    EXPECT_EQ(dayClass->currentText(), "Wochenende");
    QStringList zones;
    for (int i = 0; i < zone->count(); ++i) {
        zones << zone->itemText(i);
    }
    EXPECT_EQ(zones, QStringList({"Tag", "Nacht", "Nacht"}));
    EXPECT_EQ(zone->currentText(), "");
    EXPECT_EQ(find<QLineEdit>("Edit3")->text(), "12");
    EXPECT_EQ(find<QLineEdit>("Edit6")->text(), "08");
    EXPECT_FALSE(find<QLineEdit>("Edit4")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("FeiertageON")->isChecked());
    const std::pair<const char*, int> lengths[] = {{"Edit3", 5}, {"Edit4", 5}, {"Edit6", 2},
                                                   {"Edit7", 2}, {"Edit8", 2}, {"Edit9", 2}};
    for (const auto& [name, length] : lengths) {
        EXPECT_EQ(find<QLineEdit>(name)->maxLength(), length) << name;
    }

    // Picking from the list chooses the item (equal names are told apart); typing sets the text.
    std::vector<std::string> events;
    model.telephoneZone.onChange = [&] {
        events.push_back("change " + model.telephoneZone.text());
    };
    model.telephoneZone.onClick = [&] {
        events.push_back("click " + std::to_string(model.telephoneZone.selectedIndex()));
    };
    emit zone->activated(2);
    EXPECT_EQ(events, (std::vector<std::string>{"change Nacht", "click 2"}));
    EXPECT_EQ(zone->currentIndex(), 2);
    events.clear();
    zone->lineEdit()->selectAll();
    test::TypeText(zone->lineEdit(), "Ta");
    EXPECT_EQ(events, (std::vector<std::string>{"change T", "change Ta"}));
    EXPECT_EQ(zone->currentText(), "Ta");
    model.telephoneDayClass.setText("Werktag");
    EXPECT_EQ(dayClass->currentText(), "Werktag");

    // The unit length is typed in upper case and reaches the row when the field is left.
    model.telephoneSecPerUnit.setEnabled(true);
    auto* secPerUnit = find<QLineEdit>("Edit4");
    secPerUnit->selectAll();
    test::TypeText(secPerUnit, "12a");
    EXPECT_EQ(secPerUnit->text(), "12A");
    EXPECT_EQ(model.telephoneSecPerUnit.text(), "0");
    emit secPerUnit->editingFinished();
    EXPECT_EQ(model.telephoneSecPerUnit.text(), "12A");

    std::vector<std::string> clicked;
    for (Button* button : {&model.changeZoneListButton, &model.holidaysButton}) {
        button->onClick = [&clicked, button] { clicked.push_back(button->name()); };
        find<QPushButton>(button->name())->click();
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"Button6", "Button3"}));
    find<QCheckBox>("FeiertageON")->click();
    EXPECT_TRUE(model.holidayTariffsOn.checked());
}

TEST_F(MainWindowViewTest, MinimisingTellsTheProgramAndKeepsTheWindow) {
    model.show();
    ASSERT_TRUE(view.isVisible());
    view.setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_EQ(minimised, 1);
    EXPECT_FALSE(view.isMinimized());

    // The program hides the window (monitoring switched off); the view follows.
    model.hide();
    EXPECT_FALSE(view.isVisible());
}

TEST_F(MainWindowViewTest, CloseBoxHidesTheWindowAndEscapeDoesNothing) {
    model.show();
    test::PressEscape(view);
    EXPECT_TRUE(model.visible());
    view.close();
    EXPECT_FALSE(model.visible());
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace ruvo::gui
