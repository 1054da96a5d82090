#pragma once
// "quillet --version": prints the product name and version and ends before
// any window (or display) is needed.
#include "core/version.h"

#include <cstdio>
#include <cstring>

namespace app::help {

//! True when the first argument asked for the version, which is then printed.
inline bool printVersionIfAsked(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "--version") != 0) return false;
    std::printf("%s %s\n", core::PRODUCT_NAME, core::PRODUCT_VERSION);
    return true;
}

} // namespace app::help
