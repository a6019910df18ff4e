// libFuzzer target of the reader of on-device Timeline exports (Android and iOS).
#include "drives/timelinereader.h"
#include "drives_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    bw::drives::fuzz::check(data, size, [](QIODevice& device, const bw::drives::DriveRules& rules) {
        return bw::drives::readLocationExport(device, QStringLiteral("fuzz.json"), rules,
                                              bw::drives::LocationExport::Timeline);
    });
    return 0;
}
