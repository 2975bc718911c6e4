// Opening a file that might block (a named pipe without a writer) on another
// thread, with a time limit, so a test fails instead of hanging.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <optional>

namespace filetest {

// Runs open() on another thread; no value when it takes longer than five
// seconds (the open is then released by opening the pipe's other end).
template <class Open>
auto openWithTimeLimit(const std::filesystem::path& path, Open open)
    -> std::optional<decltype(open())> {
    auto opening = std::async(std::launch::async, open);
    if (opening.wait_for(std::chrono::seconds(5)) == std::future_status::ready) {
        return opening.get();
    }
    const int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    opening.wait();
    if (writer >= 0) {
        ::close(writer);
    }
    return std::nullopt;
}

}  // namespace filetest
