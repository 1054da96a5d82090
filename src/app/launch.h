#pragma once
// A launch of the window: hand the file to a running window when there is
// one, otherwise start up, serve later launches' requests and run.
#include <QString>
#include <QStringList>

#include <string>

namespace app {

//! The open request a second launch sends: "[open(" + '"' + path + '"' + ")]".
QString openRequestFor(const QString& path);

//! path (UTF-8) made absolute from the working folder, with native separators:
//! the status bar shows it, and a running window may have another working folder.
std::string absoluteNativePath(const std::string& path);

//! Runs the program with its command-line arguments (the program's own name
//! first, as QCoreApplication::arguments() gives them); returns the exit code.
int runWindow(const QStringList& arguments);

} // namespace app
