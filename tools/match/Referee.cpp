#include "Referee.h"

#include "BrainProcess.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using Grid = std::array<std::array<int, wuzi::kBoardSize>, wuzi::kBoardSize>;

std::string protocolCell(wuzi::Cell c) {
    return std::to_string(c.x) + "," + std::to_string(c.y);
}

// The brain's next answer, skipping its MESSAGE, DEBUG and other chatter lines.
bool readAnswer(BrainProcess& brain, std::string& answer, long timeoutMs) {
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        long spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
        if (!brain.readLine(answer, timeoutMs - spent)) return false;
        if (answer.rfind("MESSAGE", 0) != 0 && answer.rfind("DEBUG", 0) != 0 &&
            answer.rfind("UNKNOWN", 0) != 0)
            return true;
    }
}

struct Seat {
    std::unique_ptr<BrainProcess> brain;
    bool knowsBoard = false;
    bool started = false;
};

bool startSeat(Seat& seat, long turnMs) {
    std::string answer;
    seat.brain->send("START 15");
    if (!readAnswer(*seat.brain, answer, 10000) || answer != "OK") return false;
    seat.brain->send("INFO rule 0");
    seat.brain->send("INFO timeout_match 0");
    seat.brain->send("INFO timeout_turn " + std::to_string(turnMs));
    return seat.started = true;
}

} // namespace

bool makesFive(const std::vector<wuzi::Cell>& moves, wuzi::Cell last) {
    Grid grid{};
    for (std::size_t i = 0; i < moves.size(); ++i)
        grid[moves[i].y][moves[i].x] = 1 + static_cast<int>(i % 2);
    int side = grid[last.y][last.x];
    for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
        int run = 1;
        for (int sign : {1, -1})
            for (int x = last.x + sign * dx, y = last.y + sign * dy;
                 x >= 0 && y >= 0 && x < wuzi::kBoardSize && y < wuzi::kBoardSize &&
                 grid[y][x] == side;
                 x += sign * dx, y += sign * dy)
                ++run;
        if (run >= 5) return true;
    }
    return false;
}

GameRecord playGame(const std::string& blackCommand, const std::string& whiteCommand,
                    const std::vector<wuzi::Cell>& opening, const GameSettings& settings) {
    GameRecord game;
    game.moves = opening;
    Seat seats[2];
    seats[0].brain = std::make_unique<BrainProcess>(blackCommand);
    seats[1].brain = std::make_unique<BrainProcess>(whiteCommand);
    Grid grid{};
    for (std::size_t i = 0; i < opening.size(); ++i)
        grid[opening[i].y][opening[i].x] = 1;
    auto lose = [&](int side, const std::string& why) {
        game.outcome = side == 0 ? Outcome::WhiteWins : Outcome::BlackWins;
        game.reason = (side == 0 ? "black " : "white ") + why;
        return game;
    };
    while (game.moves.size() < static_cast<std::size_t>(wuzi::kCellCount)) {
        int side = static_cast<int>(game.moves.size() % 2);
        Seat& seat = seats[side];
        if (!seat.started && !startSeat(seat, settings.turnMs[side]))
            return lose(side, "did not start");
        if (!seat.knowsBoard) {
            seat.brain->send("BOARD");
            for (std::size_t i = 0; i < game.moves.size(); ++i)
                seat.brain->send(protocolCell(game.moves[i]) + "," +
                                 (static_cast<int>(i % 2) == side ? "1" : "2"));
            seat.brain->send("DONE");
            seat.knowsBoard = true;
        } else {
            seat.brain->send("TURN " + protocolCell(game.moves.back()));
        }
        auto start = std::chrono::steady_clock::now();
        std::string answer;
        if (!readAnswer(*seat.brain, answer, settings.turnMs[side] + settings.toleranceMs))
            return lose(side, seat.brain->gone() ? "quit" : "ran out of time");
        long ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
        game.longestMs[side] = std::max(game.longestMs[side], ms);
        wuzi::Cell c;
        if (std::sscanf(answer.c_str(), "%d,%d", &c.x, &c.y) != 2 || c.x < 0 || c.y < 0 ||
            c.x >= wuzi::kBoardSize || c.y >= wuzi::kBoardSize || grid[c.y][c.x])
            return lose(side, "answered \"" + answer + "\"");
        grid[c.y][c.x] = 1;
        game.moves.push_back(c);
        if (makesFive(game.moves, c)) {
            game.outcome = side == 0 ? Outcome::BlackWins : Outcome::WhiteWins;
            game.reason = "five";
            return game;
        }
    }
    game.outcome = Outcome::Draw;
    game.reason = "full board";
    return game;
}
