// The blocking pause after a move, at its real length, over 20 moves: the
// time from the board's last paint of the move to the question's showing.
#include "bench/TurnTiming.h"

#include "tests/GameHarness.h"
#include "forms/Game.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    UseBenchEnvironment();
    QApplication app(argc, argv);
    const int moves = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    std::unique_ptr<GameHarness> harness(StartBenchGame());
    TurnWatch watch;
    MovePauseMs = 0;
    watch.playTurn(); // the first showing creates the question's native window
    const int pause = StandardMovePauseMs;
    MovePauseMs = pause;
    std::vector<double> paused;
    std::vector<double> clicks;
    for (int move = 0; move < moves; ++move) {
        const TurnSpans spans = watch.playTurn();
        paused.push_back(spans.pauseMs);
        clicks.push_back(spans.moveClickMs);
    }
    const auto report = [](const char *what, std::vector<double> values) {
        std::sort(values.begin(), values.end());
        const std::size_t n = values.size();
        const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
        std::printf("%-34s min %9.3f  median %9.3f  max %9.3f ms\n", what, values.front(), median, values.back());
    };
    std::printf("Pause after a move (MovePauseMs = %d, %d moves):\n", pause, moves);
    report("  board painted -> question shown", paused);
    report("  whole move click", clicks);
    const bool met = *std::min_element(paused.begin(), paused.end()) >= pause
        && *std::max_element(paused.begin(), paused.end()) <= 1050;
    std::printf("  within [%d, 1050] ms every time: %s\n", pause, met ? "yes" : "NO");
    return 0;
}
