// karvelo-cli: the headless front end of Karvelo.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <string>

#include "analysis/fftw_wisdom.h"
#include "cli/analyse_command.h"
#include "cli/cli_options.h"
#include "cli/exit_status.h"
#include "cli/grid_command.h"
#include "cli/open_options.h"
#include "common/atomic_file.h"
#include "common/error_messages.h"
#include "profile/profile.h"
#include "profile/segy_save.h"

namespace karvelo::cli {
namespace {

const char* const kHelp =
    "usage: karvelo-cli [open options] COMMAND [arguments] [options]\n"
    "\n"
    "Every command first opens a profile as File > Open does: a built-in one, or the\n"
    "files of --files.\n"
    "Open options (the open dialog's fields):\n"
    "  --profile 1|2          built-in profile: 1 the 20-record line (default), 2 the\n"
    "                         2-record one\n"
    "  --files PATH...        open files instead (every argument up to the next option or\n"
    "                         the command), each known by its content whatever its name:\n"
    "                         SEG-Y files (several are joined in order), text recordings\n"
    "                         (one file per hit, taken in natural name order: a time\n"
    "                         column and one or two amplitude columns, with the header\n"
    "                         of an oscilloscope, a units row or metadata columns; one\n"
    "                         column of amplitudes; LabVIEW .lvm), WAV files, NumPy .npy\n"
    "                         arrays (one trace a row), MATLAB .mat files, or one image\n"
    "                         file of dump-image\n"
    "                         A recording longer than 2048 samples or whose interval is\n"
    "                         not a whole number of microseconds is resampled onto the\n"
    "                         smallest whole-us step that keeps the whole record (at most\n"
    "                         10 us or its own interval rounded up; a longer record keeps\n"
    "                         its first 2048 samples at that step); a note on standard\n"
    "                         error says what was done\n"
    "  --first-samples        with --files: keep the first 2048 samples of longer traces\n"
    "                         instead (then resampled when the interval is not whole)\n"
    "  --whole-us             with --files: accepted; intervals always become whole\n"
    "  --interval-us X        with --files: the sample interval in microseconds of files\n"
    "                         that give none (one column of amplitudes, NumPy, MATLAB)\n"
    "  --variable NAME        with --files: the array of MATLAB files to read (default\n"
    "                         the first numeric vector or matrix)\n"
    "  --channels 1|2|both    channels to keep (default both); with one-channel files 1\n"
    "                         and both keep every trace, 2 is refused\n"
    "  --hits N               hits per measuring point, 1..20, a divisor of the hits per\n"
    "                         channel (default 1)\n"
    "\n"
    "Commands:\n"
    "  info                   print the loaded profile's header values and grouping\n"
    "  dump-image FILE        write the loaded profile image (8,435,600 bytes) to FILE\n"
    "  save-segy FILE         write the loaded profile as a big-endian SEG-Y rev 1 file\n"
    "                         (IEEE float samples) to FILE\n"
    "  analyse                set the form's fields and act as a user would; prints\n"
    "                         'band FMIN FMAX', one 'peak (F;A)' line per listed local\n"
    "                         maximum, after each click 'frequency F' and, when shown,\n"
    "                         'derived D' and 'quality Q' (nothing for a click outside\n"
    "                         the spectrum frame), and 'error: TEXT' for every message\n"
    "  report                 for every measuring point, with the mode, band and\n"
    "                         velocity/thickness options, prints a header of column\n"
    "                         names with their units, then one line per point: point\n"
    "                         (0-based), frequency_hz (the listed local maximum of\n"
    "                         largest amplitude, as its bin gives it), amplitude\n"
    "                         (normalised), thickness_bin_mm (the thickness a click on\n"
    "                         that bin gives), frequency_refined_hz (between the\n"
    "                         bins), thickness_mm and thickness_pm_mm (from the refined\n"
    "                         frequency, with its +-), quality (of the peak), hits (the\n"
    "                         traces the spectrum used), hit_fmin_hz, hit_fmedian_hz,\n"
    "                         hit_fmax_hz (the spread of their own dominant\n"
    "                         frequencies), design (within, thinner or thicker, with\n"
    "                         --design-thickness) and flags (outlier-line for a point\n"
    "                         off its neighbours, then TRACE:clipped,weak,outlier,\n"
    "                         long-impact (the contact time tc of the first pulse, from\n"
    "                         the first arrival to its return through the trace's\n"
    "                         median, leaves a usable band up to 1.5/tc below the\n"
    "                         trace's dominant frequency), double-hit (a second impulse\n"
    "                         of half the first pulse's amplitude after the record has\n"
    "                         stayed below a quarter of it for 1 ms and two contact\n"
    "                         times));\n"
    "                         with --thickness the result columns are velocity_bin_m_s,\n"
    "                         velocity_m_s, velocity_pm_m_s; with neither the refined\n"
    "                         frequency's frequency_pm_hz. '-' where there is no value.\n"
    "                         After an empty line, a summary: one 'NAME VALUE' line per\n"
    "                         figure (points, points with a result, mean, standard\n"
    "                         deviation, minimum, maximum, coefficient of variation,\n"
    "                         the velocity and its origin, the points outside the\n"
    "                         design tolerance, the outliers along the line)\n"
    "  grid                   the survey map of a grid: every file of --files belongs to\n"
    "                         the position its name gives (--name-pattern, default a row\n"
    "                         label, a separator and a column number: B-02.txt; or x\n"
    "                         and y coordinates: x10y08 is column 10 of row y08); the\n"
    "                         files of one position are its hits. Prints a table of the\n"
    "                         rows and columns with each position's dominant refined\n"
    "                         frequency in the band (the thickness with --velocity, the\n"
    "                         velocity with --thickness), '-' for an empty cell; --png\n"
    "                         draws the map (a column number no file gives is a gap),\n"
    "                         --csv writes the table, --pdf the map as a page\n"
    "  correlate P1 T1 P2 T2  the correlation dialog's 'Обработать' for point/trace P1 T1\n"
    "                         against P2 T2 (0-based); needs --tmax T or --full-range;\n"
    "                         prints 'lags N' and 'largest VALUE at LAG'\n"
    "\n"
    "Form options (analyse, report):\n"
    "  --point P              measuring point, 0-based as the form shows it (analyse)\n"
    "  --trace T              trace within the point, 0-based\n"
    "  --mode M               single, average, product or profile (analyse only)\n"
    "  --view V               wiggle or density\n"
    "  --fmin F, --fmax F     band limits in Hz (default 0 and 3000)\n"
    "  --default-band         press \"D\" (band 0 .. top frequency) instead of applying\n"
    "                         the typed band\n"
    "  --velocity V           wave velocity: derive thicknesses\n"
    "  --thickness H          plate thickness: derive velocities\n"
    "  --contrast C           move the contrast bar to C, 0..100 (mode profile)\n"
    "  --quality              switch the quality-factor display on\n"
    "  --click X,Y            a left press in view pixels (repeatable, in order)\n"
    "  --pick X,Y             a pick on the map in mode profile (repeatable)\n"
    "  --pick-ok              close the current pick line (\"Ok\")\n"
    "  --png FILE             write the drawing surface (1280 x 720) as PNG\n"
    "  --spectrum FILE        do what \"S\" does, saving to FILE; an error when \"S\" is\n"
    "                         disabled after the run (mode profile, a refused band)\n"
    "  --save-picks FILE      do what \"Сохранить\" does, saving to FILE\n"
    "  --save-quality FILE    do what \"Сохранить в файл\" does, saving to FILE\n"
    "  --beta B               shape factor of the thickness formula, 0.5..1.2 (default 1;\n"
    "                         0.96 for plates)\n"
    "  --detrend              remove each trace's straight-line trend before its spectrum\n"
    "  --window W             window over each resampled trace before its transform:\n"
    "                         none (the default), hann, or exp[:SHARE], an exponential\n"
    "                         decay to 1/e at SHARE of the record (0.25 or 25%, the\n"
    "                         default)\n"
    "  --zero-pad K           pad each windowed trace with zeros to K times its length:\n"
    "                         1 (the default), 2, 4 or 8; the bins become K times finer\n"
    "  --csv FILE             (report) also write the table as CSV with a header row\n"
    "  --pdf FILE             (report) also write the report as an A4 PDF: object,\n"
    "                         method and summary blocks with the verdict, the\n"
    "                         profile-spectrum map, the curve, the table, pick lines and\n"
    "                         quality values\n"
    "  --calibrate-point P    (report) with --thickness H: the velocity from point P's\n"
    "                         refined dominant frequency, printed and used for every\n"
    "                         point\n"
    "  --design-thickness MM  (report) with a velocity and --tolerance MM: mark every\n"
    "                         point within, thinner or thicker than MM +- the tolerance\n"
    "  --tolerance MM         (report) the tolerance either side of the design thickness\n"
    "  --outlier-share S      (report) flag a point outlier-line when it departs from the\n"
    "                         median of its neighbours (two on each side) by more than\n"
    "                         this share of it: 0.1 or 10% (the default)\n"
    "  --meta KEY=VALUE       (report) the object block of the PDF, repeatable; keys:\n"
    "                         structure, element, line, operator, instrument, date, notes\n"
    "  --sensor-spacing-mm S  two-channel profiles: the distance between the two sensors\n"
    "                         (default 300). On each channel of each hit the first\n"
    "                         arrival is picked: the Akaike information criterion\n"
    "                         (Maeda) splits the samples up to the first peak (the first\n"
    "                         sample reaching half the trace's largest departure from\n"
    "                         its median, followed to its top), and the line through the\n"
    "                         first two samples of the rise places it between them;\n"
    "                         Cp = spacing / (t2 - t1) per hit. The report adds cp_m_s\n"
    "                         (the point's median over its hits within 1500..6000 m/s)\n"
    "                         and cp_range_m_s (their largest minus smallest), flags at\n"
    "                         the hit's channel-1 trace dt-not-positive, cp-out-of-range\n"
    "                         and cp-departs (more than 2 % off the point's median);\n"
    "                         analyse marks the shown hit's two arrivals on the trace\n"
    "                         panel\n"
    "  --cp-from-arrivals point|line\n"
    "                         (report) the thickness from that velocity instead of\n"
    "                         --velocity: each point's own, or the line's median; the\n"
    "                         arrivals are measured (spacing 300 unless given)\n"
    "Grid options: --mode (single, average, product), --fmin, --fmax, --velocity,\n"
    "  --thickness, --beta, --detrend, --window, --zero-pad, --png FILE, --csv FILE,\n"
    "  --hits N (every position must have N files), and\n"
    "  --name-pattern REGEX    ECMAScript expression searched in each file name: group 1\n"
    "                         the row label, group 2 the column number\n"
    "  --range LOW,HIGH       the values of the palette's first and last colour (default\n"
    "                         the data's range)\n"
    "  --annotate             write each cell's value into it\n"
    "  --spacing ROW_M,COL_M  metres between neighbouring rows and column numbers: the\n"
    "                         cells are drawn to scale and the axes carry distances\n"
    "  --pdf FILE             write the map as a landscape A4 PDF page with what it shows\n"
    "                         and the files it came from\n"
    "  --classes              condition classes against the design thickness, with\n"
    "                         --design-thickness MM, --velocity V and --beta B:\n"
    "                         f_T = B V / (2 T); each position's refined dominant\n"
    "                         frequency f and its listed maxima give good (|f - f_T| <=\n"
    "                         10% f_T, no second maximum of 50% or more farther than that\n"
    "                         from f), fair (at f_T with such a maximum, or f from 0.6 to\n"
    "                         0.9 f_T, or above 1.1 f_T with a strong maximum at f_T, or\n"
    "                         in a gap the thresholds leave), poor (f above 1.1 f_T) or\n"
    "                         serious (f below 0.6 f_T); prints the shares, the CSV\n"
    "                         becomes a record per position (row,column,value,f_hz,class)\n"
    "                         and --png also writes NAME-classes.png, the class map\n"
    "  --class-near S         the share of f_T around it (10%)\n"
    "  --class-fair LOW,HIGH  the fair range as multiples of f_T (0.6,0.9)\n"
    "  --class-poor R         poor above R f_T (1.1)\n"
    "  --second-peak S        a second maximum of at least this share of the dominant\n"
    "                         one is strong (50%)\n"
    "Correlation options:\n"
    "  --tmax T               largest lag in microseconds\n"
    "  --full-range           every possible lag\n"
    "  --png FILE             write the correlation curve as PNG\n"
    "  --values FILE          one line per lag: lag in microseconds, two spaces, value\n"
    "\n"
    "Options may be given once each, except --click, --pick, --pick-ok, --meta and\n"
    "--files.\n"
    "Every file is replaced only when it was written completely; a failed save leaves\n"
    "the old file as it was.\n"
    "\n"
    "Exit status: 0 done; 1 the program raised a message, a file was not written or\n"
    "standard output could not be written; 2 bad command line or the profile could not\n"
    "be opened.\n";

int RunInfo(const Profile& profile) {
    const Image& image = profile.image;
    const std::uint16_t format = SampleFormat(image);
    std::cout << "TraceCount " << TraceCount(image) << '\n'
              << "SampleInterval " << SampleInterval(image) << '\n'
              << "SamplesPerTrace " << SamplesPerTrace(image) << '\n'
              << "SampleFormat " << format << '\n'
              << std::setprecision(10)  // whole sample values print in full
              << "SampleMax " << DecodeSample(format, profile.SampleMax) << '\n'
              << "SampleMin " << DecodeSample(format, profile.SampleMin) << '\n'
              << "TracesPerPoint " << profile.TracesPerPoint << '\n'
              << "PointCount " << profile.PointCount << '\n';
    return 0;
}

// The image file as the program keeps it in memory.
bool DumpImage(const Image& image, const std::string& path) {
    const std::span<const char> bytes(reinterpret_cast<const char*>(image.bytes.data()),
                                      image.bytes.size());
    if (!WriteFileAtomically(path, bytes)) {
        ReportError(kErrCannotCreateFile, false,
                    path + ": the image file could not be written: " + WriteFailureReason());
        return false;
    }
    return true;
}

// The saves report their own failure (error 11 with its code line and the file) through
// the message sink, on standard error.
int RunSave(bool (*save)(const Image&, const std::string&), const Image& image,
            const std::string& path) {
    StreamMessageSink sink(std::cerr);
    ScopedMessageSink scope(&sink);
    return save(image, path) ? 0 : 1;
}

// Each command takes the open options and its own; anything else is a usage error.
const std::map<std::string, std::set<std::string>>& OwnOptions() {
    static const std::map<std::string, std::set<std::string>> kOwnOptions = {
        {"info", {}},
        {"dump-image", {}},
        {"save-segy", {}},
        {"analyse",
         {"point",    "trace",     "mode",     "view",     "fmin",         "fmax",
          "velocity", "thickness", "contrast", "quality",  "default-band", "click",
          "pick",     "pick-ok",   "png",      "spectrum", "save-picks",   "save-quality",
          "beta",     "detrend",   "window",   "zero-pad"}},
        {"report",
         {"trace", "mode", "view", "fmin", "fmax", "velocity", "thickness", "default-band", "beta",
          "detrend", "csv", "calibrate-point", "pdf", "design-thickness", "tolerance",
          "outlier-share", "meta", "window", "zero-pad"}},
        {"correlate", {"tmax", "full-range", "png", "values"}},
        {"grid",
         {"mode",       "fmin",       "fmax",       "velocity",     "thickness", "beta",
          "detrend",    "window",     "zero-pad",   "name-pattern", "range",     "annotate",
          "png",        "csv",        "pdf",        "spacing",      "classes",   "design-thickness",
          "class-near", "class-fair", "class-poor", "second-peak"}},
    };
    return kOwnOptions;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names{"help"};
    for (const auto& [name, own] : OwnOptions()) {
        names.push_back(name);
    }
    return names;
}

void CheckOptionsBelong(const CliOptions& options) {
    const auto& kOwnOptions = OwnOptions();
    const auto own = kOwnOptions.find(options.command);
    if (own == kOwnOptions.end()) {
        throw UsageError{"unknown command " + options.command + " (try --help)"};
    }
    for (const auto& [name, value] : options.ordered) {
        const bool arrival = (options.command == "analyse" || options.command == "report") &&
                             std::find(kArrivalOptions.begin(), kArrivalOptions.end(), name) !=
                                 kArrivalOptions.end();
        if (!IsOpenOption(name) && own->second.count(name) == 0 && !arrival) {
            throw UsageError{"option --" + name + " does not apply to " + options.command};
        }
    }
}

int Run(int argc, char** argv) {
    std::vector<OptionSpec> specs{{"help", false}};
    AddOpenOptionSpecs(specs);
    AddAnalyseOptionSpecs(specs);
    AddGridOptionSpecs(specs);
    const CliOptions options = ParseCommandLine(argc, argv, specs, CommandNames());
    if (options.Has("help") || options.command == "help") {
        std::cout << kHelp;
        return 0;
    }
    if (options.command.empty()) {
        throw UsageError{"no command given (try --help)"};
    }
    CheckOptionsBelong(options);
    if (options.command == "analyse") {
        return RunAnalyse(options);
    }
    if (options.command == "report") {
        return RunReport(options);
    }
    if (options.command == "correlate") {
        return RunCorrelate(options);
    }
    if (options.command == "grid") {
        return RunGrid(options);
    }
    const std::size_t wanted = options.command == "info" ? 0 : 1;
    if (options.positionals.size() != wanted) {
        throw UsageError{options.command + (wanted ? " needs one FILE" : " takes no arguments")};
    }
    const auto document = std::make_unique<Document>();
    if (!PerformOpen(*document, options, std::cerr)) {
        return kExitUsage;
    }
    if (options.command == "info") {
        return RunInfo(document->CurrentProfile());
    }
    const Image& image = document->CurrentProfile().image;
    return RunSave(options.command == "save-segy" ? SaveProfileSegy : DumpImage, image,
                   options.positionals.front());
}

// Standard output may be a full disk or a closed pipe: what was printed must have
// arrived, or the run failed.
int CheckStandardOutput(int status) {
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) {
        return status;
    }
    std::cerr << "karvelo-cli: cannot write standard output: " << std::strerror(errno) << '\n';
    return status == 0 ? karvelo::cli::kExitMessages : status;
}

}  // namespace
}  // namespace karvelo::cli

int main(int argc, char** argv) {
    karvelo::ReportFileSizeLimitAsWriteError();
    // Transform plans measured by earlier runs, so no command measures them again.
    karvelo::LoadFftwWisdom();
    int status = 0;
    try {
        status = karvelo::cli::Run(argc, argv);
    } catch (const karvelo::cli::UsageError& error) {
        std::cerr << "karvelo-cli: " << error.message << '\n';
        status = karvelo::cli::kExitUsage;
    }
    return karvelo::cli::CheckStandardOutput(status);
}
