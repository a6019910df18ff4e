// How the windows' own code (not the designed handlers, which keep their step traps)
// meets a failure: the rooms below throw typed exceptions whose what() is the sentence
// the user reads, and a window catches them here, in one way.
#pragma once

#include <QString>

#include <exception>
#include <optional>
#include <utility>

namespace bw {

// The sentence a typed exception carries.
inline QString whyOf(const std::exception& failure) { return QString::fromUtf8(failure.what()); }

// Runs `work`: nothing when it finished, the sentence of the exception it threw otherwise.
template <typename Work>
std::optional<QString> failureOf(Work&& work)
{
    try {
        std::forward<Work>(work)();
        return std::nullopt;
    } catch (const std::exception& failure) {
        return whyOf(failure);
    }
}

} // namespace bw
