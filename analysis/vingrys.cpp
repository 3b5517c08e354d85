#include "vingrys.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace Vingrys {

namespace {

struct Point
{
    double u;
    double v;
};

// Colour-plane position of caps 0..85; rows 0 and 85 are the same reference cap.
constexpr Point Caps[MaxCap + 1] = {
    {43.57, 4.76},    // 0
    {43.18, 8.03},    // 1
    {44.37, 11.34},   // 2
    {44.07, 13.62},   // 3
    {44.95, 16.04},   // 4
    {44.11, 18.52},   // 5
    {42.92, 20.64},   // 6
    {42.02, 22.49},   // 7
    {42.28, 25.15},   // 8
    {40.96, 27.78},   // 9
    {37.68, 29.55},   // 10
    {37.11, 32.95},   // 11
    {35.41, 35.94},   // 12
    {33.38, 38.03},   // 13
    {30.88, 39.59},   // 14
    {28.99, 43.07},   // 15
    {25.00, 44.12},   // 16
    {22.87, 46.44},   // 17
    {18.86, 45.87},   // 18
    {15.47, 44.97},   // 19
    {13.01, 42.12},   // 20
    {10.91, 42.85},   // 21
    {8.49, 41.35},    // 22
    {3.11, 41.70},    // 23
    {0.68, 39.23},    // 24
    {-1.70, 39.23},   // 25
    {-4.14, 36.66},   // 26
    {-6.57, 32.41},   // 27
    {-8.53, 33.19},   // 28
    {-10.98, 31.47},  // 29
    {-15.07, 27.89},  // 30
    {-17.13, 26.31},  // 31
    {-19.39, 23.85},  // 32
    {-21.93, 22.52},  // 33
    {-23.40, 20.14},  // 34
    {-25.32, 17.76},  // 35
    {-25.10, 13.29},  // 36
    {-26.58, 11.87},  // 37
    {-27.35, 9.52},   // 38
    {-28.41, 7.26},   // 39
    {-29.54, 5.10},   // 40
    {-30.37, 2.63},   // 41
    {-31.07, 0.10},   // 42
    {-31.72, -2.42},  // 43
    {-31.44, -5.13},  // 44
    {-32.26, -8.16},  // 45
    {-29.86, -9.51},  // 46
    {-31.13, -10.59}, // 47
    {-31.04, -14.30}, // 48
    {-29.10, -17.32}, // 49
    {-29.67, -19.59}, // 50
    {-28.61, -22.65}, // 51
    {-27.76, -26.66}, // 52
    {-26.31, -29.24}, // 53
    {-23.16, -31.24}, // 54
    {-21.31, -32.92}, // 55
    {-19.15, -33.17}, // 56
    {-16.00, -34.90}, // 57
    {-14.10, -35.21}, // 58
    {-12.47, -35.84}, // 59
    {-10.55, -37.74}, // 60
    {-8.49, -34.78},  // 61
    {-7.21, -35.44},  // 62
    {-5.16, -37.08},  // 63
    {-3.00, -35.95},  // 64
    {-0.32, -33.94},  // 65
    {1.55, -34.50},   // 66
    {3.68, -30.63},   // 67
    {5.88, -31.18},   // 68
    {8.46, -29.46},   // 69
    {9.75, -29.46},   // 70
    {12.24, -27.35},  // 71
    {15.61, -25.68},  // 72
    {19.63, -24.79},  // 73
    {21.20, -22.83},  // 74
    {25.60, -20.51},  // 75
    {26.94, -18.40},  // 76
    {29.39, -16.29},  // 77
    {32.93, -12.30},  // 78
    {34.96, -11.57},  // 79
    {38.24, -8.88},   // 80
    {39.06, -6.81},   // 81
    {39.51, -3.03},   // 82
    {40.90, -1.50},   // 83
    {42.80, 0.60},    // 84
    {43.57, 4.76},    // 85
};

// Rounded constants on purpose: stored and printed results were computed with
// them, and full-precision pi/4, pi/2 or 180/pi would shift the figures.
constexpr double QuarterTurn = 0.7854;
constexpr double RightAngle = 1.5708;
constexpr double DegreesPerRadian = 57.3;
constexpr double PerfectMajorRadius = 2.525249;

double moment(double suu, double svv, double suv, double t)
{
    const double s = std::sin(t);
    const double c = std::cos(t);
    return suu * s * s + svv * c * c - 2.0 * suv * s * c;
}

} // namespace

