#pragma once
// Files of expected output kept beside the tests (tests/cli/data).
#include "core/text/file_io.h"

#include <string>

namespace testing_support {

//! The bytes of a file of tests/cli/data: a plan or the output expected of one.
inline std::string golden(const std::string& name) {
    return core::text::readFile(std::string(CLI_TEST_DATA) + "/" + name).bytes;
}

} // namespace testing_support
