#include "gost/gost34704/Balancing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "gost/gost34704/GasSums.h"
#include "gost/gost34704/PartialMethaneNumber.h"

namespace gost34704 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The partial methane numbers count as balanced when the squares of the differences between consecutive
// ones sum to at most kBalancedMismatch (differences of about 1e-9). After kMaxBalanceSteps steps without
// balance the smallest row leaves; a split whose methane numbers still differ by more than
// kAcceptedSpread after kMaxIterations steps is not balanced. A step is halved at most kMaxHalvings times.
constexpr int kMaxIterations = 200;
constexpr int kMaxBalanceSteps = 50;
constexpr int kMaxHalvings = 30;
constexpr double kBalancedMismatch = 1e-18;
constexpr double kAcceptedSpread = 1e-7;

// Amounts a step brings to within this of zero (volume %) become zero.
constexpr double kRoundingZero = 100.0 * kZeroTolerance;
constexpr int kMaxConditions = kUsedMixtureCount - 1;

// The amounts of a split as one vector, row by row.
constexpr int kVectorSize = kUsedMixtureCount * kSimplifiedCount;
using Vector = std::array<double, kVectorSize>;

double Dot(const Vector& left, const Vector& right) {
    double sum = 0.0;
    for (int i = 0; i < kVectorSize; ++i) {
        sum += left[i] * right[i];
    }
    return sum;
}

// Solves the n × n system in place by Gaussian elimination with partial pivoting; false when singular.
bool SolveInPlace(double (&matrix)[kMaxConditions][kMaxConditions], double (&rhs)[kMaxConditions], int n) {
    double scale = 0.0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            scale = std::max(scale, std::fabs(matrix[i][j]));
        }
    }
    if (!(scale > 0.0) || !std::isfinite(scale)) {
        return false;
    }
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        for (int i = k + 1; i < n; ++i) {
            if (std::fabs(matrix[i][k]) > std::fabs(matrix[pivot][k])) {
                pivot = i;
            }
        }
        if (std::fabs(matrix[pivot][k]) <= 1e-13 * scale) {
            return false;
        }
        if (pivot != k) {
            std::swap(matrix[pivot], matrix[k]);
            std::swap(rhs[pivot], rhs[k]);
        }
        for (int i = k + 1; i < n; ++i) {
            const double factor = matrix[i][k] / matrix[k][k];
            for (int j = k; j < n; ++j) {
                matrix[i][j] -= factor * matrix[k][j];
            }
            rhs[i] -= factor * rhs[k];
        }
    }
    for (int k = n - 1; k >= 0; --k) {
        double sum = rhs[k];
        for (int j = k + 1; j < n; ++j) {
            sum -= matrix[k][j] * rhs[j];
        }
        rhs[k] = sum / matrix[k][k];
    }
    return true;
}

// What the balancing changes: the amounts, which rows take part, and which amounts are held at zero
// (not members of the row's mixture, of a component the gas lacks, or of a row that left).
struct BalanceState {
    Vector amount = {};
    bool takesPart[kUsedMixtureCount] = {};
    bool held[kVectorSize] = {};
    PartialSlope slope[kUsedMixtureCount] = {}; // of the rows taking part, for the amounts above
};

int Index(int row, int component) {
    return row * kSimplifiedCount + component;
}

