#include "verifica/core/Prototype.h"

#include <cmath>
#include <numbers>

namespace ombrana {
namespace {

bool oddCount(int n) {
    return n > 0 && n % 2 == 1;
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
    const auto a = [n](int k) { return std::sin((2 * k - 1) * std::numbers::pi / (2 * n)); };
    const auto b = [n, gamma](int k) { return gamma * gamma + std::pow(std::sin(k * std::numbers::pi / n), 2); };
    std::vector<double> g{2 * a(1) / gamma};
    for (int k = 2; k <= n; ++k) g.push_back(4 * a(k - 1) * a(k) / (b(k - 1) * g.back()));
    return g;
}

std::vector<double> chebyshevPrototype(int n, double rippleSwr) {
    if (!std::isfinite(rippleSwr) || !(rippleSwr > 1)) return {};
    return chebyshevPrototypeOfEpsilon(n, epsilonOfSwr(rippleSwr));
}

}  // namespace ombrana
