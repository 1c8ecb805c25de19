// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/wavedata.h"

#include <QtEndian>

namespace jex::qt {
namespace {

constexpr qsizetype chunkheader = 8;

quint32 read32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 read16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

struct Format {
    quint16 encoding = 0;
    quint16 channels = 0;
    quint32 samplerate = 0;
    quint16 bitspersample = 0;
};

} // namespace

std::optional<WaveData> parsewave(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return {};

    std::optional<Format> format;
    qsizetype at = 12;
    while (at + chunkheader <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = read32(file, at + 4);
        const qsizetype body = at + chunkheader;
        const qsizetype available = std::min(size, file.size() - body);
        if (id == "fmt ") {
            if (available < 16) return {};
            format = Format{read16(file, body), read16(file, body + 2), read32(file, body + 4),
                            read16(file, body + 14)};
        } else if (id == "data") {
            if (!format || format->encoding != 1 || format->bitspersample != 16 ||
                format->channels == 0 || format->samplerate == 0 || format->samplerate > 384000)
                return {};
            const qsizetype frame = 2 * format->channels;
            return WaveData{static_cast<int>(format->samplerate), format->channels,
                            file.mid(body, available - available % frame)};
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return {};
}

} // namespace jex::qt
