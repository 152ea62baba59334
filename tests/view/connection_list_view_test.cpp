#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeView>

#include <memory>
#include <string>
#include <vector>

#include "gui/connection_list_view.h"
#include "tests/view/dialog_test_app.h"
#include "tests/view/qt_app.h"

namespace ruvo::testing {
namespace {

using gui::ConnectionListView;

class ConnectionListViewTest : public DialogViewTest {
protected:
    ConnectionListViewTest() {
        model.connectionTable.setRows({
            {"01.12.99", "08:12", "08:31", "00:19:03", "0,60 DM", "0,95 DM", "1,55 DM", "5",
             "Vormittag"},
            {"02.12.99", "19:40", "21:02", "01:22:01", "2,40 DM", "4,10 DM", "6,50 DM", "20",
             "Freizeit"},
            {"03.12.99", "13:05", "13:09", "00:04:22", "0,24 DM", "0,20 DM", "0,44 DM", "2",
             "Nachmittag"},
        });
    }

    QAction* menuItem(const QString& text) {
        for (QAction* item : Find<QMenuBar>(*view, "MainMenu1")->findChildren<QAction*>()) {
            if (item->text() == text) {
                return item;
            }
        }
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }

    void activate() {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(view.get(), &activation);
    }

    ConnectionListWindow model;
    std::unique_ptr<ConnectionListView> view = std::make_unique<ConnectionListView>(model, Run);
};

TEST_F(ConnectionListViewTest, ShowsTheRowsTheirSelectionAndTheTotals) {
    model.show();
    EXPECT_EQ(view->windowTitle(), "Quelmar Ruvometer - Verbindungen");
    EXPECT_EQ(view->windowModality(), Qt::NonModal);
    EXPECT_TRUE(view->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_NE(view->minimumSize(), view->maximumSize());

    auto* period = Find<QComboBox>(*view, "ComboBox1");
    EXPECT_TRUE(period->isEditable());
    EXPECT_EQ(period->currentText(), "Gesamtes Jahr");
    ASSERT_EQ(period->count(), 7);
    EXPECT_EQ(period->itemText(6), "Gestern");

    auto* table = Find<QTreeView>(*view, "ListView1");
    const QAbstractItemModel& rows = *table->model();
    ASSERT_EQ(rows.columnCount(), 9);
    EXPECT_EQ(rows.headerData(0, Qt::Horizontal).toString(), "      Datum");
    EXPECT_EQ(rows.headerData(8, Qt::Horizontal).toString(), "Tarif");
    for (int column = 0; column < 9; ++column) {
        EXPECT_EQ(table->header()->sectionSize(column),
                  ConnectionListWindow::kColumnWidths[static_cast<std::size_t>(column)]);
    }
    ASSERT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(rows.data(rows.index(1, 0)).toString(), "02.12.99");
    EXPECT_EQ(rows.data(rows.index(1, 6)).toString(), "6,50 DM");
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::ExtendedSelection);

    // Several rows selected by the user reach the model at once.
    int selectionChanges = 0;
    model.connectionTable.onSelectionChange = [&] { ++selectionChanges; };
    QItemSelection chosen(rows.index(0, 0), rows.index(1, 8));
    table->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    EXPECT_TRUE(model.connectionTable.selected(0));
    EXPECT_TRUE(model.connectionTable.selected(1));
    EXPECT_FALSE(model.connectionTable.selected(2));
    EXPECT_EQ(selectionChanges, 1);
    model.connectionTable.selectAll();
    EXPECT_TRUE(table->selectionModel()->isRowSelected(2, {}));

    model.countPanel.setText("Anzahl: 3");
    model.totalPanel.setText("Gesamtgebüren: 8,49 DM");
    auto* statusBar = Find<QWidget>(*view, "StatusBar1");
    const QList<QLabel*> panels = statusBar->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 6);
    EXPECT_EQ(panels[0]->text(), "Anzahl: 3");
    EXPECT_EQ(panels[1]->text(), "Zeit:");
    EXPECT_EQ(panels[4]->text(), "Gesamtgebüren: 8,49 DM");
    // At the first size every panel shows the totals of a busy year whole, side by side.
    const std::string large[] = {"Anzahl: 2345",
                                 "Zeit: 1234:56:07",
                                 "Telefongebüren: 99999,99 DM",
                                 "Providergebüren: 99999,99 DM",
                                 "Gesamtgebüren: 99999,99 DM",
                                 "Einheiten 123456"};
    TextField* fields[] = {&model.countPanel,    &model.durationPanel, &model.telephonePanel,
                           &model.providerPanel, &model.totalPanel,    &model.unitsPanel};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        fields[i]->setText(large[i]);
    }
    EXPECT_GE(view->width(), 580);
    int right = 0;
    for (QLabel* panel : panels) {
        EXPECT_GE(panel->x(), right) << "panels overlap";
        EXPECT_GE(panel->width(), panel->sizeHint().width()) << panel->text().toStdString();
        right = panel->geometry().right();
    }
    EXPECT_LE(right, statusBar->mapTo(view.get(), QPoint(0, 0)).x() + view->width());

