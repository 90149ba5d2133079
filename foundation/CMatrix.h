#pragma once
// A small dense matrix of doubles for the least-squares solvers: element access, product, transpose,
// scaling and the inverse by Gauss-Jordan elimination with full pivoting. Row-major; zero-filled.
// A failed operation yields an empty matrix (0 x 0, not valid): callers test IsValid().
#include <cstddef>
#include <cstdint>
#include <vector>

class CMatrix {
public:
    // Requests of more elements than this fail like a failed allocation.
    static constexpr uint64_t kMaxElements = 536870911;

    CMatrix() = default;
    CMatrix(uint32_t rows, uint32_t cols);

    uint32_t GetRows() const { return rows_; }
    uint32_t GetCols() const { return cols_; }
    bool IsValid() const { return !data_.empty(); }

    // Returns 0 without storing when (i, j) is outside the matrix.
    int SetAt(uint32_t i, uint32_t j, double value);
    // The caller keeps (i, j) in range.
    double GetAt(uint32_t i, uint32_t j) const { return data_[static_cast<size_t>(i) * cols_ + j]; }
    // Returns 0 and changes nothing when a dimension is zero; otherwise new zeroed storage and 1.
    int Resize(uint32_t rows, uint32_t cols);

    // this x other; empty when the inner dimensions differ.
    CMatrix Multiply(const CMatrix& other) const;
    CMatrix Scale(double s) const;
    CMatrix Transpose() const;
    // The inverse; empty for a non-square matrix and for a singular one (the caller tells the user).
    CMatrix Inverse() const;

private:
    std::vector<double> data_;
    uint32_t rows_ = 0;
    uint32_t cols_ = 0;
};
