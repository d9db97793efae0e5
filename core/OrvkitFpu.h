#pragma once

namespace orv {

/// Makes the floating-point unit's errors surface as exceptions, as the 80-bit unit
/// with its exceptions unmasked would: clears the sticky flags on construction and
/// `Check()` raises EInvalidOp, EZeroDivide or EOverflow for a flag set since then.
/// Underflow and inexact results stay silent (they are masked on the host too).
/// The previous flags are restored on destruction so that a caller's own check is
/// not disturbed.
class [[nodiscard]] TOrvFpuCheck {
public:
    TOrvFpuCheck();
    ~TOrvFpuCheck();
    TOrvFpuCheck(const TOrvFpuCheck&) = delete;
    TOrvFpuCheck& operator=(const TOrvFpuCheck&) = delete;

    void Check() const;
    /// Checks and passes the value through: `return fpu.Checked(a * b);`
    template <typename T>
    T Checked(T value) const
    {
        Check();
        return value;
    }

private:
    int fSaved;
};

} // namespace orv
