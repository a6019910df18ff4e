// libFuzzer target of the GPX track reader.
#include "drives/gpxreader.h"
#include "drives_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    bw::drives::fuzz::check(data, size, [](QIODevice& device, const bw::drives::DriveRules& rules) {
        return bw::drives::readGpx(device, QStringLiteral("fuzz.gpx"), rules);
    });
    return 0;
}
