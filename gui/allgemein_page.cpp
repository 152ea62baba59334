// The "Allgemein" page: start with the system, recalibration of the online detection, and what
// happens when a connection starts and ends.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "gui/main_window_pages.h"
#include "gui/widget_kit.h"

namespace ruvo::gui {

void BuildGeneralPage(QWidget* page, MainWindow& model, Binder& binder) {
    QFrame* panel = BevelPanel(page, QRect(4, 4, 357, 239));

    binder.checkBox(Place(new QCheckBox(panel), QRect(10, 8, 335, 20)),
                    model.startMonitoringAtLogin);
    binder.checkBox(Place(new QCheckBox(panel), QRect(28, 28, 317, 20)),
                    model.askAutostartQuestion);

    EtchedRule(panel, 8, 56, 341);
    Picture(panel, panel->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32),
            QPoint(10, 68));
    WrappedText(panel,
                QStringLiteral("Wenn Ruvometer nicht mehr ordnungsgemäß die Einwahl bzw die "
                               "Auswahl erkennt, dann gehen Sie OFFLINE(!!!)  und klicken auf "
                               "diese Schaltfläche. Jetzt sollte das Problem behoben sein."),
                QRect(52, 64, 293, 58));
    binder.button(Place(new QPushButton(panel), QRect(250, 124, 95, 25)), model.repairButton);

    EtchedRule(panel, 8, 160, 341);
    binder.checkBox(Place(new QCheckBox(panel), QRect(10, 170, 335, 20)),
                    model.hideCounterOnDialIn);
    binder.checkBox(Place(new QCheckBox(panel), QRect(10, 192, 335, 20)),
                    model.alwaysSaveOnDisconnect);
}

}  // namespace ruvo::gui
