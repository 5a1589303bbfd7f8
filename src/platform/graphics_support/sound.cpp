// Playing wave data: through SDL2 audio when a device opens, otherwise silently for the
// sound's duration; either way the window hears of the end through its message loop.
#include "platform/core/byte_reader.h"
#include "platform/core/global_memory.h"
#include "platform/graphics_support/graphics_support.h"

#include <SDL2/SDL.h>

#include <cstring>
#include <map>
#include <optional>

namespace zeledit::platform {
namespace {

struct Wave {
    SDL_AudioSpec format{};
    std::span<const std::uint8_t> samples;
    std::uint32_t duration_ms = 0;
};

struct Playing {
    HWND hwnd;
    int id;
    SDL_AudioDeviceID device;
};

bool audio_enabled = true;
std::map<UINT_PTR, Playing>& playing() {
    static std::map<UINT_PTR, Playing> p;
    return p;
}

// RIFF/WAVE with PCM samples of 8 or 16 bits; chunks are walked within the block.
std::optional<Wave> parse_wave(std::span<const std::uint8_t> b) {
    ByteReader in(b);
    const auto riff = in.take(12);
    if (!riff || std::memcmp(riff->data(), "RIFF", 4) != 0 || std::memcmp(riff->data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    Wave w;
    std::uint32_t byte_rate = 0;
    bool have_format = false;
    while (in.remaining() >= 8) {
        const auto id = *in.take(4);
        const auto body = in.section(*in.read<std::uint32_t>());
        if (!body) return std::nullopt;
        if (std::memcmp(id.data(), "fmt ", 4) == 0 && body->size() >= 16) {
            const std::uint16_t format = body->get<std::uint16_t>(0);
            const std::uint16_t channels = body->get<std::uint16_t>(2);
            const std::uint32_t rate = body->get<std::uint32_t>(4);
            byte_rate = body->get<std::uint32_t>(8);
            const std::uint16_t bits = body->get<std::uint16_t>(14);
            if (format != 1 || channels == 0 || channels > 8 || rate == 0 || byte_rate == 0 ||
                (bits != 8 && bits != 16))
                return std::nullopt;
            w.format.freq = static_cast<int>(rate);
            w.format.channels = static_cast<Uint8>(channels);
            w.format.format = bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
            w.format.samples = 4096;
            have_format = true;
        } else if (std::memcmp(id.data(), "data", 4) == 0 && have_format) {
            w.samples = body->span(0, body->size());
            w.duration_ms = static_cast<std::uint32_t>(std::uint64_t(body->size()) * 1000 / byte_rate);
            return w;
        }
        // Chunks are padded to an even length; the pad may be missing after the last one.
        if (body->size() % 2 != 0 && in.remaining() > 0) in.take(1);
    }
    return std::nullopt;
}

SDL_AudioDeviceID open_device(const Wave& w) {
    if (!audio_enabled) return 0;
    static const bool ready = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!ready) return 0;
    SDL_AudioSpec got{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &w.format, &got, 0);
    if (device == 0) return 0;
    SDL_QueueAudio(device, w.samples.data(), static_cast<Uint32>(w.samples.size()));
    SDL_PauseAudioDevice(device, 0);
    return device;
}

void CALLBACK finished(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const auto it = playing().find(timer);
    if (it == playing().end()) return;
    const Playing p = it->second;
    playing().erase(it);
    if (p.device != 0) SDL_CloseAudioDevice(p.device);
    PostMessageW(p.hwnd, WM_NOTIFY, 1000, p.id);
}

} // namespace

void set_audio_output_enabled(bool enabled) { audio_enabled = enabled; }

BOOL DAPlaySound(HGLOBAL wave, HWND hwnd, int id) {
    LockedBlock block(wave);
    const auto w = parse_wave(block.bytes());
    if (!w || !IsWindow(hwnd)) return FALSE;
    const SDL_AudioDeviceID device = open_device(*w);
    const UINT_PTR timer = SetTimer(nullptr, 0, std::max<std::uint32_t>(w->duration_ms, 10), finished);
    if (timer == 0) {
        if (device != 0) SDL_CloseAudioDevice(device);
        return FALSE;
    }
    playing()[timer] = Playing{hwnd, id, device};
    return TRUE;
}

} // namespace zeledit::platform
