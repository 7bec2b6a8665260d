#pragma once

#include <QMap>

#include <cmath>

// Pearson's chi-square statistic of observed counts against expected
// weights, and the critical value it must stay under for a test at the
// 0.1 % level (Wilson-Hilferty approximation, close enough from 2 degrees
// of freedom on).
struct ChiSquare
{
    double statistic = 0;
    int degreesOfFreedom = 0;

    static ChiSquare of(const QMap<int, int> &observed, const QMap<int, double> &weights)
    {
        double totalWeight = 0;
        for (double w : weights)
            totalWeight += w;
        int draws = 0;
        for (int n : observed)
            draws += n;

        ChiSquare result;
        for (auto it = weights.cbegin(); it != weights.cend(); ++it) {
            const double expected = draws * it.value() / totalWeight;
            const double diff = observed.value(it.key()) - expected;
            result.statistic += diff * diff / expected;
        }
        result.degreesOfFreedom = int(weights.size()) - 1;
        return result;
    }

    double criticalValue() const
    {
        constexpr double z = 3.0902; // upper 0.1 % point of the normal distribution
        const double k = degreesOfFreedom;
        const double a = 2.0 / (9.0 * k);
        return k * std::pow(1.0 - a + z * std::sqrt(a), 3);
    }
};
