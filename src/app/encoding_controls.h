#pragma once
// The current document's encoding in the status bar, and the commands that
// change it: File > Reopen with Encoding and Save with Encoding; clicking the
// status-bar item offers the same two menus.
namespace app {

class TForm1;

//! Adds the status-bar item "StatusEncoding" and the two File submenus.
void installEncodingControls(TForm1& window);

} // namespace app
