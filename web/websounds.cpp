// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve sounds, made in the page by the very definitions the desktop's
// build writes into its WAVE files: the site carries no sound files.
#include "soundwaves.h"

#include <emscripten.h>

#include <vector>

namespace {

const std::vector<jex::sounds::Sound>& made() {
    static const std::vector<jex::sounds::Sound> sounds = jex::sounds::allsounds();
    return sounds;
}

const jex::sounds::Sound* sound(int index) {
    return index >= 0 && index < static_cast<int>(made().size()) ? &made()[index] : nullptr;
}

} // namespace

extern "C" {

// How many sounds there are; each by its index: its name in capitals, its
// sample rate, and its 16-bit samples.
EMSCRIPTEN_KEEPALIVE int jex_soundcount() {
    return static_cast<int>(made().size());
}
EMSCRIPTEN_KEEPALIVE const char* jex_soundname(int index) {
    return sound(index) ? sound(index)->name.c_str() : "";
}
EMSCRIPTEN_KEEPALIVE int jex_soundrate(int index) {
    return sound(index) ? sound(index)->samplerate : 0;
}
EMSCRIPTEN_KEEPALIVE int jex_soundlength(int index) {
    return sound(index) ? static_cast<int>(sound(index)->samples.size()) : 0;
}
EMSCRIPTEN_KEEPALIVE const std::int16_t* jex_soundsamples(int index) {
    return sound(index) ? sound(index)->samples.data() : nullptr;
}
}