class Balancer {
public:
    Balancer(const Split& mixes, int choice) {
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            mixture_[row] = &PartialMixtureAt(UsedMixtureNumber(choice, row));
            for (int component = 0; component < kSimplifiedCount; ++component) {
                state_.amount[Index(row, component)] = mixes[row][component];
            }
        }
        for (int component = 0; component < kSimplifiedCount; ++component) {
            columnTotal_[component] = 0.0;
            for (int row = 0; row < kUsedMixtureCount; ++row) {
                columnTotal_[component] += mixes[row][component];
            }
        }
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            state_.takesPart[row] = RowTotal(state_, row) > kZeroTolerance;
            for (int component = 0; component < kSimplifiedCount; ++component) {
                state_.held[Index(row, component)] = !state_.takesPart[row] ||
                                                     !Contains(*mixture_[row], component) ||
                                                     !(columnTotal_[component] > kZeroTolerance);
            }
        }
        Evaluate(state_);
    }

    // Newton steps from the split passed in, each the least-squares change of the amounts that meets the
    // conditions linearised at the current split (column totals kept, the partial methane numbers equal),
    // halved until the mismatch of the methane numbers falls. A step stops where the first amount reaches
    // zero; an amount at zero that a step would lower is held for that step; a row emptied leaves. When
    // no step makes progress, the smallest row gives its amounts to the others and leaves.
    BalanceOutcome Run() {
        int presentComponents = 0;
        for (double total : columnTotal_) {
            presentComponents += total > kZeroTolerance ? 1 : 0;
        }
        if (presentComponents < 2) {
            return BalanceOutcome::NotBalanced; // one hydrocarbon: each partial mixture's value is fixed
        }
        int balanceSteps = 0;
        for (int pass = 0; pass < kMaxIterations; ++pass) {
            if (ParticipantCount(state_) < 2) {
                return BalanceOutcome::Balanced;
            }
            const double mismatch = Mismatch(state_);
            if (!std::isfinite(mismatch)) {
                return BalanceOutcome::NotBalanced;
            }
            if (mismatch <= kBalancedMismatch) {
                return BalanceOutcome::Balanced;
            }
            if (balanceSteps < kMaxBalanceSteps && BalanceStep(mismatch)) {
                ++balanceSteps;
            } else if (RemoveSmallestRow()) {
                balanceSteps = 0;
            } else {
                return BalanceOutcome::NotBalanced;
            }
        }
        return Spread(state_) <= kAcceptedSpread ? BalanceOutcome::Balanced : BalanceOutcome::NotBalanced;
    }

    // The split reached, each column scaled back to its total (undoing the rounding of many steps).
    void WriteBack(Split& mixes) const {
        for (int component = 0; component < kSimplifiedCount; ++component) {
            double total = 0.0;
            for (int row = 0; row < kUsedMixtureCount; ++row) {
                total += state_.amount[Index(row, component)];
            }
            const double scale = total > 0.0 ? columnTotal_[component] / total : 1.0;
            for (int row = 0; row < kUsedMixtureCount; ++row) {
                mixes[row][component] = state_.amount[Index(row, component)] * scale;
            }
        }
    }

