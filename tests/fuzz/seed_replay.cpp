// Feeds every seed file of a folder to one reader's fuzzing entry, without fuzzing: the
// seeds run as a regression test of the normal suite. A seed named "refused-..." must be
// refused, every other one must load. Usage: fuzz_seed_replay READER DIR
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "reader_entry.h"

int main(int argc, char** argv) {
    const auto reader = argc == 3 ? karvelo::fuzz::ReaderNamed(argv[1]) : std::nullopt;
    if (!reader) {
        std::cerr << "usage: fuzz_seed_replay text|segy|image|wav|numpy|matlab DIR\n";
        return 2;
    }
    std::size_t seeds = 0;
    std::size_t wrong = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        const bool refused = entry.path().filename().string().starts_with("refused-");
        if (karvelo::fuzz::LoadAsFile(*reader, bytes) == refused) {
            std::cerr << entry.path().string() << (refused ? ": loaded\n" : ": refused\n");
            ++wrong;
        }
        ++seeds;
    }
    std::cout << seeds << " seeds of the " << argv[1] << " reader, " << wrong << " wrong\n";
    return seeds > 0 && wrong == 0 ? 0 : 1;
}