    // A typed period reaches the model key by key.
    std::vector<std::string> periods;
    model.periodBox.onChange = [&] { periods.push_back(model.periodBox.text()); };
    period->lineEdit()->selectAll();
    test::TypeText(period->lineEdit(), "He");
    emit period->activated(3);
    EXPECT_EQ(periods, (std::vector<std::string>{"H", "He", "Heute"}));
}

TEST_F(ConnectionListViewTest, ToolbarAndMenusReachTheModel) {
    model.show();
    std::vector<std::string> clicked;
    for (Button* button : {&model.printItem, &model.copyItem, &model.printerSetupItem,
                           &model.selectAllItem, &model.exportieren, &model.tarifvergleich}) {
        button->onClick = [&clicked, button] { clicked.push_back(button->name()); };
    }
    for (const char* name : {"Drucken", "Kopieren"}) {
        auto* button = Find<QToolButton>(*view, name);
        EXPECT_EQ(button->toolTip(), name);
        EXPECT_FALSE(button->icon().isNull()) << name;
        button->click();
    }

    QStringList menus;
    for (QAction* menu : Find<QMenuBar>(*view, "MainMenu1")->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions()) {
            items << (item->isSeparator() ? "-" : item->text());
        }
        menus << menu->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus, QStringList({"&Datei: &Drucken, Drucker &Einrichten..., -, &Exportieren..., "
                                  "&Tarifvergleich..., -, &Schließen",
                                  "&Bearbeiten: &Kopieren, Alles auswä&hlen"}));
    // The specified keys first, the ones Linux programs use beside them.
    const std::pair<QString, QList<QKeySequence>> shortcuts[] = {
        {"&Drucken", {QKeySequence("Ctrl+P")}},
        {"&Schließen", {QKeySequence("Ctrl+X"), QKeySequence("Ctrl+W")}},
        {"&Exportieren...", {QKeySequence("Ctrl+E")}},
        {"&Kopieren", {QKeySequence("Ctrl+C")}},
        {"Alles auswä&hlen", {QKeySequence("Ctrl+A")}}};
    for (const auto& [text, keys] : shortcuts) {
        EXPECT_EQ(menuItem(text)->shortcuts(), keys) << text.toStdString();
    }
    for (const QString text : {"&Drucken", "Drucker &Einrichten...", "&Exportieren...",
                               "&Tarifvergleich...", "&Kopieren", "Alles auswä&hlen"}) {
        menuItem(text)->trigger();
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"Drucken", "Kopieren", "Drucken",
                                                 "Drucker Einrichten", "Exportieren",
                                                 "Tarifvergleich", "Kopieren", "Alles auswählen"}));
    // The menu keys win over the period box's own: the field does not claim them.
    QLineEdit* periodText = Find<QComboBox>(*view, "ComboBox1")->lineEdit();
    for (const auto& [key, claimed] :
         {std::pair{Qt::Key_C, false}, std::pair{Qt::Key_X, false}, std::pair{Qt::Key_W, false},
          std::pair{Qt::Key_A, false}, std::pair{Qt::Key_V, true}}) {
        QKeyEvent override(QEvent::ShortcutOverride, key, Qt::ControlModifier);
        override.ignore();  // as the shortcut map sends it
        QApplication::sendEvent(periodText, &override);
        EXPECT_EQ(override.isAccepted(), claimed) << key;
    }

    menuItem("&Schließen")->trigger();
    EXPECT_FALSE(model.visible());
    EXPECT_FALSE(view->isVisible());
}

