#pragma once
// `qlt check --format sarif`: one SARIF 2.1.0 log with one run, its tool's rule
// table (every code with its help text) and a result per finding with its region.
#include <string>

namespace cli {

//! A path as a URI reference: relative paths stay relative, absolute ones get
//! "file://"; characters a URI cannot hold are percent-encoded.
std::string artifactUri(const std::string& path);

} // namespace cli