std::optional<Result> analyse(const QVector<int> &arrangement)
{
    if (arrangement.size() < Positions)
        return std::nullopt;
    const int *c = arrangement.constData();
    for (int i = 0; i < Positions; ++i) {
        if (c[i] < 0 || c[i] > MaxCap)
            return std::nullopt;
    }

    double suu = 0.0;
    double svv = 0.0;
    double suv = 0.0;
    auto add = [&](const Point &from, const Point &to) {
        const double du = to.u - from.u;
        const double dv = to.v - from.v;
        suu += du * du;
        svv += dv * dv;
        suv += du * dv;
    };
    for (int i = 1; i < Positions; ++i)
        add(Caps[c[i - 1]], Caps[c[i]]);
    add(Caps[c[Positions - 1]], Caps[c[0]]);

    const double diff = suu - svv;
    const double theta = diff == 0.0 ? QuarterTurn : 0.5 * std::atan(2.0 * suv / diff);
    const double perpendicular = theta >= 0.0 ? theta - RightAngle : theta + RightAngle;
    // A quadratic form of a sum of squares; rounding alone can take it below 0.
    const double i1 = std::max(0.0, moment(suu, svv, suv, theta));
    const double i2 = std::max(0.0, moment(suu, svv, suv, perpendicular));

    double major = 0;
    double minor = 0;
    double angle = 0;
    if (i1 > i2) {
        major = i1;
        minor = i2;
        angle = perpendicular;
    } else {
        major = i2;
        minor = i1;
        angle = theta;
    }
    const double majorRadius = std::sqrt(major / double(Positions));
    const double minorRadius = std::sqrt(minor / double(Positions));

    Result r;
    r.angle = angle * DegreesPerRadian;
    r.cIndex = majorRadius / PerfectMajorRadius;
    r.sIndex = majorRadius / minorRadius;
    r.diagnosis = diagnose(r.angle);
    return r;
}

Diagnosis diagnose(double angleDegrees)
{
    if (angleDegrees > -11.0 && angleDegrees <= -4.0)
        return Diagnosis::Duetan;
    if (angleDegrees > 0.0 && angleDegrees <= 30.0)
        return Diagnosis::Protan;
    if (angleDegrees < -70.0)
        return Diagnosis::Tritan;
    return Diagnosis::Ambiguous;
}

QString diagnosisText(Diagnosis diagnosis)
{
    switch (diagnosis) {
    case Diagnosis::Protan:
        return QCoreApplication::translate("AnalysisFormWidget", "Protan");
    case Diagnosis::Duetan:
        return QCoreApplication::translate("AnalysisFormWidget", "Duetan");
    case Diagnosis::Tritan:
        return QCoreApplication::translate("AnalysisFormWidget", "Tritan");
    case Diagnosis::Ambiguous:
        break;
    }
    return QCoreApplication::translate("AnalysisFormWidget", "Ambigious Deficiency");
}

QString reportNumber(double value)
{
    return QString::number(value, 'f', 2);
}

QString screenNumber(double value)
{
    return QString::number(value, 'g', 6);
}

QString Result::angleReportText() const
{
    return reportNumber(std::abs(angle));
}
QString Result::cIndexReportText() const
{
    return reportNumber(cIndex);
}
QString Result::sIndexReportText() const
{
    return reportNumber(sIndex);
}
QString Result::angleScreenText() const
{
    return screenNumber(std::abs(angle));
}
QString Result::cIndexScreenText() const
{
    return screenNumber(cIndex);
}
QString Result::sIndexScreenText() const
{
    return screenNumber(sIndex);
}
QString Result::diagnosisText() const
{
    return Vingrys::diagnosisText(diagnosis);
}

} // namespace Vingrys
