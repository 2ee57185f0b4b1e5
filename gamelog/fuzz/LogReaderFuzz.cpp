// libFuzzer entry for the log readers (built with clang only).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "LogReaderChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!LogReadersHold(std::string(reinterpret_cast<const char*>(data), size))) std::abort();
    return 0;
}
