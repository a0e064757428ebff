#pragma once
// The shut-out probability by numerical integration: the oracle the exact rates are held to.
//
// P(best ally > every enemy) as the integral over the best ally's initiative x of
// P(every enemy below x) times the density of the best ally, in the initiative's own units:
// a different variable and a different formula from the engine's. Integrated piece by piece
// between the distributions' kinks, each piece split into 4 parts of 16 Gauss-Legendre nodes,
// in long double.

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace kestavel::oracle {

// Gauss-Legendre nodes and weights on [-1, 1], found by Newton's method in long double.
struct GaussLegendre {
    std::vector<long double> nodes, weights;
    explicit GaussLegendre(int n) {
        const long double pi = 3.141592653589793238462643383279502884L;
        for (int i = 1; i <= n; ++i) {
            long double x = std::cos(pi * (i - 0.25L) / (n + 0.5L));
            long double derivative = 0;
            for (int iteration = 0; iteration < 100; ++iteration) {
                long double p0 = 1, p1 = x;
                for (int k = 2; k <= n; ++k) {
                    const long double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                    p0 = p1;
                    p1 = p2;
                }
                derivative = n * (x * p1 - p0) / (x * x - 1);
                const long double step = p1 / derivative;
                x -= step;
                if (std::fabs(step) < 1e-19L) break;
            }
            nodes.push_back(x);
            weights.push_back(2 / ((1 - x * x) * derivative * derivative));
        }
    }
};

inline double IntegratedShutOut(const double (&allies)[5], std::span<const double> enemySpeeds) {
    static const GaussLegendre rule(16);
    std::vector<long double> speeds;
    for (double a : allies) {
        if (a > 0) speeds.push_back(a);
    }
    auto uniformCdf = [](long double x, long double speed) {
        return std::clamp((x - 0.6L * speed) / (0.4L * speed), 0.0L, 1.0L);
    };
    auto uniformDensity = [](long double x, long double speed) {
        return (x >= 0.6L * speed && x < speed) ? 1 / (0.4L * speed) : 0.0L;
    };
    auto integrand = [&](long double x) {
        long double density = 0;
        for (size_t i = 0; i < speeds.size(); ++i) {
            long double term = uniformDensity(x, speeds[i]);
            for (size_t k = 0; k < speeds.size(); ++k) {
                if (k != i) term *= uniformCdf(x, speeds[k]);
            }
            density += term;
        }
        long double enemiesBelow = 1;
        for (double e : enemySpeeds) enemiesBelow *= uniformCdf(x, e);
        return enemiesBelow * density;
    };
    std::vector<long double> kinks;
    for (double e : enemySpeeds) {
        kinks.push_back(0.6L * e);
        kinks.push_back(e);
    }
    for (long double a : speeds) {
        kinks.push_back(0.6L * a);
        kinks.push_back(a);
    }
    std::sort(kinks.begin(), kinks.end());
    long double total = 0;
    for (size_t piece = 0; piece + 1 < kinks.size(); ++piece) {
        const long double part = (kinks[piece + 1] - kinks[piece]) / 4;
        for (int j = 0; j < 4; ++j) {
            const long double mid = kinks[piece] + (j + 0.5L) * part;
            for (size_t n = 0; n < rule.nodes.size(); ++n) {
                total += rule.weights[n] * part / 2 * integrand(mid + rule.nodes[n] * part / 2);
            }
        }
    }
    return static_cast<double>(total);
}

}  // namespace kestavel::oracle
