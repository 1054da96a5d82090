#pragma once
// The Help menu's openers that leave the program: the support mail form, the
// tutorial page and the maker's website, all through the desktop's "open".
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/shell.h"

#include <string>
#include <string_view>

namespace core::info {

//! "mailto:" + the support address + "?subject=Technical%20Support%20for%20"
//! + product name + "%20" + version; every character a mail address's query
//! may not hold as it is (blanks first of all) is written as %XX.
std::string supportMailLink(std::string_view productName, std::string_view version);
//! "mailto:" + the maker's address with the product name as subject.
std::string makerMailLink(std::string_view productName);
//! The tutorial page: "Examples" + separator + "Tutorials.html" in the program folder.
std::string tutorialsPath(std::string_view programFolder);

//! Asks the shell to open `target`; when it cannot, shows its reason in an
//! error box. Returns whether the shell opened it.
bool openWithShell(ports::Shell& shell, ports::Prompter& prompter, const std::string& target);

bool contactSupport(ports::Shell& shell, ports::Prompter& prompter);
bool openTutorials(ports::Shell& shell, ports::FileSystem& files, ports::Prompter& prompter);

} // namespace core::info
