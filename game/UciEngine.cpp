#include "UciEngine.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <thread>
#include <utility>

#include "Analysis.h"

extern char** environ;

namespace ostrand::game {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How long past its time an engine may take to answer before it counts as hung.
constexpr milliseconds Grace{3000};
// How often a wait looks at the cancel flag.
constexpr milliseconds CancelPoll{100};
// A line longer than this is no engine's.
constexpr size_t LineLimit = 1 << 20;

std::string FileName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Whether text is a whole number, as UCI writes scores.
bool ReadInt(const std::string& text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long read = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || read < INT_MIN / 2 || read > INT_MAX / 2)
        return false;
    value = static_cast<int>(read);
    return true;
}

// Takes the score and line of an "info" line, if it has a score that is not a bound.
void ReadInfo(const std::vector<std::string>& words, EngineAnswer& answer, bool& scored) {
    int score = 0;
    bool mate = false;
    bool exact = true;
    bool hasScore = false;
    std::vector<std::string> pv;
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "string") return;
        if (words[i] == "multipv" && i + 1 < words.size() && words[i + 1] != "1") return;
        if (words[i] == "score" && i + 2 < words.size()) {
            mate = words[i + 1] == "mate";
            hasScore = (mate || words[i + 1] == "cp") && ReadInt(words[i + 2], score);
            i += 2;
        } else if (words[i] == "lowerbound" || words[i] == "upperbound") {
            exact = false;
        } else if (words[i] == "pv") {
            pv.assign(words.begin() + static_cast<long>(i) + 1, words.end());
            break;
        }
    }
    if (!hasScore || (!exact && scored)) return;
    answer.score = score;
    answer.mate = mate;
    if (!pv.empty() || !scored) answer.pv = pv;
    scored = true;
}

}  // namespace

UciEngine::~UciEngine() {
    Stop();
}

