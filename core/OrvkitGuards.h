#pragma once

#include <utility>

namespace orv {

/// Sets a switch or setting for the length of a scope and restores the previous
/// value on every path out of it, exceptions included.
///   TOrvScopedValue posSign(GlobalShowPosSign, false);
template <typename T>
class [[nodiscard]] TOrvScopedValue {
public:
    TOrvScopedValue(T& target, T value) : fTarget(target), fSaved(std::exchange(target, std::move(value))) {}
    /// Only remembers the value, for code that changes it piecemeal afterwards.
    explicit TOrvScopedValue(T& target) : fTarget(target), fSaved(target) {}
    ~TOrvScopedValue() { fTarget = std::move(fSaved); }

    TOrvScopedValue(const TOrvScopedValue&) = delete;
    TOrvScopedValue& operator=(const TOrvScopedValue&) = delete;

    const T& Saved() const { return fSaved; }

private:
    T& fTarget;
    T fSaved;
};

} // namespace orv
