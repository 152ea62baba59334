#include "gui/holidays_editor_view.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>

#include "gui/dialog_icons.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

constexpr int FieldHeight = 21;
constexpr int ButtonHeight = 25;

// The large bold point between two date fields.
void DatePoint(QWidget* parent, int x, int y) {
    auto* point = StaticText(parent, QStringLiteral("."), QRect(x, y - 6, 10, FieldHeight + 4),
                             Qt::AlignHCenter | Qt::AlignBottom);
    point->setFont(ArialFont(20, true));
}

// A hint as rich text, so that it wraps.
QString Hint(const char* text) {
    return QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(text).toHtmlEscaped());
}

QTreeView* HolidayList(QWidget* parent) {
    return Place(ReportList(parent, QAbstractItemView::SingleSelection), QRect(8, 8, 354, 196));
}

}  // namespace

HolidaysEditorView::HolidaysEditorView(HolidaysEditor& model, ActionRunner run, QWidget* parent)
    : WindowView(model, std::move(run), parent) {
    useDialogFrame();
    setWindowModality(Qt::ApplicationModal);
    setFont(WindowFont());
    setClientSize(ClientWidth, ClientHeight);
    Binder& bind = binder();

    QTreeView* list = HolidayList(this);
    bind.list(list, model.holidayList);
    for (int column = 0; column < static_cast<int>(HolidaysEditor::kColumnWidths.size());
         ++column) {
        list->header()->resizeSection(
            column, HolidaysEditor::kColumnWidths[static_cast<std::size_t>(column)]);
    }

    // Day, month and year of the date, then the name.
    constexpr int FieldX = 60;
    constexpr int DateY = 214;
    StaticText(this, QStringLiteral("  Tag  :"), QRect(8, DateY, 50, FieldHeight));
    QLineEdit* day = TwoDigitField(this, FieldX, DateY);
    day->setFont(FixedPitchFont(12));
    bind.edit(day, model.dayField, 2);
    DatePoint(this, FieldX + TwoDigitFieldWidth, DateY);
    bind.edit(TwoDigitField(this, FieldX + TwoDigitFieldWidth + 10, DateY), model.monthField, 2);
    DatePoint(this, FieldX + 2 * TwoDigitFieldWidth + 10, DateY);
    bind.edit(TwoDigitField(this, FieldX + 2 * TwoDigitFieldWidth + 20, DateY), model.yearField, 2);

    constexpr int NameY = 242;
    StaticText(this, QStringLiteral("Name :"), QRect(8, NameY, 50, FieldHeight));
    bind.liveEdit(Place(new QLineEdit(this), QRect(FieldX, NameY, 302, FieldHeight)),
                  model.nameField);

    // Add, delete, change under the name.
    constexpr int EditButtonsY = 272;
    constexpr int EditButtonWidth = 96;
    auto* add =
        Place(new QPushButton(this), QRect(FieldX, EditButtonsY, EditButtonWidth, ButtonHeight));
    add->setDefault(true);
    bind.button(add, model.addButton);
    bind.button(Place(new QPushButton(this), QRect(FieldX + EditButtonWidth + 7, EditButtonsY,
                                                   EditButtonWidth, ButtonHeight)),
                model.deleteButton);
    bind.button(Place(new QPushButton(this), QRect(FieldX + 2 * (EditButtonWidth + 7), EditButtonsY,
                                                   EditButtonWidth, ButtonHeight)),
                model.changeButton);

    // The Land whose own holidays are computed, and the computation.
    constexpr int LandY = 310;
    StaticText(this, QStringLiteral("Land :"), QRect(8, LandY + 1, 50, FieldHeight));
    auto* land = Place(new QComboBox(this), QRect(FieldX, LandY, 166, FieldHeight + 2));
    bind.chooser(land, model.landChoice);  // a Land is picked from the list, not typed
    auto* compute = Place(new QPushButton(this), QRect(232, LandY - 1, 130, ButtonHeight));
    compute->setToolTip(Hint(HolidaysEditor::kComputeHint));
    bind.button(compute, model.computeButton);

    EtchedRule(this, 8, 342, 354);

    // The import, with its explanation as the hint, and the buttons that close the window.
    auto* import = Place(new QPushButton(this), QRect(8, 356, 170, 32));
    import->setIcon(StyleIconPicture(QStyle::SP_DialogOpenButton, 16));
    import->setToolTip(Hint(HolidaysEditor::kImportHint));
    bind.button(import, model.importButton);
    bind.button(Place(new QPushButton(this), QRect(206, 360, 75, ButtonHeight)), model.ok);
    bind.button(Place(new QPushButton(this), QRect(287, 360, 75, ButtonHeight)), model.cancel);
}

}  // namespace ruvo::gui
