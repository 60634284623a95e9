#include "Fit.h"

#include "vesk/Board.h"
#include "vesk/Evaluation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

namespace tune {

namespace {

constexpr int kHeldOutEvery = 10; // every tenth game

struct Row {
    std::vector<vesk::Feature> features;
    double result;
    int score;
    bool heldOut;
};

double sigmoid(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

double logLoss(double p, double result) {
    p = std::clamp(p, 1e-9, 1 - 1e-9);
    return -(result * std::log(p) + (1 - result) * std::log(1 - p));
}

std::vector<Row> rowsOf(const std::vector<Sample>& samples) {
    std::vector<Row> rows;
    for (const Sample& s : samples) {
        vesk::Board b;
        for (wuzi::Cell c : s.stones)
            b.play(vesk::fromCell(c));
        rows.push_back({vesk::features(b), s.result, s.score, s.game % kHeldOutEvery == 0});
    }
    return rows;
}

double value(const std::vector<double>& w, const Row& row) {
    double v = 0;
    for (const vesk::Feature& f : row.features)
        v += w[f.index] * f.count;
    return v;
}

double meanLoss(const std::vector<double>& w, const std::vector<Row>& rows, bool heldOut,
                double scale) {
    double total = 0;
    int n = 0;
    for (const Row& row : rows)
        if (row.heldOut == heldOut)
            total += logLoss(sigmoid(value(w, row) / scale), row.result), ++n;
    return n ? total / n : 0;
}

bool isShape(int index) {
    return index >= vesk::weight::shape(0, 0) && index < vesk::weight::threat(0, 0);
}

// Full-batch gradient descent with Adam's step sizes, shrinking to a tenth by the end.
std::vector<double> descend(std::vector<double> w, const std::vector<Row>& rows,
                            const FitSettings& settings) {
    std::vector<double> m(w.size()), v(w.size()), g(w.size());
    const double b1 = 0.9, b2 = 0.999;
    int fitted = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const Row& r) { return !r.heldOut; }));
    for (int step = 1; step <= settings.steps; ++step) {
        double rate = 1.0 - 0.9 * step / settings.steps;
        std::fill(g.begin(), g.end(), 0.0);
        for (const Row& row : rows) {
            if (row.heldOut) continue;
            double error = sigmoid(value(w, row) / settings.scale) - row.result;
            for (const vesk::Feature& f : row.features)
                g[f.index] += error * f.count / settings.scale / fitted;
        }
        for (std::size_t i = 0; i < w.size(); ++i) {
            g[i] += 2 * (isShape(static_cast<int>(i)) ? settings.shapePenalty : settings.penalty) *
                    w[i];
            m[i] = b1 * m[i] + (1 - b1) * g[i];
            v[i] = b2 * v[i] + (1 - b2) * g[i] * g[i];
            double mh = m[i] / (1 - std::pow(b1, step)), vh = v[i] / (1 - std::pow(b2, step));
            w[i] -= rate * mh / (std::sqrt(vh) + 1e-12);
        }
        if (step % 100 == 0)
            std::fprintf(stderr, "step %d: loss %.5f, held out %.5f\n", step,
                         meanLoss(w, rows, false, settings.scale),
                         meanLoss(w, rows, true, settings.scale));
    }
    return w;
}

// The scale that makes the searches' scores the best predictors of the results.
double fitScoreScale(const std::vector<Row>& rows) {
    auto loss = [&](double scale) {
        double total = 0;
        for (const Row& row : rows)
            if (std::abs(row.score) < vesk::kMateBound)
                total += logLoss(sigmoid(row.score / scale), row.result);
        return total;
    };
    double lo = std::log(20.0), hi = std::log(20000.0);
    for (int i = 0; i < 100; ++i) {
        double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
        if (loss(std::exp(a)) < loss(std::exp(b)))
            hi = b;
        else
            lo = a;
    }
    return std::exp((lo + hi) / 2);
}

} // namespace

FitReport fit(const std::vector<Sample>& samples, const FitSettings& settings) {
    std::vector<Row> rows = rowsOf(samples);
    std::vector<double> w(vesk::fittedWeights().begin(), vesk::fittedWeights().end());
    FitReport report;
    report.positions = static_cast<int>(rows.size());
    std::set<int> games;
    for (const Sample& s : samples)
        games.insert(s.game);
    report.games = static_cast<int>(games.size());
    report.lossBefore = meanLoss(w, rows, false, settings.scale);
    report.heldOutBefore = meanLoss(w, rows, true, settings.scale);
    w = descend(w, rows, settings);
    report.lossAfter = meanLoss(w, rows, false, settings.scale);
    report.heldOutAfter = meanLoss(w, rows, true, settings.scale);
    for (std::size_t i = 0; i < w.size(); ++i)
        report.weights[i] = static_cast<int>(std::lround(w[i]));
    report.scorePerLogOdds = fitScoreScale(rows);
    return report;
}

std::string weightsSource(const FitReport& report, const std::string& how) {
    std::ostringstream out;
    char numbers[200];
    std::snprintf(numbers, sizeof numbers,
                  "// log loss on the games fitted %.4f -> %.4f, on the tenth held out %.4f -> "
                  "%.4f.\n",
                  report.lossBefore, report.lossAfter, report.heldOutBefore, report.heldOutAfter);
    out << "// Written by tools/vesk-tune: the evaluation's weights (see EvalWeights.h for their\n"
        << "// order), fitted to " << report.positions << " positions of " << report.games
        << " self-play games:\n"
        << how << numbers
        << "#include \"vesk/EvalWeights.h\"\n\nnamespace vesk {\n\nnamespace {\n\n"
        << "// clang-format off\nconst EvalWeights kFitted = {\n";
    for (std::size_t i = 0; i < report.weights.size(); i += 16) {
        out << "   ";
        for (std::size_t j = i; j < i + 16 && j < report.weights.size(); ++j)
            out << ' ' << report.weights[j] << ',';
        out << '\n';
    }
    out << "};\n// clang-format on\n\n} // namespace\n\n"
        << "const EvalWeights& fittedWeights() {\n    return kFitted;\n}\n\n"
        << "double fittedScorePerLogOdds() {\n    return " << std::lround(report.scorePerLogOdds)
        << ".0;\n}\n\n} // namespace vesk\n";
    return out.str();
}

} // namespace tune
