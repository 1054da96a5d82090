#pragma once
// The help window's own texts.
namespace app::help::texts {

inline constexpr auto WINDOW_TITLE = "Quillet Help";
inline constexpr auto CONTENTS_TAB = "&Contents";
inline constexpr auto SEARCH_TAB = "&Search";
inline constexpr auto SEARCH_PROMPT = "Type a word to find...";
inline constexpr auto NO_MATCH = "No topic holds all of these words.";
inline constexpr auto BACK = "&Back";
inline constexpr auto FORWARD = "&Forward";
inline constexpr auto HOME = "C&ontents";
inline constexpr auto NO_HELP = "<h1>The help could not be found</h1><p>Quillet looks for its help pages in "
                                "the folder <b>%1</b>, which could not be read:</p><p>%2</p><p>Installing "
                                "Quillet again puts the help back.</p>";
inline constexpr auto NO_TOPIC = "<h1>No help for this item</h1><p>There is no help topic with the number "
                                 "%1. Choose a topic from the contents on the left, or search for a word.</p>";

} // namespace app::help::texts
