// Printing through QPrinter: to the system's current printer (CUPS), or to a PDF file.
// Positions are scaled as print_scale.h describes; font names are the Windows ones the program
// uses ("TimesNewRoman" is Times New Roman), resolved by the system's font substitution.
//
// Each job gets a printer of its own, made from what the setup dialog chose last: a printer that
// failed to open keeps no state that could spoil the next job or the next choice.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <optional>
#include <string>

#include "platform/platform.h"

class QPrinter;

namespace ruvo::desktop {

class DesktopPrinting final : public platform::Printing {
public:
    // The system's default printer is the current printer until the setup dialog chooses another.
    DesktopPrinting();
    // Every job goes to this PDF file instead, on paper of the given size.
    DesktopPrinting(const std::string& pdfFileName, const QPageSize& pageSize);
    ~DesktopPrinting() override;
    DesktopPrinting(const DesktopPrinting&) = delete;
    DesktopPrinting& operator=(const DesktopPrinting&) = delete;

    // NoPrinter when the system knows no printer and no PDF file was chosen; Failed when the
    // printer or the file cannot be opened or the job breaks off.
    platform::PrintOutcome print(const platform::PrintJob& job) override;
    platform::PrintOutcome printToPdf(const platform::PrintJob& job,
                                      const std::string& fileName) override;
    // A save dialog for PDF files, opened in the home folder; ".pdf" is added to a name without
    // an extension.
    std::optional<std::string> choosePdfFile(const std::string& suggestedName) override;
    // The print dialog; what it chooses (a printer, or a PDF file, and the paper) is the current
    // printer once the user confirms it.
    void printerSetup() override;

private:
    // The current printer: a printer of this name ("" for the system's default) or a PDF file.
    struct Choice {
        QString printerName;
        std::optional<QString> pdfFile;
        std::optional<QPageLayout> layout;
    };
    void configure(QPrinter& printer) const;

    Choice choice_;
    QPageSize pdfPageSize_{QPageSize::A4};
};

}  // namespace ruvo::desktop
