#pragma once
// The language server without its transport: bytes from the client go in,
// bytes for the client come out. It keeps the open documents, answers
// requests, publishes diagnostics (at once on open and save, after a pause
// while the user types) and remembers when the client said `exit`.
#include "cli/lsp/features.h"
#include "cli/lsp/frame_reader.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli::lsp {

using Clock = std::chrono::steady_clock;

class Server {
public:
    //! How long diagnostics wait after a change, so typing is not checked at every key.
    static constexpr std::chrono::milliseconds DEBOUNCE{300};

    //! Takes bytes as they arrive; returns the framed messages to send.
    std::string receive(std::string_view bytes, Clock::time_point now);
    //! The diagnostics whose pause is over, framed.
    std::string tick(Clock::time_point now);
    //! When tick() next has something to send.
    std::optional<Clock::time_point> nextDue() const;
    //! Set once the client sent `exit`: 0 after `shutdown`, 1 without it.
    std::optional<int> exitCode() const { return m_exitCode; }
    //! The status when the client goes away without `exit`.
    int statusAtEnd() const { return m_shutdown ? 0 : 1; }

private:
    struct Document {
        TextDocument text;
        std::vector<core::checker::Finding> findings;
        std::optional<Clock::time_point> due; //!< diagnostics waiting for the pause to end
        Json version;                         //!< of the text, as the client numbered it (null: none)
    };
    using Out = std::vector<Json>;

    void handle(std::string_view body, Clock::time_point now, Out& out);
    void dispatch(const std::string& method, const Json& id, const Json& params, Clock::time_point now, Out& out);
    std::optional<Json> answer(const std::string& method, const Json& params);
    void notification(const std::string& method, const Json& params, Clock::time_point now, Out& out);
    void initialize(const Json& id, const Json& params, Out& out);
    void readSettings(const Json& settings, Out& out);
    Json publish(const std::string& uri, Document& doc);
    Document& documentOf(const Json& params);

    FrameReader m_reader;
    std::map<std::string, Document> m_documents;
    core::checker::RuleChoice m_rules = core::checker::RuleChoice::Automatic;
    TextFormat m_hoverFormat = TextFormat::Plain;
    bool m_initialized = false;
    bool m_shutdown = false;
    std::optional<int> m_exitCode;
};

} // namespace cli::lsp
