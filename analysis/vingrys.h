#pragma once

#include <QString>
#include <QVector>
#include <optional>

// Vector analysis of an arrangement: each step from one cap to the next is a
// colour-difference vector; the moments of inertia of the 85 vectors (84 steps
// and the one closing the ring) give the confusion angle, the C-index, the
// S-index and a suggested diagnosis.
//
// Contract: analyse() reads the first 85 values only and needs each of them in
// 0..85, the rows of the cap coordinate table. A shorter arrangement, or one
// holding any other number, gives std::nullopt; no table is indexed with an
// unchecked number. Arrangements that repeat caps are analysed by the same
// arithmetic; then the S-index grows without bound as the steps come to lie
// on one line, and is NaN when no step has any length.
namespace Vingrys {

constexpr int Positions = 85;
constexpr int MaxCap = 85;

enum class Diagnosis
{
    Protan,
    Duetan,
    Tritan,
    Ambiguous
};

struct Result
{
    double angle = 0.0; // degrees, signed: the sign decides the diagnosis
    double cIndex = 0.0;
    double sIndex = 0.0;
    Diagnosis diagnosis = Diagnosis::Ambiguous;

    // angle, C-index, S-index in that order.
    QVector<double> values() const { return {angle, cIndex, sIndex}; }

    // Report form: fixed notation, two decimals; the angle without its sign.
    QString angleReportText() const;
    QString cIndexReportText() const;
    QString sIndexReportText() const;
    // Screen form: six significant digits, shortest notation; the angle unsigned.
    QString angleScreenText() const;
    QString cIndexScreenText() const;
    QString sIndexScreenText() const;

    QString diagnosisText() const;
};

std::optional<Result> analyse(const QVector<int> &arrangement);

// First match wins: (-11, -4] Duetan, (0, 30] Protan, below -70 Tritan, else ambiguous.
Diagnosis diagnose(double angleDegrees);
// "Protan", "Duetan", "Tritan", "Ambigious Deficiency", translated (context AnalysisFormWidget).
QString diagnosisText(Diagnosis diagnosis);

QString reportNumber(double value); // fixed, two decimals
QString screenNumber(double value); // six significant digits, shortest notation

} // namespace Vingrys
