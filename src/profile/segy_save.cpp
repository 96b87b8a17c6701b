#include "profile/segy_save.h"

#include <segyio/segy.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "common/atomic_file.h"
#include "common/error_messages.h"
#include "profile/profile_image.h"

namespace karvelo {

namespace {

constexpr int kSegyRevision1 = 0x0100;  // revision 1.0 as the binary header encodes it
constexpr std::size_t kSequenceInLineOffset = 0;
constexpr std::size_t kSequenceInFileOffset = 4;
constexpr std::size_t kTraceInRecordOffset = 12;

std::string TextualHeader(std::size_t records, std::size_t samples, std::size_t interval) {
    std::string text;
    auto line = [&text](std::string content) {
        content.resize(80, ' ');
        text += content;
    };
    line("C 1 KARVELO PROFILE");
    line("C 2 TRACES " + std::to_string(records) + ", SAMPLES PER TRACE " +
         std::to_string(samples) + ", SAMPLE INTERVAL " + std::to_string(interval));
    line("C 3 SAMPLES IEEE FLOAT");
    text.resize(SEGY_TEXT_HEADER_SIZE, ' ');
    return text;
}

bool WriteSegy(const Image& image, const std::string& path) {
    std::unique_ptr<segy_file, int (*)(segy_file*)> file(segy_open(path.c_str(), "w+b"),
                                                         &segy_close);
    if (!file ||
        segy_set_format(file.get(), int{SEGY_IEEE_FLOAT_4_BYTE} | int{SEGY_MSB}) != SEGY_OK) {
        return false;
    }
    const std::size_t records = TraceCount(image);
    const int samples = SamplesPerTrace(image);
    const int interval = SampleInterval(image);
    const std::uint16_t format = SampleFormat(image);

    const std::string text = TextualHeader(records, static_cast<std::size_t>(samples),
                                           static_cast<std::size_t>(interval));
    char binary[SEGY_BINARY_HEADER_SIZE] = {};
    const std::pair<int, int> fields[] = {
        {SEGY_BIN_LINE_NUMBER, 1},
        {SEGY_BIN_TRACES, static_cast<int>(records)},
        {SEGY_BIN_INTERVAL, interval},
        {SEGY_BIN_INTERVAL_ORIG, interval},
        {SEGY_BIN_SAMPLES, samples},
        {SEGY_BIN_SAMPLES_ORIG, samples},
        {SEGY_BIN_FORMAT, SEGY_IEEE_FLOAT_4_BYTE},
        {SEGY_BIN_SEGY_REVISION, kSegyRevision1},
        {SEGY_BIN_TRACE_FLAG, 1},
    };
    for (const auto& [field, value] : fields) {
        if (segy_set_bfield(binary, field, value) != SEGY_OK) {
            return false;
        }
    }
    if (segy_write_textheader(file.get(), 0, text.c_str()) != SEGY_OK ||
        segy_write_binheader(file.get(), binary) != SEGY_OK) {
        return false;
    }
    const long trace0 = segy_trace0(binary);
    const int traceBytes = segy_trsize(SEGY_IEEE_FLOAT_4_BYTE, samples);
    std::vector<float> values(static_cast<std::size_t>(samples));
    for (std::size_t r = 0; r < records; ++r) {
        char header[SEGY_TRACE_HEADER_SIZE] = {};
        const std::size_t at = RecordOffset(r);
        const std::pair<int, std::int32_t> traceFields[] = {
            {SEGY_TR_SEQ_LINE,
             static_cast<std::int32_t>(ReadU32(image, at + kSequenceInLineOffset))},
            {SEGY_TR_SEQ_FILE,
             static_cast<std::int32_t>(ReadU32(image, at + kSequenceInFileOffset))},
            {SEGY_TR_NUMBER_ORIG_FIELD,
             static_cast<std::int32_t>(ReadU32(image, at + kTraceInRecordOffset))},
            {SEGY_TR_SAMPLE_COUNT, samples},
            {SEGY_TR_SAMPLE_INTER, interval},
        };
        for (const auto& [field, value] : traceFields) {
            if (segy_set_field(header, field, value) != SEGY_OK) {
                return false;
            }
        }
        for (int s = 0; s < samples; ++s) {
            values[static_cast<std::size_t>(s)] = static_cast<float>(
                DecodeSample(format, SampleWord(image, r, static_cast<std::size_t>(s))));
        }
        segy_from_native(SEGY_IEEE_FLOAT_4_BYTE, samples, values.data());
        const int traceNo = static_cast<int>(r);
        if (segy_write_traceheader(file.get(), traceNo, header, trace0, traceBytes) != SEGY_OK ||
            segy_writetrace(file.get(), traceNo, values.data(), trace0, traceBytes) != SEGY_OK) {
            return false;
        }
    }
    return segy_close(file.release()) == SEGY_OK;
}

}  // namespace

bool SaveProfileSegy(const Image& image, const std::string& path) {
    if (SampleFormat(image) == 0 || TraceCount(image) == 0) {
        ReportError(kErrNoDataToSave, true);
        return false;
    }
    if (!ReplaceFileAtomically(
            path, [&image](const std::string& temporary) { return WriteSegy(image, temporary); })) {
        ReportError(kErrCannotCreateFile, false,
                    path + ": the SEG-Y file could not be written: " + WriteFailureReason());
        return false;
    }
    return true;
}

}  // namespace karvelo
