#include <orvkit/core/OrvkitVector.h>

#include <orvkit/core/OrvkitExceptions.h>
#include <orvkit/core/OrvkitFpu.h>
#include <orvkit/core/OrvkitMath.h>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <utility>

namespace orv {

namespace {

constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("OrvkitVector", "Vector is Empty"),
    QT_TRANSLATE_NOOP("OrvkitVector", "Vector contains Negatives"),
    QT_TRANSLATE_NOOP("OrvkitVector", "Vector contains Zeroes"),
    QT_TRANSLATE_NOOP("OrvkitVector", "Vector contains values <= 0"),
};
static_assert(std::size(kTexts) == evmVectorNotPositive + 1);

void RequireElements(const TOrvFloatVector& v)
{
    if (v.empty())
        RaiseVectorError(evmVectorEmpty);
}

// Works on a copy so that a floating-point error half-way leaves the vector untouched.
template <typename Op>
void TransformAll(TOrvFloatVector& v, Op op)
{
    RequireElements(v);
    TOrvFpuCheck fpu;
    TOrvFloatVector result(v.size());
    std::transform(v.begin(), v.end(), result.begin(), op);
    fpu.Check();
    v = std::move(result);
}

// Checks the whole vector first, so a failing one is left as it was.
template <typename Op>
void TransformChecked(TOrvFloatVector& v, bool (*holds)(const TOrvFloatVector&), TOrvVectorMessage message, Op op)
{
    if (!holds(v))
        RaiseVectorError(message);
    TransformAll(v, op);
}

} // namespace

QString VectorMessageText(TOrvVectorMessage message)
{
    return QCoreApplication::translate("OrvkitVector", kTexts[message]);
}

void RaiseVectorError(TOrvVectorMessage message)
{
    throw EMathError(VectorMessageText(message));
}

bool VectorNoNegatives(const TOrvFloatVector& v)
{
    RequireElements(v);
    return std::none_of(v.begin(), v.end(), FloatIsNegative);
}

bool VectorNoZeroes(const TOrvFloatVector& v)
{
    RequireElements(v);
    return std::none_of(v.begin(), v.end(), FloatIsZero);
}

bool VectorIsZero(const TOrvFloatVector& v)
{
    RequireElements(v);
    return std::all_of(v.begin(), v.end(), FloatIsZero);
}

bool VectorAllPositive(const TOrvFloatVector& v)
{
    RequireElements(v);
    return std::all_of(v.begin(), v.end(), FloatIsPositive);
}

void VectorSquare(TOrvFloatVector& v)
{
    TransformAll(v, [](Extended x) { return x * x; });
}

void VectorSqrt(TOrvFloatVector& v)
{
    TransformChecked(v, VectorNoNegatives, evmVectorNegatives, [](Extended x) { return std::sqrt(x); });
}

void VectorReciprocal(TOrvFloatVector& v)
{
    TransformChecked(v, VectorNoZeroes, evmVectorZeroes, [](Extended x) { return 1.0L / x; });
}

void VectorLn(TOrvFloatVector& v)
{
    TransformChecked(v, VectorAllPositive, evmVectorNotPositive, [](Extended x) { return std::log(x); });
}

void VectorLog10(TOrvFloatVector& v)
{
    TransformChecked(v, VectorAllPositive, evmVectorNotPositive, SafeLog10);
}

void VectorScaleShift(TOrvFloatVector& v, Extended multiplier, Extended offset)
{
    TransformAll(v, [=](Extended x) { return multiplier * x + offset; });
}

void SortVector(TOrvFloatVector& v, bool ascending)
{
    if (v.size() < 2)
        return;
    const auto before = [ascending](Extended a, Extended b) { return ascending ? a < b : a > b; };
    // Indexes are signed because j steps below low at the end of a partition.
    std::vector<std::pair<int64_t, int64_t>> stack;
    stack.reserve(std::size_t(std::lround(std::log2(double(v.size())))) + 2);
    stack.emplace_back(0, int64_t(v.size()) - 1);
    while (!stack.empty()) {
        auto [low, high] = stack.back();
        stack.pop_back();
        while (low < high) {
            const Extended pivot = v[std::size_t((low + high) / 2)];
            int64_t i = low;
            int64_t j = high;
            do {
                // The bounds tests only matter for NaN elements, which compare false both ways.
                while (i <= high && before(v[std::size_t(i)], pivot))
                    ++i;
                while (j >= low && before(pivot, v[std::size_t(j)]))
                    --j;
                if (i <= j) {
                    std::swap(v[std::size_t(i)], v[std::size_t(j)]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            // Keep the larger part for later and go on with the smaller one, so the stack
            // never holds more than log2(n) entries.
            if (j - low < high - i) {
                if (i < high)
                    stack.emplace_back(i, high);
                high = j;
            } else {
                if (low < j)
                    stack.emplace_back(low, j);
                low = i;
            }
        }
    }
}

TOrvFloatVector CopyVector(const TOrvFloatVector& v)
{
    return v;
}

void FillVector(TOrvFloatVector& v, Extended x)
{
    std::fill(v.begin(), v.end(), x);
}

void ZeroVector(TOrvFloatVector& v)
{
    FillVector(v, 0.0L);
}

} // namespace orv
