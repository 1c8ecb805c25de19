// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/pulsesoundplayer.h"

#include "core/textids.h"
#include "core/texts.h"

#include <QFile>

#include <pulse/simple.h>

namespace jex::qt {
namespace {

QString resourcepath(std::string_view name) {
    return QStringLiteral(":/sounds/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toUpper() +
           QStringLiteral(".WAV");
}

} // namespace

const WaveData* PulseSoundPlayer::wave(std::string_view name) {
    auto found = waves_.find(name);
    if (found == waves_.end()) {
        QFile file(resourcepath(name));
        std::optional<WaveData> data;
        if (file.open(QIODevice::ReadOnly)) data = parsewave(file.readAll());
        found = waves_.emplace(std::string(name), std::move(data)).first;
    }
    return found->second ? &*found->second : nullptr;
}

void PulseSoundPlayer::play(std::string_view name) {
    const WaveData* data = wave(name);
    if (!data || data->samples.isEmpty() || data->channels > static_cast<int>(PA_CHANNELS_MAX))
        return;

    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = static_cast<std::uint32_t>(data->samplerate);
    spec.channels = static_cast<std::uint8_t>(data->channels);
    const std::string title = text(textid::programtitle);
    pa_simple* stream = pa_simple_new(nullptr, title.c_str(), PA_STREAM_PLAYBACK, nullptr,
                                      title.c_str(), &spec, nullptr, nullptr, nullptr);
    if (!stream) return;
    if (pa_simple_write(stream, data->samples.constData(),
                        static_cast<std::size_t>(data->samples.size()), nullptr) == 0)
        pa_simple_drain(stream, nullptr);
    pa_simple_free(stream);
}

} // namespace jex::qt
