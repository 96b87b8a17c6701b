// Test helpers: recordings in the binary layouts the readers know (SEG-Y through segyio, WAV
// through libsndfile, MATLAB through matio, NumPy byte by byte), their samples from a formula.
#pragma once

#include <matio.h>
#include <segyio/segy.h>
#include <sndfile.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace karvelo::testing {

// A sample of a formula: value(record or trace, sample).
using SampleFormula = std::function<double(std::size_t, std::size_t)>;

// A SEG-Y file: `format` a SEGY_FORMAT code (integer formats take the value rounded), lsb for
// little-endian; trace header sequence numbers r / channels + 1. False when segyio refused.
inline bool WriteSegy(const std::string& path, int format, bool lsb, std::size_t records,
                      int samples, int interval, std::size_t channels, const SampleFormula& value) {
    segy_file* file = segy_open(path.c_str(), "w+b");
    if (file == nullptr) {
        return false;
    }
    segy_set_format(file, format | (lsb ? int{SEGY_LSB} : int{SEGY_MSB}));
    const std::string text(SEGY_TEXT_HEADER_SIZE, ' ');
    char binary[SEGY_BINARY_HEADER_SIZE] = {};
    segy_set_bfield(binary, SEGY_BIN_INTERVAL, interval);
    segy_set_bfield(binary, SEGY_BIN_SAMPLES, samples);
    segy_set_bfield(binary, SEGY_BIN_FORMAT, format);
    segy_set_bfield(binary, SEGY_BIN_SEGY_REVISION, lsb ? 0x0200 : 0x0100);
    bool written = segy_write_textheader(file, 0, text.c_str()) == SEGY_OK &&
                   segy_write_binheader(file, binary) == SEGY_OK;
    const int bytes = segy_trsize(format, samples);
    const int width = bytes / samples;
    std::vector<unsigned char> raw(static_cast<std::size_t>(bytes));
    for (std::size_t r = 0; r < records; ++r) {
        char header[SEGY_TRACE_HEADER_SIZE] = {};
        segy_set_field(header, SEGY_TR_SEQ_LINE, static_cast<int>(r / channels + 1));
        segy_set_field(header, SEGY_TR_SAMPLE_COUNT, samples);
        segy_set_field(header, SEGY_TR_SAMPLE_INTER, interval);
        for (int s = 0; s < samples; ++s) {
            const double v = value(r, static_cast<std::size_t>(s));
            unsigned char* p = raw.data() + static_cast<std::size_t>(s) * width;
            if (format == SEGY_IEEE_FLOAT_4_BYTE || format == SEGY_IBM_FLOAT_4_BYTE) {
                float f = static_cast<float>(v);
                segy_from_native(format, 1, &f);  // big-endian on-disk bytes in place
                std::memcpy(p, &f, 4);
                continue;
            }
            const auto word = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(v)));
            for (int b = 0; b < width; ++b) {
                p[b] = static_cast<unsigned char>(word >> (8 * (width - 1 - b)));
            }
        }
        const int t = static_cast<int>(r);
        written = written && segy_write_traceheader(file, t, header, 3600, bytes) == SEGY_OK &&
                  segy_writetrace(file, t, raw.data(), 3600, bytes) == SEGY_OK;
    }
    segy_close(file);
    return written;
}

// A WAV file of `frames` frames at `rate` Hz; format the SF_FORMAT_* of container and
// subtype; value(frame, channel).
inline bool WriteWav(const std::string& path, int rate, int format, int channels,
                     std::size_t frames, const SampleFormula& value) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        return false;
    }
    std::vector<double> data;
    for (std::size_t k = 0; k < frames; ++k) {
        for (int c = 0; c < channels; ++c) {
            data.push_back(value(k, static_cast<std::size_t>(c)));
        }
    }
    const auto count = static_cast<sf_count_t>(frames);
    const bool written = sf_writef_double(file, data.data(), count) == count;
    return sf_close(file) == 0 && written;
}

// A double matrix of a MATLAB file: rows x columns values in column-major order.
struct MatVariable {
    const char* name;
    std::size_t rows;
    std::size_t columns;
    std::vector<double> values;
};

inline bool WriteMat(const std::string& path, mat_ft version, matio_compression compression,
                     std::vector<MatVariable> variables) {
    mat_t* mat = Mat_CreateVer(path.c_str(), nullptr, version);
    bool written = mat != nullptr;
    for (MatVariable& v : variables) {
        std::size_t dims[2] = {v.rows, v.columns};
        matvar_t* var =
            Mat_VarCreate(v.name, MAT_C_DOUBLE, MAT_T_DOUBLE, 2, dims, v.values.data(), 0);
        written = written && Mat_VarWrite(mat, var, compression) == 0;
        Mat_VarFree(var);
    }
    return mat != nullptr && Mat_Close(mat) == 0 && written;
}

// The bytes of a NumPy file of `rows` traces of `samples` values (one trace: a 1-D array) in
// element type descr ('<f8', '>i2', ...; integers take the value rounded), C or Fortran
// order, format version 1 to 3, value(trace, sample); only the first `count` values when
// given (a file cut short).
inline std::string NpyBytes(const std::string& descr, std::size_t rows, std::size_t samples,
                            bool fortran, int version, const SampleFormula& value,
                            std::optional<std::size_t> count = std::nullopt) {
    std::string shape = "(";
    shape += rows == 1 ? "" : std::to_string(rows) + ", ";
    shape += std::to_string(samples) + (rows == 1 ? ",)" : ")");
    std::string header = "{'descr': '" + descr +
                         "', 'fortran_order': " + (fortran ? "True" : "False") +
                         ", 'shape': " + shape + ", }";
    const std::size_t lengthBytes = version == 1 ? 2 : 4;
    while ((10 + lengthBytes - 2 + header.size() + 1) % 64 != 0) {
        header += ' ';
    }
    header += '\n';
    std::string bytes = "\x93NUMPY";
    bytes += static_cast<char>(version);
    bytes += '\0';
    for (std::size_t i = 0; i < lengthBytes; ++i) {
        bytes += static_cast<char>((header.size() >> (8 * i)) & 0xFF);
    }
    bytes += header;
    const auto width = static_cast<std::size_t>(descr[2] - '0');
    for (std::size_t i = 0; i < count.value_or(rows * samples); ++i) {
        const double v = fortran ? value(i % rows, i / rows) : value(i / samples, i % samples);
        std::uint64_t word = 0;
        if (descr[1] == 'f') {
            word = width == 4 ? std::bit_cast<std::uint32_t>(static_cast<float>(v))
                              : std::bit_cast<std::uint64_t>(v);
        } else {
            word = static_cast<std::uint64_t>(static_cast<std::int64_t>(std::lround(v)));
        }
        for (std::size_t b = 0; b < width; ++b) {
            const std::size_t shift = descr[0] == '>' ? width - 1 - b : b;
            bytes += static_cast<char>((word >> (8 * shift)) & 0xFF);
        }
    }
    return bytes;
}

}  // namespace karvelo::testing
