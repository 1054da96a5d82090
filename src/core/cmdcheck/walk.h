#pragma once
// One check of a file with the Windows command interpreter rules: walks the
// logical lines once, parsing each into commands (blocks, IF and FOR heads,
// words, redirections, expansions) and applying the rules as it goes.
#include "core/checker/colour_sink.h"
#include "core/checker/syntax_checker.h"
#include "core/cmdcheck/file_index.h"
#include "core/cmdcheck/findings.h"
#include "core/cmdcheck/logical_line.h"
#include "core/documents/pick_lists.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace core::cmdcheck {

struct Word {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool quoted = false;     //!< holds a double quotation mark
    bool expansion = false;  //!< holds a %...% or !...! expansion
    bool empty() const { return begin == end; }
};

enum class Expansion { Literal, ForVariable, Argument, Variable };

struct FindingDraft {
    Code code;
    std::size_t offset; //!< in the logical line
    std::size_t length;
    std::string a;
    std::string b;
};

class Walk {
public:
    Walk(std::span<const std::string_view> lines, FileIndex index, checker::ColourSink& colours,
         documents::PickLists& lists, const std::vector<std::string>& ignored);
    //! The findings in line order, and for each the upper-case command word
    //! the Ignore list would silence it with (empty when none).
    checker::CheckResult run();

private:
    // walk.cpp: the file, blocks, labels, suppression and dead code
    void walkLine();
    bool labelLine(std::size_t pos);
    void commentDirective(std::string_view comment);
    void openBlock(std::size_t pos);
    std::size_t closeParen(std::size_t pos);
    void report(const FindingDraft& draft);
    void reportAt(std::size_t line, std::size_t column, std::size_t length, Code code, std::string_view a);
    bool hasLabel(std::string_view name) const;

    // scan.cpp: words, expansions, redirections, the sequence of commands
    std::size_t parseSequence(std::size_t pos);
    std::size_t parseCommand(std::size_t pos);
    std::size_t skipBlanks(std::size_t pos) const;
    std::size_t skipCommandBlanks(std::size_t pos) const;
    bool atRedirection(std::size_t pos) const;
    bool endsArguments(std::size_t pos) const;
    std::size_t readRedirection(std::size_t pos);
    Word readWord(std::size_t pos, bool ifToken = false);
    std::size_t quoteEnd(std::size_t pos) const;
    void unclosedQuote(std::size_t pos);
    std::size_t scanPercent(std::size_t pos, Expansion& kind);
    std::size_t scanBang(std::size_t pos);
    std::size_t parseArguments(std::size_t pos);
    void colour(std::size_t offset, std::size_t length, ports::ColourRole role);

    // commands.cpp: rules of single commands
    void commandRules(const Word& word, std::string_view key);
    void nearMiss(const Word& word, std::string_view key);
    void jumpRules(std::string_view key);
    void exitRules();
    void setlocalRules();
    void redirectionTarget(const Word& target, std::size_t after);

    // if_for.cpp
    std::size_t parseIf(std::size_t ifBegin, std::size_t pos);
    void emptyOperand(const Word& operand);
    void comparedWithEmpty(const Word& left, const Word& right);
    std::size_t parseFor(std::size_t forBegin, std::size_t pos);
    std::size_t forAfterSet(std::size_t pos);
    std::size_t forSetEnd(std::size_t pos) const;
    void forOptions(const Word& options);

    // set_rules.cpp
    void setRules();
    void arithmetic(std::size_t begin, std::size_t end);
    void variableSet(std::string_view name);
    void variableRead(std::string_view name, std::size_t offset, std::size_t length);

    std::string_view wordText(const Word& w) const { return m_text.substr(w.begin, w.end - w.begin); }

    std::span<const std::string_view> m_lines;
    FileIndex m_index;
    checker::ColourSink& m_colours;
    documents::PickLists& m_lists;
    std::unordered_set<std::string> m_ignored;

    LogicalLine m_line;
    std::string_view m_text;
    std::vector<Word> m_args; //!< of the command being parsed
    struct Redirect {
        Word target;
        std::size_t nextArg; //!< the argument after the target
    };
    std::vector<Redirect> m_redirects;
    std::size_t m_argsEnd = 0;
    std::string m_commandKey; //!< upper case, for the Ignore list

    struct Block {
        std::size_t line;
        std::size_t column;
        std::size_t firstCommand;
    };
    std::vector<Block> m_blocks;
    bool m_conditional = false;  //!< the command runs only under a condition
    bool m_afterClose = false;   //!< right after a ')' (an ELSE may follow)
    bool m_skipping = false;     //!< dead code after an unconditional jump
    bool m_seenCode = false;
    bool m_quoteReported = false;
    bool m_pendingForSet = false;
    Place m_pendingFor;
    std::size_t m_commandIndex = 0;
    //! Variables set in the statement being read (a line, or a block with all
    //! its lines): upper-case name -> the command that set it first.
    std::unordered_map<std::string, std::size_t> m_setInStatement;
    std::unordered_set<std::string> m_staleReported;
    std::unordered_set<std::string> m_surelySet; //!< set unconditionally, not empty
    std::unordered_set<std::string> m_listed;    //!< upper case of lists.variables
    //! Variables the file tests with DEFINED or compares with "".
    std::unordered_set<std::string> m_mayBeEmpty;
    //! While a Q113 finding is reported: its variable (empty for an argument).
    std::string m_emptyCandidate;
    struct Deferred {
        std::string variable;
        std::size_t index; //!< in m_findings
    };
    std::vector<Deferred> m_deferred;

    //! Command words already looked up in nearMissCommand, and what it said.
    std::unordered_map<std::string, std::string_view> m_nearMisses;
    std::vector<std::string> m_fileDisabled;
    std::vector<std::string> m_nextDisabled;
    std::vector<std::string> m_lineDisabled;
    std::vector<checker::Finding> m_findings;
    std::vector<std::string> m_keys;
};

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
//! Upper case of one Windows-1252 character, from a table.
char upperByte(char c);
//! The end of the expansion starting with the '%' at `pos`, and its kind; a
//! lone '%' is a Literal one character long.
std::size_t expansionEnd(std::string_view text, std::size_t pos, Expansion& kind);
//! Upper case of a document word, Windows-1252.
std::string upperOf(std::string_view text);

} // namespace core::cmdcheck
