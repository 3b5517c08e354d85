#pragma once

#include <QVector>
#include <optional>

// The error-score arithmetic of the arrangement test.
//
// Arrangements shorter than 85 values are not valid: every function taking an
// arrangement then returns "no result" (an empty vector or std::nullopt) and
// never reads past the values it was given. Only the first 85 values are used.
namespace Scoring {

// Error score of the cap at each of the 85 positions (closed ring, cap 85
// counted as 0 inside tray 1). Empty when the arrangement is short.
QVector<int> positionScores(const QVector<int> &arrangement);

// Sum over the positions of (position score - 2); nullopt when the arrangement is short.
std::optional<int> totalErrorScore(const QVector<int> &arrangement);

} // namespace Scoring
