// The "Info" page: what program this is, who made it, and which database file it uses.
#include <QFrame>
#include <QLabel>

#include "base/identity.h"
#include "gui/main_window_pages.h"
#include "gui/program_icon.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

void BuildInfoPage(QWidget* page, MainWindow& model, Binder& binder) {
    QFrame* panel = BevelPanel(page, QRect(4, 4, 357, 239));
    const QColor navy(0, 64, 128);

    Picture(panel, ProgramPixmap(32), QPoint(12, 14));
    auto* maker = StaticText(panel, QStringLiteral("Quelmar"), QRect(54, 8, 200, 22));
    maker->setFont(ArialFont(19, true));
    SetTextColour(maker, navy);
    auto* product = StaticText(panel, QString(), QRect(54, 30, 290, 34));
    product->setFont(ArialFont(26, true));
    binder.label(product, model.versionLabel);

    EtchedRule(panel, 8, 74, 341);
    WrappedText(panel,
                QStringLiteral("Freeware von Quelmar. Sie dürfen das Programm kostenlos "
                               "verwenden und unverändert weitergeben."),
                QRect(12, 84, 330, 30));
    WrappedText(panel,
                QStringLiteral("Lob, Kritik und Fehlerberichte schicken Sie bitte an %1 – "
                               "jede kurze Mail hilft, das Programm zu verbessern.")
                    .arg(QString::fromUtf8(FeedbackMailAddress)),
                QRect(12, 118, 330, 44));

    EtchedRule(panel, 8, 176, 341);
    auto* heading = StaticText(panel, QStringLiteral("Using Database :"), QRect(12, 186, 200, 16));
    heading->setFont(ArialFont(11, true));
    auto* path = StaticText(panel, QString(), QRect(12, 206, 330, 16));
    BindElidedLabel(binder, path, model.databaseLabel);
}

}  // namespace ruvo::gui
