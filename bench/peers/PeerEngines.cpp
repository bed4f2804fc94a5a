#include "bench/peers/PeerEngines.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace peers {

PeerFigure ParsePeerLine(const std::string& line) {
    PeerFigure figure;
    figure.line = line;
    while (!figure.line.empty() && (figure.line.back() == '\n' || figure.line.back() == '\r'))
        figure.line.pop_back();
    std::istringstream words(figure.line);
    words >> figure.engine;
    // The time is the number just before the first lone "s".
    std::string previous, word;
    while (words >> word) {
        if (word == "s") {
            char* end = nullptr;
            const double seconds = std::strtod(previous.c_str(), &end);
            if (end && *end == '\0' && seconds > 0) figure.seconds = seconds;
            break;
        }
        previous = word;
    }
    return figure;
}

std::vector<PeerFigure> RunPeers(const std::string& file) {
    std::vector<PeerFigure> figures;
    if (std::system("node --version >/dev/null 2>&1") != 0) return figures;
    const std::string command = std::string("'") + TRIMORA_PEERS + "' '" + file + "' 2>&1";
    FILE* peers = popen(command.c_str(), "r");
    if (!peers) return figures;
    char line[512];
    while (std::fgets(line, sizeof line, peers))
        figures.push_back(ParsePeerLine(line));
    pclose(peers);
    return figures;
}

std::optional<PeerFigure> FindPeer(const std::vector<PeerFigure>& figures, const std::string& prefix) {
    for (const PeerFigure& figure : figures)
        if (figure.engine.starts_with(prefix) && figure.seconds > 0) return figure;
    return std::nullopt;
}

}  // namespace peers
