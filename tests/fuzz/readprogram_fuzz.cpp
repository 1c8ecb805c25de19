// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all go to the program file reader: it must refuse or accept
// without a crash, and what it accepts must be written and read back alike.
#include "files/programfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const jex::ReadResult read = jex::readprogram(bytes);
    if (!read.program) return 0;
    const std::string written = jex::writeprogram(*read.program);
    const jex::ReadResult again = jex::readprogram(written);
    if (!again.program || jex::writeprogram(*again.program) != written) std::abort();
    return 0;
}
