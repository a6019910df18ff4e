// What the fuzzers of the drive readers hold every reading to, whatever the input.
#pragma once

#include "drives/drive.h"

#include <QBuffer>
#include <QByteArray>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace bw::drives::fuzz {

[[noreturn]] inline void fail(const char* what)
{
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

// Reads the bytes through `read` (a reader over a device) and checks what it gives: either
// drives or an error, and every drive whole (ends in range or unknown, a length that is a
// number and not below the rules' least, an end not before its start).
template <typename Read>
void check(const std::uint8_t* data, std::size_t size, Read read)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const DriveRules rules;
    const DriveRead result = read(device, rules);
    if (result.cancelled) fail("a reading nobody cancelled was cancelled");
    if (!result.error.isEmpty() && !result.drives.empty()) fail("a failed reading gave drives");
    for (const Drive& drive : result.drives) {
        for (const DriveEnd* end : {&drive.from, &drive.to})
            if (end->position.known() && !inRange(end->position)) fail("an end out of range");
        if (!std::isfinite(drive.metres) || drive.metres < rules.minMetres) fail("a bad length");
        if (drive.endMs - drive.startMs < rules.minSeconds * 1000LL) fail("a drive too short");
    }
}

} // namespace bw::drives::fuzz
