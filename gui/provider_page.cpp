// The "Provider" page: the provider's fee per minute, the free minutes of a month and what is
// left of them.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "gui/main_window_pages.h"
#include "gui/program_icon.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

constexpr int CaptionX = 10;
constexpr int CaptionWidth = 140;
constexpr int EditX = 155;
constexpr int EditWidth = 60;
constexpr int UnitX = 222;
constexpr int RowHeight = 21;

void Row(QFrame* panel, int y, const QString& caption, QLineEdit* edit, const QString& unit) {
    StaticText(panel, caption, QRect(CaptionX, y, CaptionWidth, RowHeight));
    edit->setGeometry(EditX, y, EditWidth, RowHeight);
    StaticText(panel, unit, QRect(UnitX, y, 80, RowHeight));
}

}  // namespace

void BuildProviderPage(QWidget* page, MainWindow& model, Binder& binder) {
    QFrame* panel = BevelPanel(page, QRect(4, 4, 357, 239));

    Picture(panel, ProgramPixmap(32, ProgramPicture::Online), QPoint(10, 12));
    WrappedText(panel,
                QStringLiteral("Stellen Sie hier die Gebüren ein, die Sie an ihren Provider "
                               "zahlen müssen. Diese werden dann bei der Abrechnung mit "
                               "angezeigt."),
                QRect(52, 10, 293, 44))
        ->setObjectName(QStringLiteral("Label12"));
    EtchedRule(panel, 8, 62, 341);

    auto* providerFeePerMinute = new QLineEdit(panel);
    Row(panel, 78, QStringLiteral("Gebüren pro Minute :"), providerFeePerMinute,
        QStringLiteral("Pfennig"));
    binder.edit(providerFeePerMinute, model.providerFeePerMinute);

    auto* freeMinutes = new QLineEdit(panel);
    Row(panel, 112, QStringLiteral("Monatiliche Freistunden :"), freeMinutes,
        QStringLiteral("Min "));
    binder.edit(freeMinutes, model.freeMinutes, 4);
    auto* warning = StaticText(panel, QStringLiteral("Achtung: Angabe in Minuten !"),
                               QRect(EditX, 134, 180, 14));
    warning->setFont(ArialFont(9));
    SetTextColour(warning, Qt::red);

    auto* freeMinutesLeft = new QLineEdit(panel);
    Row(panel, 160, QStringLiteral("Davon übrig :"), freeMinutesLeft, QStringLiteral("Min"));
    BindDisplayField(binder, freeMinutesLeft, model.freeMinutesLeft);
}

}  // namespace ruvo::gui
