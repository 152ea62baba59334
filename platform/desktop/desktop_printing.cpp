#include "platform/desktop/desktop_printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/desktop/print_scale.h"

namespace ruvo::desktop {

namespace {

QFont FontFor(const platform::PrintFont& wanted, int deviceDotsPerInch) {
    QString family = QString::fromStdString(wanted.family);
    if (family.compare(QStringLiteral("TimesNewRoman"), Qt::CaseInsensitive) == 0) {
        family = QStringLiteral("Times New Roman");
    }
    QFont font(family);
    if (family.contains(QStringLiteral("Courier"), Qt::CaseInsensitive)) {
        font.setStyleHint(QFont::TypeWriter);
    } else if (family.contains(QStringLiteral("Times"), Qt::CaseInsensitive)) {
        font.setStyleHint(QFont::Serif);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    // A point is DesignUnitsPerInch / 72 units, whatever the device's own resolution.
    font.setPointSizeF(static_cast<double>(wanted.pointSize) * DesignUnitsPerInch /
                       deviceDotsPerInch);
    font.setBold(wanted.bold);
    return font;
}

QColor ColourOf(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

// Draws a page's items; Y is the top of the text, as the positions mean it.
void DrawPage(QPainter& painter, const std::vector<platform::PrintItem>& items, int dotsPerInch) {
    for (const platform::PrintItem& item : items) {
        painter.setFont(FontFor(item.font, dotsPerInch));
        painter.setPen(ColourOf(item.font.rgb));
        const double ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
        painter.drawText(QPointF(item.x, item.y + ascent), QString::fromStdString(item.text));
    }
}

}  // namespace

DesktopPrinting::DesktopPrinting()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

DesktopPrinting::DesktopPrinting(const std::string& pdfFileName, const QPageSize& pageSize)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(QString::fromStdString(pdfFileName));
    printer_->setPageSize(pageSize);
}

DesktopPrinting::~DesktopPrinting() = default;

bool DesktopPrinting::print(const platform::PrintJob& job) {
    printer_->setDocName(QString::fromStdString(job.title));
    QPainter painter;
    if (!painter.begin(printer_.get())) {
        return false;
    }
    const int dotsPerInch = printer_->resolution();
    const QRectF printable = printer_->pageRect(QPrinter::DevicePixel);
    const double scale = DevicePixelsPerUnit(dotsPerInch, printable.width(), printable.height());
    painter.scale(scale, scale);
    bool ok = true;
    for (std::size_t page = 0; page < job.pages.size() && ok; ++page) {
        if (page > 0) {
            ok = printer_->newPage();
        }
        if (ok) {
            DrawPage(painter, job.pages[page], dotsPerInch);
        }
    }
    return painter.end() && ok;
}

void DesktopPrinting::printerSetup() {
    QPrintDialog dialog(printer_.get());
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    dialog.exec();
}

}  // namespace ruvo::desktop
