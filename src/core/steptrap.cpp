// Trapped procedures: describing a failure and reporting it with its step's label.
#include "core/steptrap.h"

#include "core/errorreport.h"

#include <QCoreApplication>

#include <new>
#include <stdexcept>

namespace bw {

QString describeFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate("StepTrap", "Out of memory");
    } catch (const std::exception& e) {
        const QString text = QString::fromUtf8(e.what());
        return text.isEmpty() ? QCoreApplication::translate("StepTrap", "Unknown error") : text;
    } catch (...) {
        return QCoreApplication::translate("StepTrap", "Unknown error");
    }
}

void StepTrap::report(std::exception_ptr failure)
{
    ++failures_;
    ErrorReport(describeFailure(failure), location_, label_);
}

} // namespace bw
