// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundwaves.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <fstream>
#include <numbers>
#include <system_error>

namespace jex::sounds {

namespace {

// One voice of the success or failure sound. Every voice starts at phase 0
// under an attack that starts at 0 and ends under a release that reaches 0, so
// nothing clicks however the voices overlap.
struct Tone {
    double start = 0;   // seconds into the sound
    double length = 0;  // seconds
    double pitch = 0;   // Hz at the start
    double glide = 1;   // end pitch / start pitch, followed on a log scale
    double attack = 0;  // seconds of raised-cosine rise
    double release = 0; // seconds of raised-cosine fall at the very end
    double decay = 0;   // time constant of the fade after the attack; 0 keeps it level
    double level = 1;
    std::vector<double> partials; // amplitudes of harmonics 1, 2, 3, ...
};

double raisedcosine(double fraction) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(fraction, 0.0, 1.0));
}

void addtone(std::vector<double>& mix, int rate, const Tone& tone) {
    const auto first = static_cast<std::size_t>(std::lround(tone.start * rate));
    const auto count = static_cast<std::size_t>(std::lround(tone.length * rate));
    const double attacksamples = tone.attack * rate;
    const double releasesamples = tone.release * rate;
    const double twopi = 2 * std::numbers::pi;
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double time = static_cast<double>(i) / rate;
        const double left = static_cast<double>(count - 1 - i);
        double gain = raisedcosine(i / attacksamples) * raisedcosine(left / releasesamples);
        if (tone.decay > 0) gain *= std::exp(-std::max(0.0, time - tone.attack) / tone.decay);
        double value = 0;
        for (std::size_t k = 0; k < tone.partials.size(); ++k)
            value += tone.partials[k] * std::sin(static_cast<double>(k + 1) * phase);
        mix[first + i] += tone.level * gain * value;
        const double pitch = tone.pitch * std::pow(tone.glide, time / tone.length);
        phase = std::fmod(phase + twopi * pitch / rate, twopi);
    }
}

// Scales the mix so that its loudest sample reaches `peak`.
std::vector<std::int16_t> topcm(const std::vector<double>& mix, double peak) {
    double loudest = 0;
    for (double value : mix)
        loudest = std::max(loudest, std::abs(value));
    const double scale = loudest > 0 ? peak / loudest : 0;
    std::vector<std::int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(), [scale](double value) {
        return static_cast<std::int16_t>(std::lround(value * scale));
    });
    return samples;
}

// Below the notes' level: a long sound at the notes' full height would startle.
constexpr double cheerpeak = 0.7 * 32767;

void putle(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void puttag(std::vector<std::uint8_t>& bytes, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

int notelength(int samplerate) {
    int tenth = samplerate / 10;
    const int rest = samplerate % 10;
    if (rest > 5 || (rest == 5 && tenth % 2 != 0)) ++tenth;
    return tenth;
}

std::vector<std::int16_t> notewave(int samplerate) {
    const int count = notelength(samplerate);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int ramp = std::min({i, count - 1 - i, rampsamples});
        const int height = (fullamplitude * ramp + rampsamples / 2) / rampsamples;
        const bool high = i % samplespercycle < halfcycle;
        samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(high ? height : -height);
    }
    return samples;
}

Sound note(int number) {
    const int rate = noterates.at(static_cast<std::size_t>(number));
    return {"NOTE" + std::to_string(number), rate, notewave(rate)};
}

Sound yea() {
    // C5, E5, G5 struck in quick succession, then C6 left to ring: a bright,
    // slightly bell-like "ta-da".
    const std::vector<double> bright = {1.0, 0.35, 0.12, 0.05};
    const Tone struck{.start = 0,
                      .length = 0.30,
                      .pitch = 523.25,
                      .glide = 1,
                      .attack = 0.006,
                      .release = 0.06,
                      .decay = 0.18,
                      .level = 1,
                      .partials = bright};
    std::vector<Tone> tones(4, struck);
    tones[1].start = 0.10;
    tones[1].pitch = 659.26;
    tones[2].start = 0.20;
    tones[2].pitch = 783.99;
    tones[3].start = 0.30;
    tones[3].pitch = 1046.50;
    tones[3].length = static_cast<double>(yeasamples) / cheerrate - tones[3].start;
    tones[3].release = 0.15;
    tones[3].decay = 0.35;
    tones[3].level = 1.1;

    std::vector<double> mix(yeasamples, 0.0);
    for (const Tone& tone : tones)
        addtone(mix, cheerrate, tone);
    return {"YEA", cheerrate, topcm(mix, cheerpeak)};
}

Sound nay() {
    // "Uh-oh": F4 then a lower D4 that sags a little, with a few odd harmonics
    // for a soft reedy buzz. Low and rounded, so it says "no" without alarm.
    const std::vector<double> reedy = {1.0, 0.1, 0.3, 0.0, 0.15, 0.0, 0.07};
    const Tone first{.start = 0.03,
                     .length = 0.36,
                     .pitch = 349.23,
                     .glide = 0.97,
                     .attack = 0.025,
                     .release = 0.07,
                     .decay = 0,
                     .level = 1,
                     .partials = reedy};
    const Tone second{.start = 0.45,
                      .length = 0.50,
                      .pitch = 293.66,
                      .glide = 0.94,
                      .attack = 0.025,
                      .release = 0.15,
                      .decay = 0.6,
                      .level = 1,
                      .partials = reedy};

    std::vector<double> mix(naysamples, 0.0);
    addtone(mix, cheerrate, first);
    addtone(mix, cheerrate, second);
    return {"NAY", cheerrate, topcm(mix, cheerpeak)};
}

std::vector<Sound> allsounds() {
    std::vector<Sound> sounds = {yea(), nay()};
    for (int number = 0; number < static_cast<int>(noterates.size()); ++number)
        sounds.push_back(note(number));
    return sounds;
}

std::vector<std::uint8_t> wavefile(const Sound& sound) {
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bytespersample = 2;
    const auto databytes = static_cast<std::uint32_t>(sound.samples.size() * bytespersample);
    const auto rate = static_cast<std::uint32_t>(sound.samplerate);

    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + databytes);
    puttag(bytes, "RIFF");
    putle(bytes, 36 + databytes, 4);
    puttag(bytes, "WAVE");
    puttag(bytes, "fmt ");
    putle(bytes, 16, 4);
    putle(bytes, 1, 2); // integer PCM
    putle(bytes, channels, 2);
    putle(bytes, rate, 4);
    putle(bytes, rate * channels * bytespersample, 4);
    putle(bytes, channels * bytespersample, 2);
    putle(bytes, 8 * bytespersample, 2);
    puttag(bytes, "data");
    putle(bytes, databytes, 4);
    for (std::int16_t sample : sound.samples)
        putle(bytes, static_cast<std::uint16_t>(sample), 2);
    return bytes;
}

bool writewave(const std::filesystem::path& folder, const Sound& sound) {
    const std::filesystem::path path = folder / (sound.name + ".WAV");
    const std::vector<std::uint8_t> bytes = wavefile(sound);
    bool written = false;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
            out.close();
            written = !out.fail();
        }
    }
    if (!written) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    return written;
}

} // namespace jex::sounds