private:
    double RowTotal(const BalanceState& state, int row) const {
        double total = 0.0;
        for (int component : mixture_[row]->components) {
            total += state.amount[Index(row, component)];
        }
        return total;
    }

    // Computes the participants' methane numbers and slopes after the amounts changed.
    void Evaluate(BalanceState& state) const {
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            if (!state.takesPart[row]) {
                continue;
            }
            double amounts[kSimplifiedCount];
            for (int component = 0; component < kSimplifiedCount; ++component) {
                amounts[component] = state.amount[Index(row, component)];
            }
            state.slope[row] = PartialMethaneNumberWithSlope(*mixture_[row], amounts);
        }
    }

    static int ParticipantCount(const BalanceState& state) {
        return static_cast<int>(std::count(std::begin(state.takesPart), std::end(state.takesPart), true));
    }

    // Σ of the squared differences between consecutive participants' methane numbers.
    double Mismatch(const BalanceState& state) const {
        double sum = 0.0;
        double previous = kNaN;
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            if (!state.takesPart[row]) {
                continue;
            }
            const double value = state.slope[row].value;
            if (!std::isnan(previous)) {
                sum += (value - previous) * (value - previous);
            }
            previous = value;
        }
        return sum;
    }

    double Spread(const BalanceState& state) const {
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -lowest;
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            if (state.takesPart[row]) {
                const double value = state.slope[row].value;
                lowest = std::min(lowest, value);
                highest = std::max(highest, value);
            }
        }
        return highest - lowest;
    }

    // The least-squares step for the conditions linearised at the current split. Amounts at zero that the
    // step would lower are held and the step is solved again.
    bool ComputeStep(const BalanceState& state, Vector& step) const {
        bool held[kVectorSize];
        std::copy(std::begin(state.held), std::end(state.held), std::begin(held));
        for (int attempt = 0; attempt <= kVectorSize; ++attempt) {
            if (!SolveStep(state, held, step)) {
                return false;
            }
            bool changed = false;
            for (int i = 0; i < kVectorSize; ++i) {
                if (!held[i] && state.amount[i] <= kZeroTolerance && step[i] < 0.0) {
                    held[i] = true;
                    changed = true;
                }
            }
            if (!changed) {
                return true;
            }
        }
        return false;
    }

    // Confines a change to the free amounts and makes it keep every column total: the free entries of
    // each column lose their mean.
    static void ProjectOnColumnTotals(const bool (&held)[kVectorSize], Vector& change) {
        for (int component = 0; component < kSimplifiedCount; ++component) {
            double sum = 0.0;
            int free = 0;
            for (int row = 0; row < kUsedMixtureCount; ++row) {
                const int i = Index(row, component);
                if (held[i]) {
                    change[i] = 0.0;
                } else {
                    sum += change[i];
                    ++free;
                }
            }
            for (int row = 0; row < kUsedMixtureCount; ++row) {
                const int i = Index(row, component);
                if (!held[i]) {
                    change[i] -= sum / free;
                }
            }
        }
    }

    // With P the projection above, G the rows of the linearised differences of consecutive participants'
    // methane numbers and h the differences: d = P·Gᵀ·λ with (G·P·Gᵀ)·λ = h is the least-squares d that
    // keeps the column totals and meets G·d = h.
    bool SolveStep(const BalanceState& state, const bool (&held)[kVectorSize], Vector& step) const {
        const PartialSlope* slope = state.slope;
        int participants[kUsedMixtureCount];
        int participantCount = 0;
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            if (state.takesPart[row]) {
                participants[participantCount++] = row;
            }
        }
        const int conditionCount = participantCount - 1;
        Vector projected[kMaxConditions] = {};
        double multiplier[kMaxConditions] = {};
        for (int p = 0; p < conditionCount; ++p) {
            const int first = participants[p];
            const int second = participants[p + 1];
            for (int component = 0; component < kSimplifiedCount; ++component) {
                projected[p][Index(first, component)] = slope[first].slope[component];
                projected[p][Index(second, component)] = -slope[second].slope[component];
            }
            ProjectOnColumnTotals(held, projected[p]);
            multiplier[p] = slope[second].value - slope[first].value;
        }
        double normal[kMaxConditions][kMaxConditions] = {};
        for (int p = 0; p < conditionCount; ++p) {
            for (int q = 0; q < conditionCount; ++q) {
                normal[p][q] = Dot(projected[p], projected[q]);
            }
        }
        if (!SolveInPlace(normal, multiplier, conditionCount)) {
            return false;
        }
        for (int i = 0; i < kVectorSize; ++i) {
            double sum = 0.0;
            for (int p = 0; p < conditionCount; ++p) {
                sum += multiplier[p] * projected[p][i];
            }
            step[i] = sum;
        }
        return true;
    }

    // The largest fraction (at most 1) of the step that keeps every amount from turning negative.
    static double FractionToBoundary(const BalanceState& state, const Vector& step) {
        double fraction = 1.0;
        for (int i = 0; i < kVectorSize; ++i) {
            if (step[i] < 0.0 && state.amount[i] + step[i] < 0.0) {
                fraction = std::min(fraction, std::max(0.0, state.amount[i]) / -step[i]);
            }
        }
        return fraction;
    }

    // Moves the split by fraction·step; an amount brought within rounding of zero becomes zero, and a
    // row left empty leaves. Returns the largest change of an amount.
    double Apply(BalanceState& state, const Vector& step, double fraction) const {
        double largest = 0.0;
        for (int i = 0; i < kVectorSize; ++i) {
            const double change = fraction * step[i];
            if (change == 0.0) {
                continue;
            }
            const double moved = state.amount[i] + change;
            state.amount[i] = moved <= kRoundingZero ? 0.0 : moved;
            largest = std::max(largest, std::fabs(change));
        }
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            if (state.takesPart[row] && !(RowTotal(state, row) > kZeroTolerance)) {
                state.takesPart[row] = false;
                for (int component = 0; component < kSimplifiedCount; ++component) {
                    state.amount[Index(row, component)] = 0.0;
                    state.held[Index(row, component)] = true;
                }
            }
        }
        Evaluate(state);
        return largest;
    }

    // One step towards balance: the boundary step when it does not worsen the mismatch, otherwise the
    // step halved until the mismatch falls (Armijo's condition). False when no such step is found.
    bool BalanceStep(double mismatch) {
        Vector step;
        if (!ComputeStep(state_, step)) {
            return false;
        }
        const double boundary = FractionToBoundary(state_, step);
        double fraction = boundary;
        for (int halving = 0; halving < kMaxHalvings && fraction > 0.0; ++halving) {
            BalanceState trial = state_;
            Apply(trial, step, fraction);
            const double reached = Mismatch(trial);
            const bool boundaryStep = halving == 0 && boundary < 1.0 && reached <= mismatch;
            if (ParticipantCount(trial) < 2 || boundaryStep || reached < (1.0 - 1e-4 * fraction) * mismatch) {
                state_ = trial;
                return true;
            }
            fraction *= 0.5;
        }
        return false;
    }

    // The smallest participating row gives its amounts in equal parts to the other participants
    // containing them and leaves; false when some amount has nowhere to go.
    bool RemoveSmallestRow() {
        int smallest = -1;
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            if (state_.takesPart[row] &&
                (smallest < 0 || RowTotal(state_, row) < RowTotal(state_, smallest))) {
                smallest = row;
            }
        }
        if (smallest < 0) {
            return false;
        }
        int receivers[kSimplifiedCount] = {};
        for (int component : mixture_[smallest]->components) {
            for (int row = 0; row < kUsedMixtureCount; ++row) {
                if (row != smallest && state_.takesPart[row] && Contains(*mixture_[row], component)) {
                    ++receivers[component];
                }
            }
            if (state_.amount[Index(smallest, component)] > 0.0 && receivers[component] == 0) {
                return false;
            }
        }
        for (int component : mixture_[smallest]->components) {
            const double amount = state_.amount[Index(smallest, component)];
            state_.amount[Index(smallest, component)] = 0.0;
            state_.held[Index(smallest, component)] = true;
            if (!(amount > 0.0)) {
                continue;
            }
            for (int row = 0; row < kUsedMixtureCount; ++row) {
                if (row != smallest && state_.takesPart[row] && Contains(*mixture_[row], component)) {
                    state_.amount[Index(row, component)] += amount / receivers[component];
                    state_.held[Index(row, component)] = false;
                }
            }
        }
        state_.takesPart[smallest] = false;
        Evaluate(state_);
        return true;
    }

    const PartialMixture* mixture_[kUsedMixtureCount] = {};
    BalanceState state_;
    double columnTotal_[kSimplifiedCount] = {};
};

} // namespace

BalanceOutcome BalanceSplit(Split& mixes, int choice) {
    Balancer balancer(mixes, choice);
    const BalanceOutcome outcome = balancer.Run();
    balancer.WriteBack(mixes);
    return outcome;
}

} // namespace gost34704
