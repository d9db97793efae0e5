#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace orv {

/// The calculator engine's operand and operator stacks: room for 10 entries in place
/// (so that an engine costs no allocation to build), growing without limit. When a push
/// finds the top at or past the last slot the length becomes top + 5; pops only move
/// the top. Every access is checked, so no key sequence can reach outside the stack.
template <typename T>
class TOrvCalcStack {
public:
    static constexpr int32_t InitialLength = 10;

    /// Index of the top entry; -1 when empty.
    int32_t TopIndex() const { return fTop; }
    bool IsEmpty() const { return fTop < 0; }
    int32_t Length() const { return fSpill.empty() ? InitialLength : static_cast<int32_t>(fSpill.size()); }

    void Push(T value)
    {
        if (fTop >= Length() - 1)
            Grow(fTop + 5);
        ++fTop;
        Data()[fTop] = value;
    }
    void Pop()
    {
        if (fTop >= 0)
            --fTop;
    }
    void Clear() { fTop = -1; }
    /// Drops everything above `index`.
    void TruncateTo(int32_t index)
    {
        if (index >= -1 && index < fTop)
            fTop = index;
    }

    T& At(int32_t index)
    {
        if (index < 0 || index > fTop)
            throw std::out_of_range("calculator stack index out of range");
        return Data()[index];
    }
    const T& At(int32_t index) const { return const_cast<TOrvCalcStack*>(this)->At(index); }
    T& Top() { return At(fTop); }
    const T& Top() const { return At(fTop); }

private:
    T* Data() { return fSpill.empty() ? fInline.data() : fSpill.data(); }
    void Grow(int32_t length)
    {
        if (fSpill.empty())
            fSpill.assign(fInline.begin(), fInline.end());
        fSpill.resize(static_cast<std::size_t>(length));
    }

    std::array<T, InitialLength> fInline{};
    std::vector<T> fSpill; ///< used instead of fInline once the stack has grown
    int32_t fTop = -1;
};

} // namespace orv
