#include <array>
#include <atomic>
#include <cstddef>

#include "frame/os.hpp"

namespace oru::os {
namespace {

std::array<std::atomic<std::uint64_t>, 5> gCalls{};

}  // namespace

namespace detail {
void count(Call c) { gCalls[static_cast<std::size_t>(c)].fetch_add(1, std::memory_order_relaxed); }
}  // namespace detail

Calls CallsMade() {
    const auto get = [](detail::Call c) {
        return gCalls[static_cast<std::size_t>(c)].load(std::memory_order_relaxed);
    };
    using C = detail::Call;
    return {get(C::Status), get(C::Open), get(C::Read), get(C::Close), get(C::List)};
}

}  // namespace oru::os
