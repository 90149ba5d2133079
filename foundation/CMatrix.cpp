#include "foundation/CMatrix.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

namespace {
// A remaining pivot this small relative to the matrix's largest entry means the rows are dependent
// (the normal equations of points on one line land here, far above the absolute test's reach).
constexpr double kRelativePivotLimit = 1e-12;

bool IsSingularPivot(double pivot, double largestEntry) {
    return pivot + 1.0 == 1.0 || pivot <= kRelativePivotLimit * largestEntry;
}

}  // namespace

CMatrix::CMatrix(uint32_t rows, uint32_t cols) {
    Resize(rows, cols);
}

int CMatrix::Resize(uint32_t rows, uint32_t cols) {
    if (rows == 0 || cols == 0) return 0;
    data_.clear();
    rows_ = cols_ = 0;
    const uint64_t count = static_cast<uint64_t>(rows) * cols;
    if (count > kMaxElements) return 0;
    try {
        data_.assign(static_cast<size_t>(count), 0.0);
    } catch (const std::bad_alloc&) {
        data_ = {};
        return 0;
    }
    rows_ = rows;
    cols_ = cols;
    return 1;
}

int CMatrix::SetAt(uint32_t i, uint32_t j, double value) {
    if (i >= rows_ || j >= cols_) return 0;
    data_[static_cast<size_t>(i) * cols_ + j] = value;
    return 1;
}

CMatrix CMatrix::Multiply(const CMatrix& other) const {
    if (other.rows_ != cols_ || !IsValid() || !other.IsValid()) return CMatrix();
    CMatrix result(rows_, other.cols_);
    for (uint32_t i = 0; i < rows_; ++i) {
        for (uint32_t j = 0; j < other.cols_; ++j) {
            double sum = 0.0;
            for (uint32_t k = 0; k < cols_; ++k) sum += GetAt(i, k) * other.GetAt(k, j);
            result.SetAt(i, j, sum);
        }
    }
    return result;
}

CMatrix CMatrix::Scale(double s) const {
    CMatrix result(*this);
    for (double& value : result.data_) value *= s;
    return result;
}

CMatrix CMatrix::Transpose() const {
    CMatrix result(cols_, rows_);
    for (uint32_t i = 0; i < rows_; ++i) {
        for (uint32_t j = 0; j < cols_; ++j) result.SetAt(j, i, GetAt(i, j));
    }
    return result;
}

CMatrix CMatrix::Inverse() const {
    if (rows_ != cols_ || !IsValid()) return CMatrix();
    const uint32_t n = rows_;
    CMatrix w(*this);
    auto at = [&w, n](uint32_t i, uint32_t j) -> double& { return w.data_[static_cast<size_t>(i) * n + j]; };

    double largestEntry = 0.0;
    for (double value : data_) largestEntry = std::max(largestEntry, std::fabs(value));

    std::vector<uint32_t> pivotRow(n), pivotCol(n);
    for (uint32_t k = 0; k < n; ++k) {
        double d = 0.0;
        for (uint32_t i = k; i < n; ++i) {
            for (uint32_t j = k; j < n; ++j) {
                // Only a strictly larger magnitude replaces the pivot: the first maximum wins.
                if (std::fabs(at(i, j)) > d) {
                    d = std::fabs(at(i, j));
                    pivotRow[k] = i;
                    pivotCol[k] = j;
                }
            }
        }
        if (IsSingularPivot(d, largestEntry)) {
            return CMatrix();
        }
        if (pivotRow[k] != k) {
            for (uint32_t j = 0; j < n; ++j) std::swap(at(k, j), at(pivotRow[k], j));
        }
        if (pivotCol[k] != k) {
            for (uint32_t i = 0; i < n; ++i) std::swap(at(i, k), at(i, pivotCol[k]));
        }
        at(k, k) = 1.0 / at(k, k);
        for (uint32_t j = 0; j < n; ++j) {
            if (j != k) at(k, j) *= at(k, k);
        }
        for (uint32_t i = 0; i < n; ++i) {
            if (i == k) continue;
            for (uint32_t j = 0; j < n; ++j) {
                if (j != k) at(i, j) -= at(i, k) * at(k, j);
            }
        }
        for (uint32_t i = 0; i < n; ++i) {
            if (i != k) at(i, k) = -at(i, k) * at(k, k);
        }
    }
    for (uint32_t k = n; k-- > 0;) {
        if (pivotCol[k] != k) {
            for (uint32_t j = 0; j < n; ++j) std::swap(at(k, j), at(pivotCol[k], j));
        }
        if (pivotRow[k] != k) {
            for (uint32_t i = 0; i < n; ++i) std::swap(at(i, k), at(i, pivotRow[k]));
        }
    }
    return w;
}
