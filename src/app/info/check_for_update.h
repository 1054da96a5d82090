#pragma once
// Options > "&Check for program update" (Ctrl+U).
#include "app/info/update_info_window.h"

class QWidget;

namespace app::info {

//! Opens TForm2 modally over `parent` with a POP3 client of its own; both are
//! created for this use and destroyed when the window closes.
void checkForProgramUpdate(QWidget* parent, const UpdateInfoServices& services);

} // namespace app::info
