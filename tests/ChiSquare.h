#pragma once

#include <QMap>
#include <QTest>

#include <cmath>
#include <numeric>

// Pearson's chi-square test of counts against expected weights at the 0.1 %
// level, the critical value by the Wilson-Hilferty approximation. The values
// drawn must be exactly those weighted.
inline void verifyChiSquareFit(const QMap<int, int> &observed, const QMap<int, double> &weights)
{
    QCOMPARE(observed.keys(), weights.keys());
    const double totalWeight = std::accumulate(weights.cbegin(), weights.cend(), 0.0);
    const int draws = std::accumulate(observed.cbegin(), observed.cend(), 0);
    double statistic = 0;
    for (auto it = weights.cbegin(); it != weights.cend(); ++it) {
        const double expected = draws * it.value() / totalWeight;
        statistic += std::pow(observed.value(it.key()) - expected, 2) / expected;
    }
    const double k = weights.size() - 1, a = 2 / (9 * k);
    const double critical = k * std::pow(1 - a + 3.0902 * std::sqrt(a), 3);
    QVERIFY2(statistic < critical, qPrintable(QStringLiteral("chi-square %1 >= %2").arg(statistic).arg(critical)));
}
