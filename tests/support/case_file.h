#pragma once
// Table rows kept in data files beside the tests, read by one strict reader.
//
// A file holds cases. "== name" starts a case (the name may be empty); the
// lines after it form its head section "", and "-- section" starts a named
// section; each line of a section is one value. Blank lines and lines that
// start with '#' (comments) are skipped. Values and names are escaped:
// \\ \r \n \t \s (a blank), \xHH (one byte), and \e (nothing: "\e" alone is an
// empty value, or keeps a '#', "==" or "--" from starting a line). A raw tab,
// a blank at the end of a line, a line before the first case, an unknown
// escape, a section the test does not know or given twice, and a file
// without cases all throw, naming the file and line, so the test fails.
#include "core/text/file_io.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

struct DataCase {
    std::string where; //!< "file:line name", for SCOPED_TRACE
    std::string name;
    std::map<std::string, std::vector<std::string>> sections;

    //! The values of a section, none when the case leaves it out.
    const std::vector<std::string>& operator[](const std::string& section) const {
        static const std::vector<std::string> none;
        const auto found = sections.find(section);
        return found == sections.end() ? none : found->second;
    }
};

inline std::string unescape(const std::string& text, const std::string& where) {
    static const std::map<char, std::string> simple = {{'\\', "\\"}, {'r', "\r"}, {'n', "\n"}, {'t', "\t"}, {'s', " "}, {'e', ""}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
        } else if (i + 1 < text.size() && simple.count(text[i + 1])) {
            out += simple.at(text[++i]);
        } else if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 2])) &&
                   std::isxdigit(static_cast<unsigned char>(text[i + 3]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            throw std::runtime_error(where + ": unknown escape in \"" + text + "\"");
        }
    }
    return out;
}

//! Every case of the file; `sections` lists the named sections a case may have.
inline std::vector<DataCase> readCases(const std::string& path, const std::set<std::string>& sections) {
    const auto read = core::text::readFile(path);
    if (!read.ok) throw std::runtime_error(path + ": cannot be read");
    std::vector<DataCase> cases;
    std::istringstream in(read.bytes);
    std::string line, section;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        const auto where = path + ":" + std::to_string(number);
        if (line.empty() || line[0] == '#') continue;
        if (line.find('\t') != std::string::npos || line.back() == ' ' || line.back() == '\r')
            throw std::runtime_error(where + ": a raw tab or a blank at the end; write \\t or \\s");
        if (line == "==" || line.rfind("== ", 0) == 0) {
            const auto name = unescape(line.substr(std::min<std::size_t>(line.size(), 3)), where);
            cases.push_back({where + " " + name, name, {{"", {}}}});
            section.clear();
        } else if (cases.empty()) {
            throw std::runtime_error(where + ": a line before the first \"==\" case");
        } else if (line.rfind("-- ", 0) != 0 && (line.rfind("--", 0) == 0 || line.rfind("==", 0) == 0)) {
            throw std::runtime_error(where + ": neither \"== name\" nor \"-- section\"; write \\e first for a value");
        } else if (line.rfind("-- ", 0) == 0) {
            section = line.substr(3);
            if (!sections.count(section) || !cases.back().sections.emplace(section, std::vector<std::string>{}).second)
                throw std::runtime_error(where + ": section \"" + section + "\" unknown or given twice");
        } else {
            cases.back().sections[section].push_back(unescape(line, where));
        }
    }
    if (cases.empty()) throw std::runtime_error(path + ": holds no case");
    return cases;
}

//! The blank-separated words of a value.
inline std::vector<std::string> wordsOf(const std::string& value) {
    std::istringstream in(value);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

//! The values one after another, `separator` between two.
inline std::string joined(const std::vector<std::string>& values, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) text += (i ? separator : "") + values[i];
    return text;
}

} // namespace testing_support
