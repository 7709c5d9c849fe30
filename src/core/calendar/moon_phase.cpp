#include "core/calendar/moon_phase.h"

#include <array>
#include <cmath>
#include <numbers>

namespace notavi {
namespace {

constexpr double kLunationsPerCentury = 1236.85;
constexpr double kDaysPerCentury = 36525.0;
// Day number of 01.01.2000, 00:00, the origin of the lunation count.
constexpr double kDayNumberOf2000 = 36526.0;

// One periodic term: coefficient (days) x E^ePower x sin or cos of the angle combination.
struct Term
{
    double coefficient;
    int ePower;
    int m;      // Sun's mean anomaly
    int mPrime; // Moon's mean anomaly
    int f;      // Moon's argument of latitude
    int omega;  // longitude of the Moon's ascending node
};

using Terms = std::array<Term, 25>;

constexpr Terms kNewMoonTerms = {{
    {-0.40720, 0, 0, 1, 0, 0},  {+0.17241, 1, 1, 0, 0, 0},   {+0.01608, 0, 0, 2, 0, 0},
    {+0.01039, 0, 0, 0, 2, 0},  {+0.00739, 1, -1, 1, 0, 0},  {-0.00514, 1, 1, 1, 0, 0},
    {+0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {+0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {+0.00042, 1, 1, 0, 2, 0},
    {+0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0},  {+0.00004, 0, 0, 2, -2, 0},  {+0.00004, 0, 3, 0, 0, 0},
    {+0.00003, 0, 1, 1, -2, 0}, {+0.00003, 0, 0, 2, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {+0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {+0.00002, 0, 0, 4, 0, 0},
}};

constexpr Terms kFullMoonTerms = {{
    {-0.40614, 0, 0, 1, 0, 0},  {+0.17302, 1, 1, 0, 0, 0},   {+0.01614, 0, 0, 2, 0, 0},
    {+0.01043, 0, 0, 0, 2, 0},  {+0.00734, 1, -1, 1, 0, 0},  {-0.00515, 1, 1, 1, 0, 0},
    {+0.00209, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {+0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {+0.00042, 1, 1, 0, 2, 0},
    {+0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0},  {+0.00004, 0, 0, 2, -2, 0},  {+0.00004, 0, 3, 0, 0, 0},
    {+0.00003, 0, 1, 1, -2, 0}, {+0.00003, 0, 0, 2, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {+0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {+0.00002, 0, 0, 4, 0, 0},
}};

constexpr Terms kQuarterTerms = {{
    {-0.62801, 0, 0, 1, 0, 0},  {+0.17172, 1, 1, 0, 0, 0},   {-0.01183, 1, 1, 1, 0, 0},
    {+0.00862, 0, 0, 2, 0, 0},  {+0.00804, 0, 0, 0, 2, 0},   {+0.00454, 1, -1, 1, 0, 0},
    {+0.00204, 2, 2, 0, 0, 0},  {-0.00180, 0, 0, 1, -2, 0},  {-0.00070, 0, 0, 1, 2, 0},
    {-0.00040, 0, 0, 3, 0, 0},  {-0.00034, 1, -1, 2, 0, 0},  {+0.00032, 1, 1, 0, 2, 0},
    {+0.00032, 1, 1, 0, -2, 0}, {-0.00028, 2, 2, 1, 0, 0},   {+0.00027, 1, 1, 2, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1},  {-0.00005, 0, -1, 1, -2, 0}, {+0.00004, 0, 0, 2, 2, 0},
    {-0.00004, 0, 1, 1, 2, 0},  {+0.00004, 0, -2, 1, 0, 0},  {+0.00003, 0, 1, 1, -2, 0},
    {+0.00003, 0, 3, 0, 0, 0},  {+0.00002, 0, 0, 2, -2, 0},  {+0.00002, 0, -1, 1, 2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
}};

// The quarter correction W, cosine terms; added for the first quarter, subtracted for the last.
constexpr std::array<Term, 6> kQuarterCorrection = {{
    {+0.00306, 0, 0, 0, 0, 0},
    {-0.00038, 1, 1, 0, 0, 0},
    {+0.00026, 0, 0, 1, 0, 0},
    {-0.00002, 0, -1, 1, 0, 0},
    {+0.00002, 0, 1, 1, 0, 0},
    {+0.00002, 0, 0, 0, 2, 0},
}};

// Planetary terms, coefficient x sin(a0 + perK x k).
struct PlanetaryTerm
{
    double coefficient;
    double a0;
    double perK;
};

constexpr std::array<PlanetaryTerm, 14> kPlanetaryTerms = {{
    {0.000325, 299.77, 0.107408},
    {0.000165, 251.88, 0.016321},
    {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478},
    {0.000110, 84.66, 18.206239},
    {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732},
    {0.000056, 154.84, 7.306860},
    {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824},
    {0.000040, 291.34, 1.844379},
    {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099},
    {0.000023, 331.55, 3.592518},
}};

// The first term's argument also has a T^2 part.
constexpr double kPlanetaryT2 = -0.009173;

// Angles in radians, each reduced to 0 ... 360 degrees first.
struct Angles
{
    double m;
    double mPrime;
    double f;
    double omega;
    double e; // eccentricity factor of the Earth's orbit
};

double reducedRadians(double degrees)
{
    double reduced = std::fmod(degrees, 360.0);
    if (reduced < 0.0)
        reduced += 360.0;
    return reduced * std::numbers::pi / 180.0;
}

Angles anglesOf(double k, double t, double t0)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    return {
        reducedRadians(2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3),
        reducedRadians(201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4),
        reducedRadians(160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 + 0.000000011 * t4),
        reducedRadians(124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3),
        1.0 - 0.002516 * t0 - 0.0000074 * t0 * t0,
    };
}

double argumentOf(const Term& term, const Angles& a)
{
    return term.m * a.m + term.mPrime * a.mPrime + term.f * a.f + term.omega * a.omega;
}

double weightOf(const Term& term, const Angles& a)
{
    return term.coefficient * std::pow(a.e, term.ePower);
}

template <std::size_t N> double sineSum(const std::array<Term, N>& terms, const Angles& a)
{
    double sum = 0.0;
    for (const Term& term : terms)
        sum += weightOf(term, a) * std::sin(argumentOf(term, a));
    return sum;
}

template <std::size_t N> double cosineSum(const std::array<Term, N>& terms, const Angles& a)
{
    double sum = 0.0;
    for (const Term& term : terms)
        sum += weightOf(term, a) * std::cos(argumentOf(term, a));
    return sum;
}

double planetaryCorrection(double k, double t)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < kPlanetaryTerms.size(); ++i) {
        const PlanetaryTerm& term = kPlanetaryTerms[i];
        double degrees = term.a0 + term.perK * k + (i == 0 ? kPlanetaryT2 * t * t : 0.0);
        sum += term.coefficient * std::sin(reducedRadians(degrees));
    }
    return sum;
}

double periodicCorrection(MoonPhase phase, const Angles& a)
{
    switch (phase) {
    case MoonPhase::NewMoon:
        return sineSum(kNewMoonTerms, a);
    case MoonPhase::FullMoon:
        return sineSum(kFullMoonTerms, a);
    case MoonPhase::FirstQuarter:
        return sineSum(kQuarterTerms, a) + cosineSum(kQuarterCorrection, a);
    case MoonPhase::LastQuarter:
        return sineSum(kQuarterTerms, a) - cosineSum(kQuarterCorrection, a);
    }
    return 0.0;
}

} // namespace

double moonPhaseJulianDay(MoonPhase phase, double dateTime)
{
    const double t0 = (dateTime - kDayNumberOf2000) / kDaysPerCentury;
    // k = 0 is the new moon of 6 January 2000; the quarters and the full moon lie between.
    // nearbyint rounds halves to even in the default rounding mode.
    const double k = std::nearbyint(t0 * kLunationsPerCentury) + static_cast<int>(phase) / 4.0;
    const double t = k / kLunationsPerCentury;
    const double t2 = t * t;
    const double meanPhase =
        2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.000000150 * t2 * t + 0.00000000073 * t2 * t2;
    const Angles angles = anglesOf(k, t, t0);
    return meanPhase + periodicCorrection(phase, angles) + planetaryCorrection(k, t);
}

double moonPhaseTime(MoonPhase phase, double dateTime, int utcBiasMinutes)
{
    return fromJulianDay(moonPhaseJulianDay(phase, dateTime)) - utcBiasMinutes / 1440.0;
}

double nextMoonPhase(MoonPhase phase, double dateTime, int utcBiasMinutes)
{
    // A guess four weeks early lands on the lunation before or the one of the wanted event; each
    // step of 28 days, shorter than any lunation, moves on by at most one lunation.
    double guess = dateTime - 28.0;
    double event = 0.0;
    do {
        event = moonPhaseTime(phase, guess, utcBiasMinutes);
        guess += 28.0;
    } while (event < dateTime);
    return event;
}

} // namespace notavi