bool UciEngine::Start(const std::string& program, const std::vector<std::string>& arguments,
                      std::string& error, milliseconds timeout) {
    Stop();
    const std::string cannot = "Cannot start the engine " + program + ": ";
    if (program.empty()) {
        error = "No engine program is given";
        return false;
    }
    // An engine that dies while it is written to must not end this program too.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, nullptr);
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0) {
        error = cannot + std::strerror(errno);
        return false;
    }
    if (pipe2(out, O_CLOEXEC) != 0) {
        error = cannot + std::strerror(errno);
        close(in[0]);
        close(in[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    // What an engine says on its error output is not UCI and would fill a pipe nobody reads.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned =
        program.find('/') == std::string::npos
            ? posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ)
            : posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (spawned != 0) {
        close(in[1]);
        close(out[0]);
        error = cannot + std::strerror(spawned);
        return false;
    }
    pid_ = pid;
    toEngine_ = in[1];
    fromEngine_ = out[0];
    buffer_.clear();
    name_ = FileName(program);
    std::string why;
    if (!Send("uci", why) || !WaitFor("uciok", timeout, why) || !Send("isready", why) ||
        !WaitFor("readyok", timeout, why)) {
        error = cannot + why;
        Stop();
        return false;
    }
    return true;
}

bool UciEngine::NewGame(std::string& error) {
    return Send("ucinewgame", error) && Send("isready", error) &&
           WaitFor("readyok", std::chrono::seconds(10), error);
}

bool UciEngine::Analyse(const chess::Position& start, const std::vector<chess::Move>& moves,
                        int movetimeMs, EngineAnswer& answer, std::string& error) {
    std::string position = "position fen " + chess::FenText(start);
    if (!moves.empty()) position += " moves";
    for (const chess::Move& move : moves)
        position += " " + chess::MoveText(move);
    if (!Send(position, error) || !Send("go movetime " + std::to_string(movetimeMs), error))
        return false;
    const Clock::time_point deadline = Clock::now() + milliseconds(movetimeMs) + Grace;
    answer = EngineAnswer();
    bool scored = false;
    for (std::string line;;) {
        if (!ReadLine(line, deadline, error)) {
            if (cancel_ != nullptr && *cancel_) {
                // The engine stops its search and may be asked again; this wait is not
                // cancelled itself.
                std::string ignored;
                const std::atomic<bool>* cancel = std::exchange(cancel_, nullptr);
                if (Send("stop", ignored)) WaitFor("bestmove", std::chrono::seconds(1), ignored);
                cancel_ = cancel;
            }
            return false;
        }
        const std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        if (words[0] == "info") ReadInfo(words, answer, scored);
        if (words[0] != "bestmove") continue;
        if (words.size() < 2) {
            error = "it answered nonsense: '" + line + "'";
            return false;
        }
        answer.bestmove = words[1];
        if (!scored) {
            error = "it gave no score before its move";
            return false;
        }
        return true;
    }
}

bool UciEngine::ReadLine(std::string& line, Clock::time_point deadline, std::string& error) {
    for (;;) {
        const size_t end = buffer_.find('\n');
        if (end != std::string::npos) {
            line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        if (buffer_.size() > LineLimit) {
            error = "it answered nonsense: a line of more than a megabyte";
            return false;
        }
        if (cancel_ != nullptr && *cancel_) {
            error = "cancelled";
            return false;
        }
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            error = "it did not answer in time";
            return false;
        }
        pollfd wait{fromEngine_, POLLIN, 0};
        const int ready = poll(&wait, 1, static_cast<int>(std::min(left, CancelPoll).count()));
        if (ready < 0 && errno != EINTR) {
            error = std::strerror(errno);
            return false;
        }
        if (ready <= 0) continue;
        char chunk[4096];
        const ssize_t got = read(fromEngine_, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            error = "it stopped";
            // Say how, when it has ended already.
            int status = 0;
            for (int tries = 0; tries < 20; ++tries) {
                if (waitpid(pid_, &status, WNOHANG) == pid_) {
                    pid_ = -1;
                    if (WIFSIGNALED(status))
                        error += " (killed by signal " + std::to_string(WTERMSIG(status)) + ")";
                    else if (WIFEXITED(status))
                        error += " (exit status " + std::to_string(WEXITSTATUS(status)) + ")";
                    break;
                }
                std::this_thread::sleep_for(milliseconds(10));
            }
            return false;
        }
        buffer_.append(chunk, static_cast<size_t>(got));
    }
}

bool UciEngine::Send(const std::string& line, std::string& error) {
    const std::string text = line + "\n";
    for (size_t sent = 0; sent < text.size();) {
        const ssize_t wrote = write(toEngine_, text.data() + sent, text.size() - sent);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            error = "it stopped";
            return false;
        }
        sent += static_cast<size_t>(wrote);
    }
    return true;
}

bool UciEngine::WaitFor(const std::string& word, milliseconds timeout, std::string& error) {
    const Clock::time_point deadline = Clock::now() + timeout;
    for (std::string line; ReadLine(line, deadline, error);) {
        if (line.rfind("id name ", 0) == 0) name_ = line.substr(8);
        const std::vector<std::string> words = Words(line);
        if (!words.empty() && words[0] == word) return true;
    }
    if (error == "it did not answer in time") error = "it did not answer '" + word + "' in time";
    return false;
}

void UciEngine::Stop() {
    if (toEngine_ >= 0) {
        std::string ignored;
        Send("quit", ignored);
        close(toEngine_);
        toEngine_ = -1;
    }
    if (fromEngine_ >= 0) {
        close(fromEngine_);
        fromEngine_ = -1;
    }
    if (pid_ <= 0) return;
    int status = 0;
    for (int tries = 0; tries < 50; ++tries) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::string OwnProgram(const char* argv0) {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0) return std::string(path, static_cast<size_t>(length));
    if (argv0 == nullptr || *argv0 == '\0') return {};
    if (std::strchr(argv0, '/') == nullptr) return argv0;  // found on the PATH as it was
    char* resolved = realpath(argv0, nullptr);
    if (resolved == nullptr) return {};
    std::string own(resolved);
    std::free(resolved);
    return own;
}

}  // namespace ostrand::game
