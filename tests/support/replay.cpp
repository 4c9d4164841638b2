#include "tests/support/replay.h"

#include <cstdlib>
#include <map>
#include <sstream>

#include "frame/frame_event.h"
#include "game/board_geometry.h"
#include "game/random_source.h"

namespace {

std::int32_t keyCode(const std::string& word, int number) {
    static const std::map<std::string, std::int32_t> names{
        {"Escape", VirtualKey::Escape}, {"Space", VirtualKey::Space}, {"Left", VirtualKey::Left},
        {"Up", VirtualKey::Up},         {"Right", VirtualKey::Right}, {"Down", VirtualKey::Down}};
    auto found = names.find(word);
    if (found != names.end())
        return found->second;
    char* end = nullptr;
    long value = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0') {
        throw ReplayError("line " + std::to_string(number) + ": unknown key \"" + word + "\"");
    }
    return static_cast<std::int32_t>(value);
}

std::uint32_t parseCount(const std::string& text, int number) {
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || text[0] == '-') {
        throw ReplayError("line " + std::to_string(number) + ": \"" + text + "\" is not a number");
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::string ReplayReport::wellText() const {
    std::string text;
    for (const std::string& row : well)
        text += row + "\n";
    return text;
}

Replay::Replay(unsigned seed, std::uint32_t startTick) : clock_(startTick) {
    std::srand(seed);
    session_ = std::make_unique<GameSession>();
}

Replay::Replay(std::vector<int> pieceOrder, std::uint32_t startTick) : clock_(startTick) {
    if (pieceOrder.empty())
        throw ReplayError("an empty piece order");
    std::size_t next = 0;
    setRandomSource([order = std::move(pieceOrder), next]() mutable {
        const int choice = order[next];
        next = (next + 1) % order.size();
        return choice;
    });
    session_ = std::make_unique<GameSession>();
}

Replay::~Replay() {
    session_.reset();
    setRandomSource({});
}

bool Replay::step(std::uint32_t tick, std::int32_t event, std::int32_t argument) {
    clock_.set(tick);
    const bool answer = session_->handleEvent(event, argument);
    if (!answer)
        running_ = false;
    return answer;
}

void Replay::run(const std::string& script) {
    std::istringstream lines(script);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        runLine(line, number);
    }
}

void Replay::runLine(const std::string& line, int number) {
    std::istringstream words(line);
    std::string time, event, argument;
    words >> time >> event;
    words >> argument;
    std::uint32_t repeat = 1;
    const std::size_t star = event.find('*');
    if (star != std::string::npos) {
        repeat = parseCount(event.substr(star + 1), number);
        event.erase(star);
    }
    const std::uint32_t tick = time[0] == '+' ? clock_.now() + parseCount(time.substr(1), number)
                                              : parseCount(time, number);
    std::int32_t code = 0;
    std::int32_t value = 0;
    if (event == "idle") {
        code = Idle;
    } else if (event == "draw") {
        code = Draw;
    } else if (event == "key") {
        code = KeyUp;
        value = keyCode(argument, number);
    } else {
        throw ReplayError("line " + std::to_string(number) + ": unknown event \"" + event + "\"");
    }
    for (std::uint32_t i = 0; i < repeat; ++i)
        step(tick, code, value);
}

ReplayReport Replay::report() const {
    ReplayReport report;
    report.well.assign(static_cast<std::size_t>(boardHeight), std::string(boardWidth, '.'));
    auto mark = [&report](GridPoint cell, char c) {
        if (cell.x < 0 || cell.y < 0 || cell.x >= boardWidth || cell.y >= boardHeight)
            return;
        report.well[static_cast<std::size_t>(cell.y)][static_cast<std::size_t>(cell.x)] = c;
    };
    for (const PlacedBlock& block : session_->board().blocks())
        mark(block.cell, '#');
    for (const GridPoint& cell : session_->current().footprint()) {
        mark(cell + session_->piecePos(), '@');
    }
    report.pieceIndex = session_->currentIndex();
    report.piecePos = session_->piecePos();
    report.targetAngle = session_->current().targetAngle();
    report.score = session_->score();
    report.level = session_->level();
    report.clears = session_->clears();
    report.fallDelay = session_->fallDelay();
    report.running = running_;
    return report;
}
