#include "verifica/core/Prototype.h"

#include <array>
#include <cmath>
#include <numbers>

namespace ombrana {
namespace {

bool oddCount(int n) {
    return n > 0 && n % 2 == 1 && n <= 9;
}

// The sines of the closed forms for each odd count: a_k = sin((2k-1) pi / 2n)
// and sin^2(k pi / n). The solvers ask for thousands of prototypes a search.
struct Trig {
    std::array<double, 9> a{};
    std::array<double, 9> s2{};
};
const Trig& trigOf(int n) {
    static const std::array<Trig, 5> tables = [] {
        std::array<Trig, 5> out{};
        for (int i = 0; i < 5; ++i) {
            const int count = 2 * i + 1;
            for (int k = 1; k <= count; ++k) {
                out[std::size_t(i)].a[std::size_t(k - 1)] = std::sin((2 * k - 1) * std::numbers::pi / (2 * count));
                out[std::size_t(i)].s2[std::size_t(k - 1)] = std::pow(std::sin(k * std::numbers::pi / count), 2);
            }
        }
        return out;
    }();
    return tables[std::size_t(n / 2)];
}

// Above 3 dB by more than rounding: 10 log10(2) is 3.0103 dB.
constexpr double kRoundedThreeDb = 1.0 + 1e-12;

}  // namespace

double rippleDbOfSwr(double swr) {
    const double rho = (swr - 1) / (swr + 1);
    return -10 * std::log10(1 - rho * rho);
}

double swrOfRippleDb(double rippleDb) {
    const double rho = std::sqrt(1 - std::pow(10.0, -rippleDb / 10));
    return (1 + rho) / (1 - rho);
}

double epsilonOfSwr(double swr) {
    const double rho = (swr - 1) / (swr + 1);
    return rho / std::sqrt(1 - rho * rho);
}

double swrOfEpsilon(double epsilon) {
    const double rho = epsilon / std::sqrt(1 + epsilon * epsilon);
    return (1 + rho) / (1 - rho);
}

std::vector<double> butterworthPrototype(int n) {
    if (!oddCount(n)) return {};
    std::vector<double> g;
    for (int k = 1; k <= n; ++k) g.push_back(2 * std::sin((2 * k - 1) * std::numbers::pi / (2 * n)));
    return g;
}

std::vector<double> chebyshevPrototypeOfEpsilon(int n, double epsilon) {
    if (!oddCount(n) || !(epsilon > 0) || !(epsilon <= kLargestEpsilon * kRoundedThreeDb)) return {};
    // The closed forms of the equal-ripple ladder: gamma = sinh(asinh(1/eps) / n),
    // a_k = sin((2k-1) pi / 2n), b_k = gamma^2 + sin^2(k pi / n),
    // g1 = 2 a1 / gamma, g_k = 4 a_(k-1) a_k / (b_(k-1) g_(k-1)).
    const double gamma = std::sinh(std::asinh(1 / epsilon) / n);
    const Trig& t = trigOf(n);
    std::vector<double> g(static_cast<std::size_t>(n));
    g[0] = 2 * t.a[0] / gamma;
    for (std::size_t k = 1; k < std::size_t(n); ++k)
        g[k] = 4 * t.a[k - 1] * t.a[k] / ((gamma * gamma + t.s2[k - 1]) * g[k - 1]);
    return g;
}

std::vector<double> chebyshevPrototype(int n, double rippleSwr) {
    if (!std::isfinite(rippleSwr) || !(rippleSwr > 1)) return {};
    return chebyshevPrototypeOfEpsilon(n, epsilonOfSwr(rippleSwr));
}

}  // namespace ombrana
