// Printing through QPrinter: to the system's current printer (CUPS), or to a PDF file.
// Positions are scaled as print_scale.h describes; font names are the Windows ones the program
// uses ("TimesNewRoman" is Times New Roman), resolved by the system's font substitution.
#pragma once

#include <QPageSize>
#include <memory>
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

    // False when the printer cannot be opened (no printer, no writable file) or fails.
    bool print(const platform::PrintJob& job) override;
    void printerSetup() override;

private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace ruvo::desktop
