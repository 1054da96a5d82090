#include "cli/lsp/lsp_command.h"

#include "cli/lsp/input_pump.h"
#include "cli/lsp/server.h"
#include "cli/qlt.h"

#include <ostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

long readStandardInput(char* buffer, std::size_t size) {
#ifdef _WIN32
    return _read(0, buffer, static_cast<unsigned>(size));
#else
    return static_cast<long>(::read(0, buffer, size));
#endif
}

} // namespace

int runLsp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "qlt: lsp takes no arguments (it talks over standard input and output)\n";
        return EXIT_USAGE;
    }
#ifdef _WIN32
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
#endif
    lsp::Server server;
    lsp::InputPump input(readStandardInput);
    for (;;) {
        const std::string bytes = input.wait(server.nextDue());
        std::string reply = server.receive(bytes, lsp::Clock::now());
        reply += server.tick(lsp::Clock::now());
        if (!reply.empty()) out.write(reply.data(), static_cast<std::streamsize>(reply.size())).flush();
        if (server.exitCode()) return *server.exitCode();
        if (input.ended()) return server.statusAtEnd();
    }
}

} // namespace cli
