// Writing the loaded profile as a standard SEG-Y file.
#pragma once

#include <string>

#include "profile/profile_image.h"

namespace karvelo {

// Writes every record of image (TraceCount of them, as the channel choice left
// them) to path as a big-endian SEG-Y revision 1 file through segyio: IEEE float samples
// (format 5), sample interval and count in the binary and every trace header, the
// trace sequence numbers of the image's trace headers. The file is written beside path
// under a temporary name and renamed over path when complete. With no profile loaded
// reports error 10; a failed write reports error 11 (with its code line and a second
// line naming the file) and leaves no file behind. Returns true when written.
bool SaveProfileSegy(const Image& image, const std::string& path);

}  // namespace karvelo
