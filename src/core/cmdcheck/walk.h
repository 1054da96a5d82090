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
#include "core/text/codepage.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
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
    //! `index` is borrowed: it outlives the walk.
    Walk(std::span<const std::string_view> lines, const FileIndex& index, checker::ColourSink& colours,
         documents::PickLists& lists, const std::vector<std::string>& ignored);
    //! The findings in line order, and for each the upper-case command word
    //! the Ignore list would silence it with (empty when none).
    checker::CheckResult run();

    // A walk in stretches (walk_stretches.cpp): a walk may start past the
    // first line as if the file started there with commands before it, and
    // hand what it found to the walk of the next stretch.
    //! Walks the logical lines of lines [first, last); `last` ends no line that
    //! continues on the next. The first stretch of a walk that starts past the
    //! first line may start inside blocks opened before it.
    void walkStretch(std::size_t first, std::size_t last, bool insideBlocks = false);
    //! Whether `next`, started afresh at the line where this walk stopped,
    //! went on from there exactly as this walk would have.
    bool goesOnAs(const Walk& next) const;
    //! Gives `next` what this walk found before it; `next` then stands for the
    //! walk of the whole file up to its own end.
    void handOver(Walk& next);
    //! Whether a block is open where the walk stopped.
    bool insideBlocks() const { return !atTopLevel(); }
    //! Where colours go from now on.
    void colourInto(checker::ColourSink& colours) { m_colours = &colours; }
    //! The end-of-file findings, then all findings in line order.
    checker::CheckResult finish();

