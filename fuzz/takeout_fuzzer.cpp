// libFuzzer target of the reader of Takeout's Semantic Location History.
#include "drives/timelinereader.h"
#include "drives_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    bw::drives::fuzz::check(data, size, [](QIODevice& device, const bw::drives::DriveRules& rules) {
        return bw::drives::readLocationExport(device, QStringLiteral("fuzz.json"), rules,
                                              bw::drives::LocationExport::Takeout);
    });
    return 0;
}
