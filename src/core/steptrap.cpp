// Trapped procedures: describing a failure and reporting it with its step's label.
#include "core/steptrap.h"

#include "core/errorreport.h"

#include <new>
#include <stdexcept>

namespace bw {

QString describeFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        const QString text = QString::fromUtf8(e.what());
        return text.isEmpty() ? QStringLiteral("Unknown error") : text;
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void StepTrap::report(std::exception_ptr failure)
{
    ++failures_;
    ErrorReport(describeFailure(failure), location_, label_);
}

} // namespace bw