TEST_F(ConnectionListViewTest, ReportListAndIconShowTheSameRows) {
    model.show();
    auto* stack = view->findChild<QStackedWidget*>();
    auto* report = Find<QTreeView>(*view, "ListView1");
    auto* items = Find<QListView>(*view, "ListView1Items");
    EXPECT_EQ(items->model(), report->model());
    EXPECT_EQ(items->selectionModel(), report->selectionModel());
    EXPECT_EQ(stack->currentWidget(), report);

    Find<QToolButton>(*view, "List")->click();
    EXPECT_EQ(model.style(), ListStyle::List);
    EXPECT_EQ(stack->currentWidget(), items);
    EXPECT_EQ(items->viewMode(), QListView::ListMode);
    Find<QToolButton>(*view, "Icon")->click();
    EXPECT_EQ(items->viewMode(), QListView::IconMode);
    EXPECT_EQ(items->iconSize(), QSize(32, 32));

    // Selecting in the icons selects the row.
    items->selectionModel()->select(
        items->model()->index(2, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(model.connectionTable.firstSelected(), 2);

    Find<QToolButton>(*view, "Report")->click();
    EXPECT_EQ(stack->currentWidget(), report);
}

TEST_F(ConnectionListViewTest, EveryActivationAfterTheFirstReadsTheListAgain) {
    int activations = 0;
    model.onActivate = [&] { ++activations; };
    // The program reads the list when it shows the window; that activation is not repeated.
    model.show();
    activate();
    EXPECT_EQ(activations, 0);
    activate();
    activate();
    EXPECT_EQ(activations, 2);
    model.hide();
    model.show();
    activate();
    EXPECT_EQ(activations, 2);

    ASSERT_TRUE(model.onFocusTable);
    model.onFocusTable();
    view.reset();
    EXPECT_FALSE(model.onFocusTable);
}

// The money columns stand to the right; a remembered size and column widths are taken when the
// window is shown, and what the user changes is told once the resizing rests.
TEST_F(ConnectionListViewTest, MoneyRightAlignedAndTheLayoutRemembered) {
    auto* table = Find<QTreeView>(*view, "ListView1");
    const QAbstractItemModel& rows = *table->model();
    for (int column = 0; column < 9; ++column) {
        const bool money = column >= 4 && column <= 6;
        const auto alignment = [](const QVariant& value) {
            return Qt::Alignment(value.toInt()) & Qt::AlignHorizontal_Mask;
        };
        EXPECT_EQ(alignment(rows.data(rows.index(0, column), Qt::TextAlignmentRole)),
                  money ? Qt::AlignRight : Qt::AlignLeft)
            << column;
        EXPECT_EQ(alignment(rows.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)),
                  money ? Qt::AlignRight : Qt::AlignLeft)
            << column;
    }

    const std::vector<int> widths = {90, 50, 50, 70, 100, 100, 110, 60, 120};
    model.setLayout(ListLayout{700, 500, widths});
    int told = 0;
    model.onLayoutChange = [&] { ++told; };
    model.show();
    EXPECT_EQ(view->size(), QSize(700, 500));
    EXPECT_EQ(table->header()->sectionSize(8), 120);
    QApplication::processEvents();
    EXPECT_EQ(told, 0) << "taking the remembered layout is no change of the user's";

    view->resize(760, 520);
    table->header()->resizeSection(0, 95);
    QElapsedTimer waited;
    waited.start();
    while (told == 0 && waited.elapsed() < 3000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(told, 1) << "one report once the resizing rests";
    ASSERT_TRUE(model.layout().has_value());
    EXPECT_EQ(model.layout()->width, 760);
    EXPECT_EQ(model.layout()->height, 520);
    EXPECT_EQ(model.layout()->columnWidths[0], 95);
    EXPECT_EQ(model.layout()->columnWidths[8], 120);
}

}  // namespace
}  // namespace ruvo::testing
