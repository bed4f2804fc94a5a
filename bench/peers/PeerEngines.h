// The other engines (paper.js, Skia's PathOps) timed on a benchmark document by the shared script, so that every
// benchmark of ours prints its figures beside theirs from the same run.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace peers {

struct PeerFigure {
    std::string line;    // as the script printed it
    std::string engine;  // its first word: "paper.js", "Skia", ...
    double seconds = 0;  // best pass over the whole document; 0 when the line does not say
};

// Runs the script on `file` when node is installed; empty otherwise or when the script fails.
std::vector<PeerFigure> RunPeers(const std::string& file);

// Reads one line of the script; the engine's name and its best time.
PeerFigure ParsePeerLine(const std::string& line);

// The first figure whose engine name starts with `prefix`, when there is one with a time.
std::optional<PeerFigure> FindPeer(const std::vector<PeerFigure>& figures, const std::string& prefix);

}  // namespace peers
