#pragma once

#include <QMap>
#include <QTest>

#include <cmath>

// Pearson's chi-square test of counts against expected weights at the 0.1 %
// level, the critical value by the Wilson-Hilferty approximation.
inline void verifyChiSquareFit(const QMap<int, int> &observed, const QMap<int, double> &weights)
{
    double totalWeight = 0, statistic = 0;
    int draws = 0;
    for (double w : weights)
        totalWeight += w;
    for (auto it = observed.cbegin(); it != observed.cend(); ++it) {
        QVERIFY2(weights.contains(it.key()), qPrintable(QStringLiteral("unexpected value %1").arg(it.key())));
        draws += it.value();
    }
    for (auto it = weights.cbegin(); it != weights.cend(); ++it) {
        const double expected = draws * it.value() / totalWeight;
        statistic += std::pow(observed.value(it.key()) - expected, 2) / expected;
    }
    const double k = weights.size() - 1, a = 2 / (9 * k);
    const double critical = k * std::pow(1 - a + 3.0902 * std::sqrt(a), 3);
    QVERIFY2(statistic < critical, qPrintable(QStringLiteral("chi-square %1 >= %2").arg(statistic).arg(critical)));
}
