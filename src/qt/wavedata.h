// SPDX-License-Identifier: GPL-3.0-or-later
// The samples and format of a RIFF WAVE file of 16-bit PCM.
#pragma once

#include <QByteArray>

#include <optional>

namespace jex::qt {

struct WaveData {
    int samplerate = 0;
    int channels = 0;
    QByteArray samples; // 16-bit little-endian, channels interleaved
};

// Anything but 16-bit PCM, or a file too damaged to find its samples in,
// gives nothing. A data chunk cut short keeps the whole frames it has.
std::optional<WaveData> parsewave(const QByteArray& file);

} // namespace jex::qt
