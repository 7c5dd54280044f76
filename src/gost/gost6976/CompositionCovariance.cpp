#include "gost/gost6976/CompositionCovariance.h"

#include "gost/gost6976/ComponentMapping.h"

namespace gost6976 {

size_t BalanceComponent(std::span<const PropertyEntry> entries) {
    size_t largest = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (IdentifierOf(entries[i].component) == u"methane") {
            return i;
        }
        if (entries[i].fraction > entries[largest].fraction) {
            largest = i;
        }
    }
    return largest;
}

double CompositionVariance(const CompositionCovariance& covariance, std::span<const double> c) {
    const std::vector<double>& u = covariance.uncertainty;
    double variance = 0.0;
    switch (covariance.mode) {
    case CorrelationMode3136921::Identity:
        for (size_t i = 0; i < c.size(); ++i) {
            variance += c[i] * c[i] * u[i] * u[i];
        }
        break;
    case CorrelationMode3136921::MethaneByDifference:
        for (size_t j = 0; j < c.size(); ++j) {
            if (j != covariance.balance) {
                const double d = c[j] - c[covariance.balance];
                variance += d * d * u[j] * u[j];
            }
        }
        break;
    case CorrelationMode3136921::Normalised: {
        double mean = 0.0;
        for (size_t i = 0; i < c.size(); ++i) {
            mean += c[i] * covariance.normalised[i];
        }
        for (size_t k = 0; k < c.size(); ++k) {
            const double d = c[k] - mean;
            variance += d * d * u[k] * u[k];
        }
        variance /= covariance.amountSum * covariance.amountSum;
        break;
    }
    }
    return variance;
}

std::vector<double> CovarianceMatrix(const CompositionCovariance& covariance) {
    const std::vector<double>& u = covariance.uncertainty;
    const size_t n = u.size();
    std::vector<double> matrix(n * n, 0.0);
    auto at = [&](size_t i, size_t j) -> double& { return matrix[i * n + j]; };
    switch (covariance.mode) {
    case CorrelationMode3136921::Identity:
        for (size_t i = 0; i < n; ++i) {
            at(i, i) = u[i] * u[i];
        }
        break;
    case CorrelationMode3136921::MethaneByDifference: {
        const size_t b = covariance.balance;
        for (size_t j = 0; j < n; ++j) {
            if (j != b) {
                at(j, j) = u[j] * u[j];
                at(b, j) = -u[j] * u[j];
                at(j, b) = -u[j] * u[j];
                at(b, b) += u[j] * u[j];
            }
        }
        break;
    }
    case CorrelationMode3136921::Normalised: {
        const double s = covariance.amountSum;
        const std::vector<double>& x = covariance.normalised;
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = 0; j < n; ++j) {
                double sum = 0.0;
                for (size_t k = 0; k < n; ++k) {
                    const double jik = ((i == k ? 1.0 : 0.0) - x[i]) / s;
                    const double jjk = ((j == k ? 1.0 : 0.0) - x[j]) / s;
                    sum += jik * u[k] * u[k] * jjk;
                }
                at(i, j) = sum;
            }
        }
        break;
    }
    }
    return matrix;
}

} // namespace gost6976
