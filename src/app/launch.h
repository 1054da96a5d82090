#pragma once
// A launch of the window: hand the file to a running window when there is
// one, otherwise start up, serve later launches' requests and run.
#include <QString>
#include <QStringList>

namespace app {

//! The open request a second launch sends: "[open(" + '"' + path + '"' + ")]".
QString openRequestFor(const QString& path);

//! Runs the program with its command-line arguments (the program's own name
//! first, as QCoreApplication::arguments() gives them); returns the exit code.
int runWindow(const QStringList& arguments);

} // namespace app
