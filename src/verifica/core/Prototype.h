#pragma once

#include <vector>

namespace ombrana {

// The two responses a ladder is designed for: maximally flat, or equal
// ripple in the pass band with a steeper skirt.
enum class Response { Butterworth, Chebyshev };

// A Chebyshev ripple given as the highest SWR in the pass band:
// ripple dB = -10 log10(1 - rho^2), rho = (S - 1) / (S + 1).
double rippleDbOfSwr(double swr);
double swrOfRippleDb(double rippleDb);

// The normalised element values g1 ... gn of a low-pass prototype between
// equal terminations, for an odd n: cut-off 1 rad/s, 1 ohm. Butterworth's
// cut-off is its -3 dB point, Chebyshev's the edge of its ripple. Nothing
// (an empty list) for an even n, one outside 1 to 9, or a ripple that is not
// above SWR 1 and within 3 dB.
std::vector<double> butterworthPrototype(int n);
std::vector<double> chebyshevPrototype(int n, double rippleSwr);

// The Chebyshev prototype by its ripple factor epsilon (ripple dB =
// 10 log10(1 + epsilon^2)): the solvers walk along it.
std::vector<double> chebyshevPrototypeOfEpsilon(int n, double epsilon);
double epsilonOfSwr(double swr);
double swrOfEpsilon(double epsilon);

// The ripple factor of a 3 dB ripple, the most this program designs for.
inline constexpr double kLargestEpsilon = 1.0;

}  // namespace ombrana
