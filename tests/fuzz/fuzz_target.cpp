// A libFuzzer target for the reader KARVELO_FUZZ_READER names (one binary a reader).
#include <cstdlib>

#include "reader_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto reader = karvelo::fuzz::ReaderNamed(KARVELO_FUZZ_READER);
    if (!reader) {
        std::abort();
    }
    static_cast<void>(karvelo::fuzz::LoadAsFile(*reader, {data, size}));
    return 0;
}
