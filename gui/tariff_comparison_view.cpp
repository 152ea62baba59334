#include "gui/tariff_comparison_view.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "gui/widget_kit.h"

namespace ruvo::gui {

namespace {

constexpr int InitialWidth = 760;
constexpr int InitialHeight = 460;
constexpr int ColumnWidths[] = {70, 65, 65, 120, 85, 120, 95, 85};

}  // namespace

TariffComparisonView::TariffComparisonView(TariffComparisonWindow& model, ActionRunner run,
                                           QWidget* parent)
    : WindowView(model, std::move(run), parent), window_(model) {
    setWindowFlags(Qt::Window);
    setFont(WindowFont());
    resizeWithFrame(InitialWidth, InitialHeight);
    Binder& bind = binder();

    auto* layout = new QVBoxLayout(this);
    auto* choice = new QGridLayout;
    layout->addLayout(choice);

    // The file: typed (leaving the field compares) or chosen in the dialog.
    auto* fileLabel = new QLabel(QStringLiteral("&Tarifdatei:"), this);
    auto* file = new QLineEdit(this);
    file->setObjectName(QStringLiteral("Tarifdatei"));
    fileLabel->setBuddy(file);
    bind.edit(file, model.tariffFile);
    auto* browse = new QPushButton(this);
    bind.button(browse, model.durchsuchen);
    choice->addWidget(fileLabel, 0, 0);
    choice->addWidget(file, 0, 1);
    choice->addWidget(browse, 0, 2);

    auto* periodLabel = new QLabel(QStringLiteral("&Zeitraum:"), this);
    auto* period = new QComboBox(this);
    period->setObjectName(QStringLiteral("Zeitraum"));
    periodLabel->setBuddy(period);
    bind.comboBox(period, model.periodBox);
    auto* compare = new QPushButton(this);
    compare->setDefault(true);
    bind.button(compare, model.vergleichen);
    choice->addWidget(periodLabel, 1, 0);
    choice->addWidget(period, 1, 1, Qt::AlignLeft);
    choice->addWidget(compare, 1, 2);
    choice->setColumnStretch(1, 1);

    QTreeView* table = ReportList(this, QAbstractItemView::ExtendedSelection);
    bind.list(table, model.table);
    for (int column = 0; column < static_cast<int>(std::size(ColumnWidths)); ++column) {
        table->header()->resizeSection(column, ColumnWidths[column]);
    }
    layout->addWidget(table, 1);

    auto* bottom = new QHBoxLayout;
    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("Summe"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bind.label(summary, model.summary);
    auto* close = new QPushButton(this);
    bind.button(close, model.closeItem);
    bottom->addWidget(summary, 1);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    window_.onChooseTariffFile = [this]() -> std::optional<std::string> {
        const QString chosen =
            QFileDialog::getOpenFileName(this, QStringLiteral("Tarifdatei wählen"), QString(),
                                         QStringLiteral("Tarifdateien (*.dat);;Alle Dateien (*)"));
        if (chosen.isEmpty()) {
            return std::nullopt;
        }
        return chosen.toStdString();
    };
}

TariffComparisonView::~TariffComparisonView() {
    window_.onChooseTariffFile = nullptr;
}

}  // namespace ruvo::gui
