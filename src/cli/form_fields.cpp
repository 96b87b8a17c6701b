#include "cli/form_fields.h"

#include <climits>

#include "analysis/analysis_request.h"
#include "cli/open_options.h"
#include "common/single_precision.h"
#include "session/form_session.h"

namespace karvelo::cli {

namespace {

long IntegerOption(const CliOptions& options, const std::string& name, long min, long max) {
    const auto value = ParseInteger(*options.Value(name), min, max);
    if (!value) {
        throw UsageError{"--" + name + " needs an integer from " + std::to_string(min) + " to " +
                         std::to_string(max)};
    }
    return *value;
}

// The edit holds a float: a number beyond its range is no number there either.
float RealOption(const CliOptions& options, const std::string& name) {
    const auto real = ParseReal(*options.Value(name));
    const auto value = real ? ToSingle(*real) : std::nullopt;
    if (!value) {
        throw UsageError{"--" + name + " needs a number"};
    }
    return *value;
}

// "none", "hann", "exp" or "exp:SHARE" (0.25 or 25%).
SpectralOptions WindowOption(const std::string& text, SpectralOptions options) {
    constexpr const char* kUsage =
        "--window must be none, hann or exp[:SHARE] with SHARE from 0.01 to 1 (0.25 or 25%)";
    const std::string exponential = "exp";
    if (text == "none") {
        options.Window = SpectralWindow::None;
    } else if (text == "hann") {
        options.Window = SpectralWindow::Hann;
    } else if (text.rfind(exponential, 0) == 0) {
        options.Window = SpectralWindow::Exponential;
        options.DecayShare = kDefaultDecayShare;
        if (text.size() > exponential.size()) {
            const auto share = text[exponential.size()] == ':'
                                   ? ParseShare(text.substr(exponential.size() + 1), true)
                                   : std::nullopt;
            if (!share || !IsDecayShare(*share)) {
                throw UsageError{kUsage};
            }
            options.DecayShare = *share;
        }
    } else {
        throw UsageError{kUsage};
    }
    return options;
}

}  // namespace

PixelArg ParsePixel(const std::string& text, const std::string& option) {
    const auto comma = text.find(',');
    const auto x = comma == std::string::npos
                       ? std::nullopt
                       : ParseInteger(text.substr(0, comma), INT_MIN, INT_MAX);
    const auto y = comma == std::string::npos
                       ? std::nullopt
                       : ParseInteger(text.substr(comma + 1), INT_MIN, INT_MAX);
    if (!x || !y) {
        throw UsageError{"--" + option + " needs X,Y in view pixels, not '" + text + "'"};
    }
    return {static_cast<int>(*x), static_cast<int>(*y)};
}

bool OpenThroughSession(CliSession& cli, const CliOptions& options) {
    bool loaded = false;
    cli.session.OnFileOpen([&] { loaded = PerformOpen(cli.session.Doc(), options, std::cerr); });
    return loaded;
}

bool SetFormFields(FormState& fields, const CliOptions& options) {
    if (options.Has("point")) {
        fields.PointNumber =
            static_cast<std::uint32_t>(IntegerOption(options, "point", 0, UINT_MAX));
    }
    if (options.Has("trace")) {
        fields.TraceNumber =
            static_cast<std::int32_t>(IntegerOption(options, "trace", INT_MIN, INT_MAX));
    }
    if (options.Has("fmin")) {
        fields.FMin = static_cast<std::int32_t>(IntegerOption(options, "fmin", INT_MIN, INT_MAX));
    }
    if (options.Has("fmax")) {
        fields.FMax = static_cast<std::int32_t>(IntegerOption(options, "fmax", INT_MIN, INT_MAX));
    }
    if (options.Has("velocity") && options.Has("thickness")) {
        throw UsageError{"give either --velocity or --thickness"};
    }
    if (options.Has("velocity")) {
        fields.VelocityOrThickness = RealOption(options, "velocity");
        fields.ThicknessGiven = 0;
    }
    if (options.Has("thickness")) {
        fields.VelocityOrThickness = RealOption(options, "thickness");
        fields.ThicknessGiven = 1;
    }
    if (options.Has("beta")) {
        const float beta = RealOption(options, "beta");
        if (!IsValidShapeFactor(beta)) {
            throw UsageError{"--beta needs a shape factor from 0.5 to 1.2"};
        }
        fields.ShapeFactor = beta;
    }
    if (options.Has("detrend")) {
        fields.Detrend = 1;
    }
    if (options.Has("sensor-spacing-mm")) {
        const float spacing = RealOption(options, "sensor-spacing-mm");
        if (!IsValidSensorSpacing(spacing)) {
            throw UsageError{"--sensor-spacing-mm needs a spacing in mm above 0, at most 10000"};
        }
        fields.SensorSpacingMm = spacing;
        fields.ArrivalVelocity = static_cast<std::int32_t>(ArrivalVelocityUse::Shown);
    }
    if (const auto use = options.Value("cp-from-arrivals")) {
        if (options.Has("thickness")) {
            throw UsageError{
                "--cp-from-arrivals takes the place of the velocity: give no --thickness"};
        }
        if (*use == "point") {
            fields.ArrivalVelocity = static_cast<std::int32_t>(ArrivalVelocityUse::Point);
        } else if (*use == "line") {
            fields.ArrivalVelocity = static_cast<std::int32_t>(ArrivalVelocityUse::Line);
        } else {
            throw UsageError{"--cp-from-arrivals must be point or line"};
        }
    }
    if (const auto window = options.Value("window")) {
        fields.Spectral = WindowOption(*window, fields.Spectral);
    }
    if (options.Has("zero-pad")) {
        const auto factor = static_cast<std::uint32_t>(IntegerOption(options, "zero-pad", 1, 8));
        if (!IsZeroPadFactor(factor)) {
            throw UsageError{"--zero-pad must be 1, 2, 4 or 8"};
        }
        fields.Spectral.ZeroPad = factor;
    }
    if (const auto view = options.Value("view")) {
        if (*view == "wiggle") {
            fields.ViewMode = 0;
        } else if (*view == "density") {
            fields.ViewMode = 1;
        } else {
            throw UsageError{"--view must be wiggle or density"};
        }
    }
    const std::string mode = options.Value("mode").value_or("single");
    if (mode == "single") {
        fields.SpectrumMode = kSingleTrace;
    } else if (mode == "average") {
        fields.SpectrumMode = kAveragedSpectrum;
    } else if (mode == "product") {
        fields.SpectrumMode = kSpectrumProduct;
    } else if (mode == "profile") {
        fields.SpectrumMode = kProfileSpectrum;
    } else {
        throw UsageError{"--mode must be single, average, product or profile"};
    }
    return fields.SpectrumMode == kProfileSpectrum;
}

}  // namespace karvelo::cli
