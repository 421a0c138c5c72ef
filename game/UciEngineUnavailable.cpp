// Windows has no posix_spawn or poll; analysis by an engine is not offered there yet.
#include "Analysis.h"
#include "UciEngine.h"

namespace ostrand::game {

namespace {

constexpr const char* Unavailable = "Analysis with an engine is not available on Windows";

}  // namespace

UciEngine::~UciEngine() = default;

bool UciEngine::Start(const std::string&, const std::vector<std::string>&, std::string& error,
                      std::chrono::milliseconds) {
    error = Unavailable;
    return false;
}

bool UciEngine::NewGame(std::string& error) {
    error = Unavailable;
    return false;
}

bool UciEngine::Analyse(const chess::Position&, const std::vector<chess::Move>&, int, EngineAnswer&,
                        std::string& error) {
    error = Unavailable;
    return false;
}

std::string OwnProgram(const char* argv0) {
    return argv0 == nullptr ? std::string() : std::string(argv0);
}

}  // namespace ostrand::game
