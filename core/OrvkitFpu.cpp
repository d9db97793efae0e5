#include <orvkit/core/OrvkitFpu.h>

#include <orvkit/core/OrvkitExceptions.h>

#include <QCoreApplication>
#include <cfenv>

namespace orv {

namespace {
constexpr int kTrapped = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
}

// Clearing rewrites the whole floating-point environment and costs many times a test,
// so flags are cleared only when some are set.
TOrvFpuCheck::TOrvFpuCheck() : fSaved(std::fetestexcept(kTrapped))
{
    if (fSaved != 0)
        std::feclearexcept(kTrapped);
}

TOrvFpuCheck::~TOrvFpuCheck()
{
    if (std::fetestexcept(kTrapped) != 0)
        std::feclearexcept(kTrapped);
    if (fSaved != 0)
        std::feraiseexcept(fSaved);
}

void TOrvFpuCheck::Check() const
{
    const int raised = std::fetestexcept(kTrapped);
    if (raised == 0)
        return;
    std::feclearexcept(kTrapped);
    if (raised & FE_INVALID)
        throw EInvalidOp(QCoreApplication::translate("OrvkitFpu", "Invalid floating point operation"));
    if (raised & FE_DIVBYZERO)
        throw EZeroDivide(QCoreApplication::translate("OrvkitFpu", "Floating point division by zero"));
    throw EOverflow(QCoreApplication::translate("OrvkitFpu", "Floating point overflow"));
}

} // namespace orv
