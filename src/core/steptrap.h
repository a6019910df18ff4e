// Runs the labelled steps of a trapped procedure, reporting each step that fails.
#pragma once

#include <QString>

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

namespace bw {

// The description a failure shows in the error report: the exception's what() for
// our typed errors and the standard ones.
QString describeFailure(std::exception_ptr failure);

// Runs the labelled steps of one trapped procedure. A step that throws is reported
// with the procedure's location and the step's label, and the procedure goes on with
// the next step; nothing is rolled back.
class StepTrap {
public:
    explicit StepTrap(QString location) : location_(std::move(location)) {}

    // A plain step. Returns true when it finished without failure.
    template <class F>
    bool run(int label, F&& step)
    {
        label_ = label;
        try {
            std::forward<F>(step)();
            return true;
        } catch (...) {
            report(std::current_exception());
            return false;
        }
    }

    // A step that computes a value; nothing when it failed (and was reported).
    template <class F>
    auto value(int label, F&& step) -> std::optional<std::invoke_result_t<F>>
    {
        label_ = label;
        try {
            return std::forward<F>(step)();
        } catch (...) {
            report(std::current_exception());
            return std::nullopt;
        }
    }

    // The test of a condition. When the test itself fails, execution resumes with the
    // first guarded statement, so the test counts as passed.
    template <class F>
    bool test(int label, F&& condition)
    {
        return value(label, std::forward<F>(condition)).value_or(true);
    }

    // The test of a loop. A failing test is reported once and the loop is left, so a
    // test that fails on every pass never shows an endless run of boxes.
    template <class F>
    bool loopTest(int label, F&& condition)
    {
        return value(label, std::forward<F>(condition)).value_or(false);
    }

    int label() const { return label_; }
    int failures() const { return failures_; }
    const QString& location() const { return location_; }

private:
    void report(std::exception_ptr failure);

    QString location_;
    int label_ = 0;
    int failures_ = 0;
};

} // namespace bw
