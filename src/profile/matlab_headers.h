// A look at the element headers of a MATLAB v5 file before matio reads it: matio allocates
// what a variable's header declares (its number of dimensions among them) before it reads
// a byte of data, so a few hundred bytes could make it take gigabytes.
#pragma once

#include <string>
#include <string_view>

namespace karvelo {

// Most dimensions a variable may declare.
inline constexpr std::size_t kMaxMatlabRank = 32;

// Walks the top-level variables of a v5 file (plain or compressed, the first bytes of a
// compressed one inflated): empty when every variable declares at most kMaxMatlabRank
// dimensions and no more values than its bytes can hold (what deflate can make of them
// when compressed; sparse matrices aside), else the reason ("variable 2 declares 337510402
// dimensions", "variable 1 declares 403525632000 values, more than its 1136 bytes can
// hold"). A file without the "MATLAB" text header is refused (matio would read it as a
// version 4 file, whose header it also believes). Files of
// other versions (v7.3 is HDF5) and files too short for the 128-byte header pass: matio
// judges them.
std::string CheckMatlabHeaders(std::string_view bytes);

}  // namespace karvelo
