// What the window system asks of the layer that shows windows and brings input.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

namespace zeledit::platform {

class Backend {
public:
    virtual ~Backend() = default;
    // Waits for input or until the deadline (a clock time in ms); false when no input can
    // ever arrive, which ends GetMessageW's wait.
    virtual bool wait_for_input(std::optional<std::uint64_t> deadline_ms) = 0;
    // A person is there to answer windows the library shows by itself.
    virtual bool interactive() const { return false; }
};

Backend& backend();
void set_backend(std::unique_ptr<Backend> backend);

} // namespace zeledit::platform
