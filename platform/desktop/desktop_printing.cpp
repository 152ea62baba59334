#include "platform/desktop/desktop_printing.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cerrno>

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

enum class Rendered { Done, NotOpened, BrokeOff };

Rendered Render(QPrinter& printer, const platform::PrintJob& job) {
    printer.setDocName(QString::fromStdString(job.title));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Rendered::NotOpened;
    }
    const int dotsPerInch = printer.resolution();
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const double scale = DevicePixelsPerUnit(dotsPerInch, printable.width(), printable.height());
    painter.scale(scale, scale);
    bool ok = true;
    for (std::size_t page = 0; page < job.pages.size() && ok; ++page) {
        if (page > 0) {
            ok = printer.newPage();
        }
        if (ok) {
            DrawPage(painter, job.pages[page], dotsPerInch);
        }
    }
    return painter.end() && ok ? Rendered::Done : Rendered::BrokeOff;
}

// The errno value of opening the file for writing, 0 when it can be written. The PDF writer says
// only that it failed; this says why.
int WriteError(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno;
    }
    ::close(fd);
    return 0;
}

QString Quoted(const QString& name) {
    return QStringLiteral("'") + name + QStringLiteral("'");
}

}  // namespace

DesktopPrinting::DesktopPrinting() = default;

DesktopPrinting::DesktopPrinting(const std::string& pdfFileName, const QPageSize& pageSize)
    : pdfPageSize_(pageSize) {
    choice_.pdfFile = QString::fromStdString(pdfFileName);
}

DesktopPrinting::~DesktopPrinting() = default;

void DesktopPrinting::configure(QPrinter& printer) const {
    if (choice_.pdfFile) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*choice_.pdfFile);
    } else if (!choice_.printerName.isEmpty()) {
        printer.setPrinterName(choice_.printerName);
    }
    if (choice_.layout) {
        printer.setPageLayout(*choice_.layout);
    }
}

platform::PrintOutcome DesktopPrinting::print(const platform::PrintJob& job) {
    if (choice_.pdfFile) {
        return printToPdf(job, choice_.pdfFile->toStdString());
    }
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (printers.isEmpty()) {
        return platform::PrintOutcome::noPrinter();
    }
    if (!choice_.printerName.isEmpty() && !printers.contains(choice_.printerName)) {
        return platform::PrintOutcome::printerFailed(
            QStringLiteral("Den Drucker %1 gibt es nicht mehr; bitte wählen Sie unter 'Drucker "
                           "Einrichten...' einen anderen.")
                .arg(Quoted(choice_.printerName))
                .toStdString());
    }
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    const QString name = Quoted(printer.printerName());
    switch (Render(printer, job)) {
        case Rendered::Done:
            return platform::PrintOutcome::printed();
        case Rendered::NotOpened:
            return platform::PrintOutcome::printerFailed(
                QStringLiteral("Der Drucker %1 nimmt keinen Auftrag an.").arg(name).toStdString());
        case Rendered::BrokeOff:
            break;
    }
    return platform::PrintOutcome::printerFailed(
        QStringLiteral("Der Auftrag brach auf dem Drucker %1 ab.").arg(name).toStdString());
}

platform::PrintOutcome DesktopPrinting::printToPdf(const platform::PrintJob& job,
                                                   const std::string& fileName) {
    const QString file = QString::fromStdString(fileName);
    if (const int error = WriteError(file); error != 0) {
        return platform::PrintOutcome::fileFailed(fileName, error);
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (choice_.layout) {
        printer.setPageLayout(*choice_.layout);
    } else {
        printer.setPageSize(pdfPageSize_);
    }
    if (Render(printer, job) != Rendered::Done) {
        return platform::PrintOutcome::fileFailed(fileName, 0);
    }
    return platform::PrintOutcome::printed(fileName);
}

std::optional<std::string> DesktopPrinting::choosePdfFile(const std::string& suggestedName) {
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("In PDF-Datei drucken"),
                       QDir::home().filePath(QString::fromStdString(suggestedName)),
                       QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

void DesktopPrinting::printerSetup() {
    QPrinter printer(QPrinter::HighResolution);
    configure(printer);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Choice chosen;
    chosen.layout = printer.pageLayout();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        chosen.pdfFile = printer.outputFileName();
    } else {
        chosen.printerName = printer.printerName();
    }
    choice_ = chosen;
}

}  // namespace ruvo::desktop
