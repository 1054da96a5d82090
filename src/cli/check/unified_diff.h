#pragma once
// A unified diff of two texts, as `diff -u` and `git diff` write it, so that
// `git apply` or `patch` can make the change.
#include <string>
#include <string_view>

namespace cli {

//! The diff from `before` to `after` of the file `path`, with three lines of
//! context ("--- a/PATH", "+++ b/PATH", hunks); empty when the texts are the
//! same. Lines keep their own endings (a CR before the LF stays in the line).
std::string unifiedDiff(std::string_view path, std::string_view before, std::string_view after);

} // namespace cli
