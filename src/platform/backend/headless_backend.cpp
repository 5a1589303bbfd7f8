// The default backend: windows live only in memory and input comes from the program
// itself, so a wait with nothing ready would last forever and is refused instead.
#include "platform/backend/backend.h"

namespace zeledit::platform {
namespace {

class HeadlessBackend final : public Backend {
public:
    bool wait_for_input(std::optional<std::uint64_t>) override { return false; }
};

std::unique_ptr<Backend>& current() {
    static std::unique_ptr<Backend> b = std::make_unique<HeadlessBackend>();
    return b;
}

} // namespace

Backend& backend() { return *current(); }

void set_backend(std::unique_ptr<Backend> backend) {
    current() = backend ? std::move(backend) : std::make_unique<HeadlessBackend>();
}

} // namespace zeledit::platform