private:
    // walk.cpp: the file, blocks, labels, suppression and dead code
    void walkLine();
    bool labelLine(std::size_t pos);
    static bool markedVbs(std::string_view text);
    //! Whether GOTO or EXIT follows the command just parsed on its line.
    bool jumpFollows() const;
    void startSkipping(bool reportable);
    void deadLine(std::size_t pos);
    //! The label `name` ends the dead code under way: its stretch is reported.
    void endDeadCode(std::string_view name);
    void commentDirective(std::string_view comment);
    void openBlock(std::size_t pos);
    std::size_t closeParen(std::size_t pos);
    void report(const FindingDraft& draft);
    //! Whether a finding with `code` is switched off here (a directive, the Ignore list).
    bool silenced(Code code) const;
    //! A draft with its place in the document.
    struct PlacedDraft {
        Code code;
        Place at;
        std::size_t length;
        std::string a;
        std::string b;
    };
    PlacedDraft place(const FindingDraft& draft) const;
    static checker::Finding made(const PlacedDraft& draft);
    //! No block is open.
    bool atTopLevel() const { return m_blocks.empty() && m_outsideBlocks == 0; }
    //! Closes the innermost block: its first command, or OUTSIDE.
    std::size_t popBlock();
    static constexpr std::size_t OUTSIDE = SIZE_MAX;
    void elseAfterOutsideBlock();
    void reportAt(std::size_t line, std::size_t column, std::size_t length, Code code, std::string_view a);
    bool hasLabel(std::string_view name) const;

    // walk_stretches.cpp: joining the walk of the next stretch
    struct Decided {
        std::size_t position; //!< in next's findings
        checker::Finding finding;
    };
    std::vector<Decided> decideOutsideReads(Walk& next);
    void takeFindings(Walk& next, std::vector<Decided>&& decided);
    void takeLists(Walk& next);

    // scan.cpp: words, expansions, redirections, the sequence of commands
    std::size_t parseSequence(std::size_t pos);
    std::size_t parseCommand(std::size_t pos);
    std::size_t skipBlanks(std::size_t pos) const;
    std::size_t skipCommandBlanks(std::size_t pos) const;
    bool atRedirection(std::size_t pos) const;
    bool endsArguments(std::size_t pos) const;
    std::size_t readRedirection(std::size_t pos);
    //! A word; in an IF head "=", "," and ";" end it too, and a '(' after its start.
    enum class IfToken { No, Yes };
    Word readWord(std::size_t pos, IfToken ifToken = IfToken::No);
    std::size_t quoteEnd(std::size_t pos) const;
    void unclosedQuote(std::size_t pos);
    std::size_t scanPercent(std::size_t pos, Expansion& kind);
    std::size_t scanBang(std::size_t pos);
    std::size_t parseArguments(std::size_t pos, bool macro);
    void colour(std::size_t offset, std::size_t length, ports::ColourRole role);

    // commands.cpp: rules of single commands
    void commandRules(const Word& word, std::string_view key);
    void internalCommandRules(const struct CommandView& command, std::vector<FindingDraft>& drafts);
    void forVariableOutside(std::size_t pos, std::size_t end);
    void shifted();
    void lineEndRules();
    //! Whether delayed expansion is surely off here: no label (a subroutine
    //! may be called after enabling it) and no enabling came before, in this
    //! walk (the walk before decides on joining).
    bool delayedSurelyOff() const;
    void nearMiss(const Word& word, std::string_view key);
    void jumpRules(std::string_view key);
    void exitRules();
    void setlocalRules();
    void redirectionTarget(const Word& target, std::size_t after);

    // if_for.cpp
    std::size_t parseIf(std::size_t ifBegin, std::size_t pos);
    void emptyOperand(const Word& operand);
    bool comparedWithEmpty(const Word& left, const Word& right);
    void guardedBy(const std::vector<std::string>& tested, std::size_t command);
    std::size_t parseFor(std::size_t forBegin, std::size_t pos);
    std::size_t forAfterSet(std::size_t pos);
    std::size_t forSetEnd(std::size_t pos) const;
    void forOptions(const Word& options);

    // set_rules.cpp
    void setRules();
    void arithmetic(std::size_t begin, std::size_t end);
    void variableSet(std::string_view name);
    void endlocalSeen();
    void variableRead(std::string_view name, std::size_t offset, std::size_t length);
    void outsideRead(std::string_view name, std::size_t offset, std::size_t length);

    std::string_view wordText(const Word& w) const { return m_text.substr(w.begin, w.end - w.begin); }

    std::span<const std::string_view> m_lines;
    const FileIndex& m_index;
    checker::ColourSink* m_colours;
    bool m_keepColours;
    documents::PickLists& m_lists;
    std::size_t m_givenVariables; //!< how many of m_lists.variables were there before the walk
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
    //! The command word as the Ignore list takes it (upper-cased when used).
    std::string_view m_commandWord;

    struct Block {
        std::size_t line;
        std::size_t column;
        std::size_t firstCommand;
    };
    std::vector<Block> m_blocks;
    bool m_conditional = false;  //!< the command runs only under a condition
    bool m_skipping = false;     //!< dead code after an unconditional jump
    bool m_seenCode = false;
    bool m_codeBefore = false;   //!< m_seenCode as it was before the command being parsed
    //! The dead stretch under way: its first line with code (NO_LINE while
    //! none), and whether a label that ends it reports it. A GOTO before any
    //! code and any label skips a header or another language's part on purpose.
    static constexpr std::size_t NO_LINE = SIZE_MAX;
    std::size_t m_deadLine = NO_LINE;
    std::size_t m_deadColumn = 0;
    std::size_t m_deadLength = 0;
    bool m_deadReportable = false;
    bool m_quoteReported = false;
    bool m_pendingForSet = false;
    bool m_forLine = false;      //!< the logical line holds a FOR command
    bool m_afterEndlocal = false; //!< an ENDLOCAL came earlier on the logical line
    bool m_endlocalStatement = false; //!< the statement under way started with ENDLOCAL at the top level
    bool m_labelSeen = false;    //!< a label came before (or the walk started past the first line)
    bool m_delayedSeen = false;  //!< SETLOCAL ENABLEDELAYEDEXPANSION came before
    bool m_shifted = false;      //!< SHIFT came before, in this walk
    //! Q129 findings of a walk started past the first line: they stand only
    //! if the walk before saw no label and no enabling either.
    std::vector<std::size_t> m_offUnlessBefore;
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
    //! Q113 findings of a walk started past the first line, each with the
    //! variables that, set surely before that line, would have silenced it.
    struct UnlessSet {
        std::size_t index; //!< in m_findings
        std::vector<std::string> variables; //!< and arguments, as "%1"
        bool afterShift;   //!< a SHIFT of this walk came first: guards of arguments before it do not count
    };
    std::vector<UnlessSet> m_unlessSet;
    std::vector<std::string> m_operandVariables; //!< while a Q113 finding is reported
    //! A walk started inside blocks opened before it (see walkStretch):
    //! how many of those are open still (as good as unbounded) and closed.
    std::size_t m_outsideBlocks = 0;
    std::size_t m_outsideClosed = 0;
    //! What such a walk cannot decide alone, in order: reads of variables
    //! the statement may have set before the walk started, and ELSE branches
    //! after a block opened before it.
    struct OutsideEvent {
        bool elseBranch = false; //!< an ELSE, or else a read
        std::string variable;   //!< upper case (may be empty: "%:x%")
        bool staleHere = false; //!< set earlier in the statement within this walk
        std::size_t closed = 0; //!< for an ELSE: how many outside blocks were closed
        std::size_t position = SIZE_MAX; //!< where its finding goes in m_findings; SIZE_MAX if silenced
        std::optional<PlacedDraft> draft;
    };
    std::vector<OutsideEvent> m_outsideEvents;
    std::unordered_set<std::string> m_settledStale; //!< read stale within this walk already
    std::size_t m_firstLine = 0;   //!< where the walk's first stretch starts
    bool m_walked = false;         //!< a stretch has been walked
    bool m_startRevived = false;   //!< its first line is a label that ends dead code

    //! Command words already looked up in nearMissCommand, and what it said.
    std::unordered_map<std::string, std::string_view> m_nearMisses;
    //! Codes a comment switched off, by their place in the rule list.
    using CodeSet = std::bitset<CODE_COUNT>;
    CodeSet m_fileDisabled;
    CodeSet m_nextDisabled;
    CodeSet m_lineDisabled;
    std::vector<checker::Finding> m_findings;
    std::vector<std::string> m_keys;
};

//! A .cmd file that opens with "/*" is a REXX program, not a batch file.
inline bool isRexx(std::span<const std::string_view> lines) { return !lines.empty() && lines.front().starts_with("/*"); }
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
//! ASCII letters and digits only, whatever the locale: the interpreter's own view.
inline bool isLetter(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
inline bool isLetterOrDigit(char c) { return isLetter(c) || (c >= '0' && c <= '9'); }
//! The end of the expansion starting with the '%' at `pos`, and its kind; a
//! lone '%' is a Literal one character long.
std::size_t expansionEnd(std::string_view text, std::size_t pos, Expansion& kind);
//! Upper case of a document word (text::toUpper), held without an
//! allocation when the word is short (command words are).
class UpperWord {
public:
    explicit UpperWord(std::string_view word) {
        if (word.size() > m_short.size()) {
            m_long = text::toUpper(word);
            m_view = m_long;
            return;
        }
        for (std::size_t i = 0; i < word.size(); ++i) m_short[i] = text::toUpper(word[i]);
        m_view = std::string_view(m_short.data(), word.size());
    }
    UpperWord(const UpperWord&) = delete;
    UpperWord& operator=(const UpperWord&) = delete;
    std::string_view view() const { return m_view; }

private:
    std::array<char, 32> m_short{};
    std::string m_long;
    std::string_view m_view;
};

} // namespace core::cmdcheck
