#pragma once
// Builders shared by the editing aids' dialogs: named buttons with hints, and
// the modeless window they live in.
#include <QString>

class QDialog;
class QPushButton;

namespace app::aids {

//! A push button with its object name and caption; the hint, when given, is
//! its tooltip and status tip.
QPushButton* pushButton(const char* name, const char* caption, const char* hint = nullptr);

//! Sets a dialog up as a modeless window over its parent (the main window)
//! that stays above it; showing it again brings it forward.
void makeModeless(QDialog* dialog, const char* objectName, const char* caption);

//! Shows a modeless dialog, or brings it forward when it is showing.
void bringForward(QDialog* dialog);

} // namespace app::aids
