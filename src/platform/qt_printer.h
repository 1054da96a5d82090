#pragma once
// Printing on QPrinter: the default printer without a dialog, or a PDF file
// when one is set (tests, and "print to file").
#include "core/ports/printer.h"

#include <QFont>
#include <QString>

namespace platform {

class QtPrinter : public core::ports::Printer {
public:
    //! The font the lines are printed in (the editor's).
    void setFont(const QFont& font) { m_font = font; }
    //! Prints into this PDF file instead of the default printer; empty: the printer.
    void setOutputFile(const QString& pdfPath) { m_outputFile = pdfPath; }

    bool printLines(const std::string& jobTitle, const std::vector<std::string>& lines, std::string& error) override;

private:
    QFont m_font;
    QString m_outputFile;
};

} // namespace platform
