// SPDX-License-Identifier: GPL-3.0-or-later
// Plays the program's sounds. The real player goes to the sound server; tests
// and benchmarks put in one that only writes down what it was asked to play.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jex::qt {

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;

    // Plays the sound of that lower-case name to its end before returning.
    virtual void play(std::string_view name) = 0;
};

class SilentSoundPlayer final : public SoundPlayer {
  public:
    void play(std::string_view name) override { played_.emplace_back(name); }
    const std::vector<std::string>& played() const { return played_; }
    void forget() { played_.clear(); }

  private:
    std::vector<std::string> played_;
};

} // namespace jex::qt
