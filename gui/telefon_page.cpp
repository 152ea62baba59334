// The "Telefon" page: the day class and the zone pick one row of the tariff tables, whose price,
// unit length and hours the fields below show and change; the holiday switch; the buttons of
// the zone-name editor and the holidays window; the hidden button that looks up the tariff in
// force now.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/main_window_pages.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

constexpr int RowHeight = 21;

}  // namespace

void BuildTelephonePage(QWidget* page, MainWindow& model, Binder& binder) {
    QFrame* panel = BevelPanel(page, QRect(4, 4, 357, 239));

    // Which row: the day class and the zone, each beside the button of its editor.
    StaticText(panel, QStringLiteral("Tag :"), QRect(10, 12, 44, RowHeight));
    binder.comboBox(Place(new QComboBox(panel), QRect(56, 12, 150, RowHeight)),
                    model.telephoneDayClass);
    binder.button(Place(new QPushButton(panel), QRect(250, 10, 95, 25)), model.holidaysButton);
    StaticText(panel, QStringLiteral("Tarif :"), QRect(10, 42, 44, RowHeight));
    binder.comboBox(Place(new QComboBox(panel), QRect(56, 42, 150, RowHeight)),
                    model.telephoneZone);
    binder.button(Place(new QPushButton(panel), QRect(250, 40, 95, 25)),
                  model.changeZoneListButton);

    EtchedRule(panel, 8, 74, 341);

    // The row's figures.
    constexpr int EditX = 155;
    StaticText(panel, QStringLiteral("Gebüren pro Einheit :"), QRect(10, 88, 140, RowHeight));
    binder.edit(Place(new QLineEdit(panel), QRect(EditX, 88, 60, RowHeight)),
                model.telephonePfPerUnit, 5);
    StaticText(panel, QStringLiteral("Pfennig"), QRect(222, 88, 80, RowHeight));

    StaticText(panel, QStringLiteral("Sekunden pro Einheit :"), QRect(10, 116, 140, RowHeight));
    auto* secPerUnit = Place(new QLineEdit(panel), QRect(EditX, 116, 60, RowHeight));
    UpperCaseInput(secPerUnit);
    binder.edit(secPerUnit, model.telephoneSecPerUnit, 5);
    StaticText(panel, QStringLiteral("Sekunden"), QRect(222, 116, 80, RowHeight));

    // "von hh:mm Uhr bis hh:mm Uhr".
    constexpr int TimeY = 144;
    StaticText(panel, QStringLiteral("von"), QRect(EditX - 30, TimeY, 26, RowHeight),
               Qt::AlignRight | Qt::AlignVCenter);
    binder.edit(TwoDigitField(panel, EditX, TimeY), model.telephoneBeginHour, 2);
    StaticText(panel, QStringLiteral(":"), QRect(EditX + TwoDigitFieldWidth, TimeY, 6, RowHeight),
               Qt::AlignCenter);
    binder.edit(TwoDigitField(panel, EditX + TwoDigitFieldWidth + 6, TimeY),
                model.telephoneBeginMinute, 2);
    constexpr int UntilX = EditX + 2 * TwoDigitFieldWidth + 10;
    StaticText(panel, QStringLiteral("Uhr bis"), QRect(UntilX, TimeY, 44, RowHeight));
    constexpr int EndX = UntilX + 46;
    binder.edit(TwoDigitField(panel, EndX, TimeY), model.telephoneEndHour, 2);
    StaticText(panel, QStringLiteral(":"), QRect(EndX + TwoDigitFieldWidth, TimeY, 6, RowHeight),
               Qt::AlignCenter);
    binder.edit(TwoDigitField(panel, EndX + TwoDigitFieldWidth + 6, TimeY),
                model.telephoneEndMinute, 2);
    StaticText(panel, QStringLiteral("Uhr"),
               QRect(EndX + 2 * TwoDigitFieldWidth + 10, TimeY, 30, RowHeight));

    EtchedRule(panel, 8, 178, 341);
    binder.checkBox(Place(new QCheckBox(panel), QRect(10, 190, 335, 20)), model.holidayTariffsOn);

    // Never shown: the binder hides it, as the model holds it hidden.
    binder.button(Place(new QPushButton(panel), QRect(250, 210, 95, 25)), model.tariffLookupButton);
}

}  // namespace ruvo::gui
