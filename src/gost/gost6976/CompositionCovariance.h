// The covariance of the molar fractions in the three correlation modes (ISO 6976:2016, Annex B, with
// GUM propagation through the relation that ties the fractions together):
// - identity: the fractions are uncorrelated, U = diag(u²(x_i));
// - methane by difference: x_b = 1 − Σ_{j≠b} x_j, so u²(x_b) = Σ_{j≠b} u²(x_j), cov(x_b, x_j) = −u²(x_j)
//   and the other fractions stay uncorrelated;
// - normalised: x_i = y_i/S with S = Σ y_k and uncorrelated raw amounts y_k, so U = J·diag(u²(y))·Jᵀ with
//   J_ik = (δ_ik − x_i)/S.
// In the last two modes the fractions sum to one exactly, so every row of U sums to zero.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gost/gost6976/include/Tarvel3136921.h"

namespace gost6976 {

struct CompositionCovariance {
    CorrelationMode3136921 mode = CorrelationMode3136921::Identity;
    std::vector<double> uncertainty; // u(x_i), or u(y_k) of the raw amounts in the normalised mode
    size_t balance = 0;              // the fraction by difference
    std::vector<double> normalised;  // x_k = y_k/S of the raw amounts, normalised mode only
    double amountSum = 1.0;          // S, normalised mode only
};

// The component whose fraction is taken by difference: the first "methane", else the largest fraction.
size_t BalanceComponent(std::span<const PropertyEntry> entries);

// Variance cᵀ·U·c of a quantity whose sensitivities to the fractions are c, computed in the closed form
// of each mode: Σ c_i²u_i²; Σ_{j≠b} (c_j − c_b)²·u_j²; Σ_k (c_k − Σ_i c_i·x_i)²·u²(y_k)/S².
double CompositionVariance(const CompositionCovariance& covariance, std::span<const double> c);

// The full matrix U, row by row (n × n), for checking and documentation.
std::vector<double> CovarianceMatrix(const CompositionCovariance& covariance);

} // namespace gost6976
