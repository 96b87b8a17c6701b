// MATLAB .mat recordings through matio (v5, and v7.3 where matio has HDF5).
#include <matio.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "common/error_messages.h"
#include "common/whole_file.h"
#include "profile/array_recording.h"
#include "profile/matlab_headers.h"
#include "profile/source_traces.h"

namespace karvelo {

namespace {

using MatFile = std::unique_ptr<mat_t, int (*)(mat_t*)>;
using MatVar = std::unique_ptr<matvar_t, void (*)(matvar_t*)>;

bool Refuse(SourceRefusal& refusal, const std::string& path, std::string reason) {
    refusal = {kErrCannotReadFile, path, 0, std::move(reason)};
    return false;
}

bool IsRealNumeric(const matvar_t& var) {
    return var.class_type >= MAT_C_DOUBLE && var.class_type <= MAT_C_UINT64 && var.isComplex == 0 &&
           var.rank == 2;
}

std::size_t Elements(const matvar_t& var) {
    return var.dims[0] * var.dims[1];
}

// Most bytes deflate makes of one compressed byte.
constexpr std::size_t kMaxDeflateRatio = 1032;

// Whether the data of a variable whose header info holds can be in the file (matio
// allocates what the header declares before it reads): within the file, or what deflate
// can make of it when compressed, and within the bound of a recording file.
bool DataWithinBound(const matvar_t& info, std::size_t fileBytes) {
    std::size_t count = 0;
    std::size_t bytes = 0;
    const std::size_t held =
        info.compression == MAT_COMPRESSION_NONE ? fileBytes : fileBytes * kMaxDeflateRatio;
    return !__builtin_mul_overflow(info.dims[0], info.dims[1], &count) &&
           !__builtin_mul_overflow(count, Mat_SizeOfClass(info.class_type), &bytes) &&
           bytes <= std::min<std::size_t>(held, kMaxWholeFileBytes);
}

// The variable named name read whole when its header shows a real numeric matrix of at
// most elements values that fits (DataWithinBound); otherwise only its header (data
// nullptr), or nullptr when there is none.
MatVar ReadBounded(mat_t* mat, const char* name, std::size_t fileBytes, std::size_t elements) {
    MatVar info(Mat_VarReadInfo(mat, name), &Mat_VarFree);
    if (!info || !IsRealNumeric(*info) || !DataWithinBound(*info, fileBytes) ||
        Elements(*info) > elements) {
        return info;
    }
    return MatVar(Mat_VarRead(mat, name), &Mat_VarFree);
}

template <typename T>
double At(const void* data, std::size_t i) {
    return static_cast<double>(static_cast<const T*>(data)[i]);
}

// Element i (column-major) of a variable whose data has been read.
double Element(const matvar_t& var, std::size_t i) {
    switch (var.class_type) {
        case MAT_C_DOUBLE:
            return At<double>(var.data, i);
        case MAT_C_SINGLE:
            return At<float>(var.data, i);
        case MAT_C_INT8:
            return At<std::int8_t>(var.data, i);
        case MAT_C_UINT8:
            return At<std::uint8_t>(var.data, i);
        case MAT_C_INT16:
            return At<std::int16_t>(var.data, i);
        case MAT_C_UINT16:
            return At<std::uint16_t>(var.data, i);
        case MAT_C_INT32:
            return At<std::int32_t>(var.data, i);
        case MAT_C_UINT32:
            return At<std::uint32_t>(var.data, i);
        case MAT_C_INT64:
            return At<std::int64_t>(var.data, i);
        default:
            return At<std::uint64_t>(var.data, i);
    }
}

// The value of a real numeric scalar named name, or 0.
double Scalar(mat_t* mat, const char* name, std::size_t fileBytes) {
    const MatVar var = ReadBounded(mat, name, fileBytes, 1);
    if (!var || !IsRealNumeric(*var) || Elements(*var) != 1 || var->data == nullptr) {
        return 0.0;
    }
    return Element(*var, 0);
}

// The name of the first real numeric variable with more than one element.
std::string FirstArrayName(mat_t* mat) {
    Mat_Rewind(mat);
    while (true) {
        const MatVar info(Mat_VarReadNextInfo(mat), &Mat_VarFree);
        if (!info) {
            return {};
        }
        if (IsRealNumeric(*info) && Elements(*info) > 1 && info->name != nullptr) {
            return info->name;
        }
    }
}

}  // namespace

bool ReadMatlabRecording(const std::string& path, const std::string& variable, ArrayRecording& out,
                         SourceRefusal& refusal) {
    std::size_t fileBytes = 0;
    {
        MappedFile file;
        if (!MapRecordingFile(path, file, refusal)) {
            return false;
        }
        if (std::string header = CheckMatlabHeaders(file.Bytes()); !header.empty()) {
            return Refuse(refusal, path, "not a MATLAB file matio can be given: " + header);
        }
        fileBytes = file.Bytes().size();
    }
    const MatFile mat(Mat_Open(path.c_str(), MAT_ACC_RDONLY), &Mat_Close);
    if (!mat) {
        return Refuse(refusal, path, "not a MATLAB file matio reads");
    }
    const std::string name = variable.empty() ? FirstArrayName(mat.get()) : variable;
    if (name.empty()) {
        return Refuse(refusal, path, "holds no numeric vector or matrix");
    }
    const MatVar var =
        ReadBounded(mat.get(), name.c_str(), fileBytes, std::numeric_limits<std::size_t>::max());
    if (!var) {
        return Refuse(refusal, path, "holds no variable named " + name);
    }
    if (IsRealNumeric(*var) &&
        !CheckRecordLimit(std::min(var->dims[0], var->dims[1]), path, refusal)) {
        return false;
    }
    if (IsRealNumeric(*var) && !DataWithinBound(*var, fileBytes)) {
        return Refuse(refusal, path,
                      name + " declares " + std::to_string(var->dims[0]) + " x " +
                          std::to_string(var->dims[1]) +
                          " values, more than its file holds or a recording may be");
    }
    if (!IsRealNumeric(*var) || var->data == nullptr || Elements(*var) < 2) {
        return Refuse(refusal, path,
                      name + " is not a real numeric vector or matrix of two dimensions");
    }
    // The longer dimension is time: columns of samples (traces down the rows) or rows.
    const std::size_t rows = var->dims[0];
    const std::size_t columns = var->dims[1];
    const bool tracesAreColumns = rows >= columns;
    out = ArrayRecording{};
    out.Samples = tracesAreColumns ? rows : columns;
    out.Traces = tracesAreColumns ? columns : rows;
    out.Values.resize(out.Traces * out.Samples);
    for (std::size_t t = 0; t < out.Traces; ++t) {
        for (std::size_t s = 0; s < out.Samples; ++s) {
            const std::size_t index = tracesAreColumns ? t * rows + s : s * rows + t;
            out.Values[t * out.Samples + s] = Element(*var, index);
        }
    }
    if (const double dt = Scalar(mat.get(), "dt", fileBytes); dt > 0.0) {
        out.IntervalUs = dt * kMicrosecondsPerSecond;
    } else if (const double fs = Scalar(mat.get(), "fs", fileBytes); fs > 0.0) {
        out.IntervalUs = kMicrosecondsPerSecond / fs;
    }
    return true;
}

}  // namespace karvelo
