#include "platform/qt_printer.h"

#include "core/version.h"
#include "platform/qt_text.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace platform {
namespace {

constexpr auto NO_PRINTER = "There is no printer installed. Add a printer in the system's printer settings, "
                            "make it the default printer and print again.";
constexpr auto PRINT_FAILED = "The printer could not be started. Check that it is switched on and ready, then print again.";

} // namespace

bool QtPrinter::printLines(const std::string& jobTitle, const std::vector<std::string>& lines, std::string& error) {
    QPrinter printer(QPrinter::HighResolution);
    if (!m_outputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_outputFile);
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        error = NO_PRINTER;
        return false;
    } else {
        printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    }
    printer.setDocName(fromUtf8(jobTitle));
    printer.setCreator(QString::fromUtf8(core::PRODUCT_NAME));

    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) text << fromUtf8(line);
    QTextDocument document;
    document.setDefaultFont(m_font);
    document.setPlainText(text.join(QLatin1Char('\n')));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        error = PRINT_FAILED;
        return false;
    }
    return true;
}

} // namespace platform
