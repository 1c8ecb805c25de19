// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the WAVE sounds carried in the program's resources through the sound
// server (PulseAudio, or PipeWire's PulseAudio service).
#pragma once

#include "qt/soundplayer.h"
#include "qt/wavedata.h"

#include <map>
#include <optional>
#include <string>

namespace jex::qt {

class PulseSoundPlayer final : public SoundPlayer {
  public:
    // Blocks until the sound has played; returns at once when no sound server
    // answers or the sound is not among the resources.
    void play(std::string_view name) override;

  private:
    const WaveData* wave(std::string_view name);

    std::map<std::string, std::optional<WaveData>, std::less<>> waves_;
};

} // namespace jex::qt
