#include <gtest/gtest.h>

#include "foundation/CMatrix.h"
#include "platform/messages/MessageBoxScript.h"

namespace {
CMatrix Make(uint32_t rows, uint32_t cols, std::initializer_list<double> values) {
    CMatrix m(rows, cols);
    uint32_t k = 0;
    for (double v : values) {
        m.SetAt(k / cols, k % cols, v);
        ++k;
    }
    return m;
}

void ExpectIdentity(const CMatrix& m, double tolerance) {
    ASSERT_TRUE(m.IsValid());
    for (uint32_t i = 0; i < m.GetRows(); ++i) {
        for (uint32_t j = 0; j < m.GetCols(); ++j) EXPECT_NEAR(m.GetAt(i, j), i == j ? 1.0 : 0.0, tolerance);
    }
}
}  // namespace

TEST(CMatrix, NewStorageIsZeroAndSetAtRefusesOutsideIndexes) {
    CMatrix m(2, 3);
    EXPECT_TRUE(m.IsValid());
    for (uint32_t i = 0; i < 2; ++i) {
        for (uint32_t j = 0; j < 3; ++j) EXPECT_EQ(m.GetAt(i, j), 0.0);
    }
    EXPECT_EQ(m.SetAt(2, 0, 5.0), 0);
    EXPECT_EQ(m.SetAt(0, 3, 5.0), 0);
    EXPECT_EQ(m.SetAt(1, 2, 5.0), 1);
    EXPECT_EQ(m.GetAt(1, 2), 5.0);

    EXPECT_FALSE(CMatrix(0, 4).IsValid());
    EXPECT_FALSE(CMatrix(70000, 70000).IsValid());
    EXPECT_EQ(m.Resize(0, 2), 0);
    EXPECT_EQ(m.GetAt(1, 2), 5.0);
    EXPECT_EQ(m.Resize(3, 1), 1);
    EXPECT_EQ(m.GetAt(2, 0), 0.0);
}

TEST(CMatrix, ProductTransposeAndScale) {
    const CMatrix a = Make(2, 3, {1, 2, 3, 4, 5, 6});
    const CMatrix b = Make(3, 2, {7, 8, 9, 10, 11, 12});
    const CMatrix p = a.Multiply(b);
    ASSERT_EQ(p.GetRows(), 2u);
    ASSERT_EQ(p.GetCols(), 2u);
    EXPECT_EQ(p.GetAt(0, 0), 58.0);
    EXPECT_EQ(p.GetAt(0, 1), 64.0);
    EXPECT_EQ(p.GetAt(1, 0), 139.0);
    EXPECT_EQ(p.GetAt(1, 1), 154.0);

    const CMatrix t = a.Transpose();
    ASSERT_EQ(t.GetRows(), 3u);
    EXPECT_EQ(t.GetAt(2, 1), 6.0);
    EXPECT_EQ(a.Scale(-2.0).GetAt(1, 0), -8.0);
    EXPECT_EQ(a.GetAt(1, 0), 4.0);
}

TEST(CMatrix, MismatchedProductAndNonSquareInverseFail) {
    CMessageBoxScript boxes;
    const CMatrix a = Make(3, 2, {1, 2, 3, 4, 5, 6});
    const CMatrix product = a.Multiply(a);
    EXPECT_FALSE(product.IsValid());
    EXPECT_EQ(product.GetRows(), 0u);
    EXPECT_FALSE(Make(2, 3, {1, 2, 3, 4, 5, 6}).Inverse().IsValid());
    EXPECT_EQ(boxes.Shown().size(), 0u);
}

TEST(CMatrix, InverseNeedsRowAndColumnSwaps) {
    CMessageBoxScript boxes;
    const CMatrix swap = Make(2, 2, {0, 1, 1, 0});
    const CMatrix inv = swap.Inverse();
    ASSERT_TRUE(inv.IsValid());
    EXPECT_EQ(inv.GetAt(0, 1), 1.0);
    EXPECT_EQ(inv.GetAt(1, 0), 1.0);
    EXPECT_EQ(inv.GetAt(0, 0), 0.0);

    const CMatrix diag = Make(3, 3, {2, 0, 0, 0, 4, 0, 0, 0, -8});
    const CMatrix d = diag.Inverse();
    EXPECT_EQ(d.GetAt(0, 0), 0.5);
    EXPECT_EQ(d.GetAt(1, 1), 0.25);
    EXPECT_EQ(d.GetAt(2, 2), -0.125);

    // A general matrix whose pivots wander: A * A^-1 must be the identity.
    const CMatrix m = Make(4, 4, {0, 2, 1, 3, 1, 0, 4, 2, 5, 1, 0, 1, 2, 3, 1, 0});
    ExpectIdentity(m.Multiply(m.Inverse()), 1e-12);
    ExpectIdentity(m.Inverse().Multiply(m), 1e-12);
    EXPECT_EQ(boxes.Shown().size(), 0u);
}

TEST(CMatrix, SingularMatricesGiveAnEmptyResultAndTellNobody) {
    CMessageBoxScript boxes;
    EXPECT_FALSE(CMatrix(3, 3).Inverse().IsValid());
    EXPECT_FALSE(Make(3, 3, {1, 2, 3, 1, 2, 3, 0, 1, 5}).Inverse().IsValid());
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(CMatrix, TinyPivotsAreJudgedAgainstOneAndAgainstTheMatrixScale) {
    EXPECT_FALSE(Make(1, 1, {1e-17}).Inverse().IsValid());
    const CMatrix small = Make(2, 2, {1e-15, 0, 0, 1e-15}).Inverse();
    ASSERT_TRUE(small.IsValid());
    EXPECT_NEAR(small.GetAt(0, 0), 1e15, 1.0);

    // Normal equations of a plane fit through points on one line: singular in exact arithmetic, but
    // rounding leaves a last pivot far above 1e-17.
    CMatrix design(4, 3);
    const double east[4] = {12.345, 101.77, 233.1, 310.9};
    for (uint32_t i = 0; i < 4; ++i) {
        design.SetAt(i, 0, 1.0);
        design.SetAt(i, 1, east[i]);
        design.SetAt(i, 2, 0.3 * east[i] + 0.1);
    }
    const CMatrix normal = design.Transpose().Multiply(design);
    EXPECT_FALSE(normal.Inverse().IsValid());
}
