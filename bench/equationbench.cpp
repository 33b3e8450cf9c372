// How long one equation question takes to deal: every equation at every level,
// many times over, and the mean and slowest per question.
//   build/bench/equationbench [questions per equation and level]
//   build/bench/equationbench --print <count>   prints that many questions with their working, to read
#include "calculations/equationquestions.h"
#include "forms/platform.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <vector>

int main(int argc, char** argv)
{
    using namespace calculations;
    const bool print = argc > 2 && QLatin1String(argv[1]) == QLatin1String("--print");
    const int rounds = argc > 1 ? std::max(1, atoi(argv[print ? 2 : 1])) : 2000;
    forms::UniformRandom source(1);
    const Random random = [&source] { return source(); };
    QStringList ids;
    for (const Equation& eq : equations())
        ids << eq.id;
    const Generator generate = equationGenerator(ids);
    QTextStream out(stdout);
    if (print) {
        for (int i = 0; i < rounds; ++i) {
            const Question q = generate(random, 1 + i % 3);
            out << "Level " << 1 + i % 3 << ": " << q.text << "\n  " << q.working[0] << "\n  "
                << QString(q.working[1]).replace(QLatin1Char('\n'), QStringLiteral("\n  ")) << "\n  " << q.working[2] << "\n\n";
        }
        return 0;
    }
    for (int level : {Recall, FindSubject, Rearrange, ConvertFirst}) {
        qint64 slowest = 0, total = 0;
        std::vector<qint64> times;
        std::size_t length = 0; // keeps the work from being optimised away
        for (int i = 0; i < rounds * int(ids.size()); ++i) {
            QElapsedTimer timer;
            timer.start();
            const Question q = generate(random, level);
            const qint64 ns = timer.nsecsElapsed();
            length += std::size_t(q.text.size());
            total += ns;
            slowest = std::max(slowest, ns);
            times.push_back(ns);
        }
        // The slowest are the machine's doing (another process ran); the 99th percentile is the question's.
        std::sort(times.begin(), times.end());
        out << QStringLiteral("level %1: %2 questions, mean %3 us, 99% within %4 us, slowest %5 us (%6 characters)\n")
                   .arg(level).arg(rounds * ids.size()).arg(total / 1000.0 / (rounds * ids.size()), 0, 'f', 1)
                   .arg(times[times.size() * 99 / 100] / 1000.0, 0, 'f', 1).arg(slowest / 1000.0, 0, 'f', 1).arg(length);
    }
    return 0;
}
