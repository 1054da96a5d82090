#pragma once
// The printout of the update notice: a heading naming the product, then the
// notice's lines, page after page.
#include <QFont>
#include <QStringList>

class QPrinter;

namespace app::info {

//! The heading is set in Times New Roman, or the closest serif face installed;
//! the lines in `bodyFont`, wrapped at the page's width. False when the printer
//! could not be started.
bool printNotice(QPrinter& printer, const QString& heading, const QStringList& lines, const QFont& bodyFont);

} // namespace app::info
