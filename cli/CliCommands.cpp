#include "cli/CliCommands.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

#include "chart/modVedicEphemeris.h"
#include "reports/ReportBuilders.h"
#include "reports/modNakshatraInformation.h"
#include "reports/pictures/ReportPictureData.h"
#include "shell/CalendarCheck.h"
#include "timezones/modVedicPlanetPosition.h"

namespace tarabead::cli {

namespace {

namespace eph = modVedicEphemeris;
namespace zones = modVedicPlanetPosition;

constexpr std::string_view kBatchHeader =
    "day,month,year,hour,minute,zone,lon_deg,lon_min,lon_dir,dst";
constexpr std::string_view kResultHeader = "ut,jdn,t,lambda,ayanamsa,sidereal,index,nakshatra";

// A whole number of 1 to maxDigits decimal digits, nothing else (no sign, no blank).
std::optional<int> Digits(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = s.find(separator, start);
        parts.push_back(s.substr(start, at == std::string_view::npos ? s.npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

// A double with 17 significant digits, which always reads back as the same value.
std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

std::optional<int> InRange(std::string_view text, std::size_t maxDigits, int low, int high) {
    const auto value = Digits(text, maxDigits);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

}  // namespace

ParsedBirth ParseBirth(std::string_view day, std::string_view month, std::string_view year,
                       std::string_view hour, std::string_view minute, std::string_view zoneRow,
                       std::string_view lonDeg, std::string_view lonMin, std::string_view lonDir,
                       bool dst) {
    const auto y = InRange(year, 4, 1905, 2050);
    if (!y) return {std::nullopt, "the year must be a number from 1905 to 2050"};
    const auto m = InRange(month, 2, 1, 12);
    if (!m) return {std::nullopt, "the month must be a number from 1 to 12"};
    const auto d = InRange(day, 2, 1, 31);
    if (!d) return {std::nullopt, "the day must be a number from 1 to 31"};
    if (auto message = CalendarCheck(*d - 1, *m - 1, *y); !message.empty()) {
        return {std::nullopt, std::string(message)};
    }
    const auto h = InRange(hour, 2, 0, 24);
    if (!h) return {std::nullopt, "the hour must be a number from 0 to 24"};
    const auto min = InRange(minute, 2, 0, 59);
    if (!min) return {std::nullopt, "the minute must be a number from 0 to 59"};
    const auto zone = InRange(zoneRow, 2, 0, zones::TimeZoneCount - 1);
    if (!zone) return {std::nullopt, "the zone must be a row of the zone list, 0 to 70"};
    const auto deg = Digits(lonDeg, 3);
    if (!deg) return {std::nullopt, "the longitude degrees must be 1 to 3 digits"};
    const auto arcMin = Digits(lonMin, 3);
    if (!arcMin) return {std::nullopt, "the longitude minutes must be 1 to 3 digits"};
    if (lonDir != "E" && lonDir != "W") return {std::nullopt, "the longitude side must be E or W"};

    const zones::TimeZoneRow& row = zones::TimeZoneTable()[*zone];
    BirthDetails b;
    b.Day = static_cast<std::int16_t>(*d);
    b.Month = static_cast<std::int16_t>(*m);
    b.Year = static_cast<std::int16_t>(*y);
    b.Hour = static_cast<std::int16_t>(*h);
    b.Minute = static_cast<std::int16_t>(*min);
    b.ZoneHours = static_cast<std::int16_t>(row.Hours < 0 ? -row.Hours : row.Hours);
    b.ZoneMinutes = static_cast<std::int16_t>(row.Minutes < 0 ? -row.Minutes : row.Minutes);
    b.LongitudeDegrees = static_cast<std::int16_t>(*deg);
    b.LongitudeMinutes = static_cast<std::int16_t>(*arcMin);
    b.LongitudeEast = lonDir == "E";
    b.DaylightSaving = dst;
    return {b, {}};
}

std::string UsageText() {
    return "usage:\n"
           "  tarabead-cli nakshatra --date YYYY-MM-DD --time H:MM --zone ROW\n"
           "                         --longitude DEG:MIN{E|W} [--latitude DEG:MIN{N|S}]\n"
           "                         [--dst] [--details]\n"
           "      prints the birth nakshatra of the Moon; ROW is a row of 'tarabead-cli zones'.\n"
           "      --details prints every quantity of the calculation, one 'key value' a line.\n"
           "  tarabead-cli report NAME [--format text|html] [--output FILE]\n"
           "      writes both reports of the nakshatra NAME (e.g. \"Purva Ashadha\") as plain\n"
           "      text (the default) or as one HTML page with the pictures inline.\n"
           "  tarabead-cli zones\n"
           "      prints the 71 time zones: row, text, hours, minutes, tab-separated.\n"
           "  tarabead-cli batch < input.csv > output.csv\n"
           "      reads rows of " +
           std::string(kBatchHeader) +
           "\n"
           "      (lon_dir E or W, dst 0 or 1) and adds the columns\n"
           "      " +
           std::string(kResultHeader) + ".\n";
}

namespace {

int UsageError(std::ostream& err, std::string_view problem) {
    err << "tarabead-cli: " << problem << "\n" << UsageText();
    return ExitStatus::Usage;
}

int Zones(std::ostream& out) {
    const auto table = zones::TimeZoneTable();
    for (int row = 0; row < zones::TimeZoneCount; ++row) {
        out << row << '\t' << table[row].Name << '\t' << table[row].Hours << '\t'
            << table[row].Minutes << '\n';
    }
    return ExitStatus::Success;
}

int Nakshatra(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> date, time, zone, longitude, latitude;
    bool dst = false, details = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string>* target = a == "--date"        ? &date
                                             : a == "--time"      ? &time
                                             : a == "--zone"      ? &zone
                                             : a == "--longitude" ? &longitude
                                             : a == "--latitude"  ? &latitude
                                                                  : nullptr;
        if (target) {
            if (i + 1 >= args.size()) return UsageError(err, a + " needs a value");
            if (*target) return UsageError(err, a + " is given twice");
            *target = args[++i];
        } else if (a == "--dst") {
            dst = true;
        } else if (a == "--details") {
            details = true;
        } else {
            return UsageError(err, "unknown argument '" + a + "'");
        }
    }
    if (!date || !time || !zone || !longitude) {
        return UsageError(err, "--date, --time, --zone and --longitude are required");
    }

    auto fail = [&err](std::string_view reason) {
        err << "tarabead-cli: " << reason << "\n";
        return ExitStatus::BadInput;
    };
    const auto dateParts = Split(*date, '-');
    if (dateParts.size() != 3) return fail("the date must be written YYYY-MM-DD");
    const auto timeParts = Split(*time, ':');
    if (timeParts.size() != 2) return fail("the time must be written H:MM");
    // DEG:MIN followed by one side letter.
    auto coordinate = [](std::string_view text,
                         std::string_view sides) -> std::optional<std::vector<std::string_view>> {
        if (text.size() < 4 || sides.find(text.back()) == std::string_view::npos) return {};
        auto parts = Split(text.substr(0, text.size() - 1), ':');
        if (parts.size() != 2) return {};
        parts.push_back(text.substr(text.size() - 1));
        return parts;
    };
    const auto lon = coordinate(*longitude, "EW");
    if (!lon) return fail("the longitude must be written DEG:MIN followed by E or W");
    if (latitude) {
        const auto lat = coordinate(*latitude, "NS");
        if (!lat || !Digits((*lat)[0], 3) || !Digits((*lat)[1], 3)) {
            return fail(
                "the latitude must be written DEG:MIN followed by N or S, 1 to 3 digits each");
        }
    }
    const ParsedBirth parsed =
        ParseBirth(dateParts[2], dateParts[1], dateParts[0], timeParts[0], timeParts[1], *zone,
                   (*lon)[0], (*lon)[1], (*lon)[2], dst);
    if (!parsed.Details) return fail(parsed.Error);

    const eph::MoonNakshatraResult r = eph::ComputeMoonNakshatra(*parsed.Details);
    if (details) {
        out << "ut " << Number(r.UT) << "\njdn " << Number(r.JDN) << "\nt " << Number(r.T)
            << "\nlambda " << Number(r.Lambda) << "\nayanamsa " << Number(r.Correction)
            << "\nsidereal " << Number(r.Sidereal) << "\nindex " << r.Index << "\nnakshatra "
            << r.Name << "\n";
    } else {
        out << r.Name << "\n";
    }
    return ExitStatus::Success;
}

// Writes bytes to path through a temporary file beside it, so that a failure never leaves a
// half-written file in place of an earlier one.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temporary = target;
    temporary += ".tarabead-tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) {
            error = "cannot write " + temporary.string();
            return false;
        }
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            error = "cannot write " + temporary.string();
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        error = "cannot replace " + path + ": " + ec.message();
        return false;
    }
    return true;
}

int Report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> name, format, output;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--format" || a == "--output") {
            if (i + 1 >= args.size()) return UsageError(err, a + " needs a value");
            auto& target = a == "--format" ? format : output;
            if (target) return UsageError(err, a + " is given twice");
            target = args[++i];
        } else if (a.rfind("--", 0) == 0) {
            return UsageError(err, "unknown argument '" + a + "'");
        } else if (!name) {
            name = a;
        } else {
            return UsageError(err, "report takes one NAME; put a name with a blank in quotes");
        }
    }
    if (!name) return UsageError(err, "report needs the NAME of a nakshatra");
    const std::string kind = format.value_or("text");
    if (kind != "text" && kind != "html") return UsageError(err, "--format is text or html");

    if (modNakshatraInformation::FindNakshatra(*name) == nullptr) {
        err << modTarabead::NoKnownNakshatraText << "\n";
        return ExitStatus::BadInput;
    }
    const std::string document =
        kind == "text" ? reports::ReadingAsText(*name)
                       : reports::ReadingAsHtml(*name, [](reports::PictureList list, int number) {
                             return std::string(reports::ReportPicturePng(list, number));
                         });
    if (!output) {
        out << document;
        return ExitStatus::Success;
    }
    std::string error;
    if (!WriteFileAtomically(*output, document, error)) {
        err << "tarabead-cli: " << error << "\n";
        return ExitStatus::BadInput;
    }
    return ExitStatus::Success;
}

int Batch(std::istream& in, std::ostream& out, std::ostream& err) {
    std::string line;
    if (!std::getline(in, line) || Trim(line) != kBatchHeader) {
        err << "tarabead-cli: line 1: the input must start with the header " << kBatchHeader
            << "\n";
        return ExitStatus::BadInput;
    }
    out << kBatchHeader << ',' << kResultHeader << '\n';
    bool anyFailed = false;
    long lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string_view row = Trim(line);
        if (row.empty()) continue;
        auto fields = Split(row, ',');
        for (auto& f : fields) f = Trim(f);
        auto reject = [&](std::string_view reason) {
            err << "tarabead-cli: line " << lineNumber << ": " << reason << "\n";
            anyFailed = true;
        };
        if (fields.size() != 10) {
            reject("expected 10 columns, found " + std::to_string(fields.size()));
            continue;
        }
        if (fields[9] != "0" && fields[9] != "1") {
            reject("dst must be 0 or 1");
            continue;
        }
        const ParsedBirth parsed =
            ParseBirth(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6],
                       fields[7], fields[8], fields[9] == "1");
        if (!parsed.Details) {
            reject(parsed.Error);
            continue;
        }
        const eph::MoonNakshatraResult r = eph::ComputeMoonNakshatra(*parsed.Details);
        for (const auto& f : fields) out << f << ',';
        out << Number(r.UT) << ',' << Number(r.JDN) << ',' << Number(r.T) << ',' << Number(r.Lambda)
            << ',' << Number(r.Correction) << ',' << Number(r.Sidereal) << ',' << r.Index << ','
            << r.Name << '\n';
    }
    out.flush();
    return anyFailed ? ExitStatus::BadInput : ExitStatus::Success;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
    if (args.empty()) return UsageError(err, "no command given");
    const std::string& command = args[0];
    if (command == "nakshatra") return Nakshatra(args, out, err);
    if (command == "report") return Report(args, out, err);
    if (command == "zones") {
        if (args.size() != 1) return UsageError(err, "zones takes no arguments");
        return Zones(out);
    }
    if (command == "batch") {
        if (args.size() != 1) return UsageError(err, "batch takes no arguments");
        return Batch(in, out, err);
    }
    if (command == "--help" || command == "-h" || command == "help") {
        out << UsageText();
        return ExitStatus::Success;
    }
    return UsageError(err, "unknown command '" + command + "'");
}

}  // namespace tarabead::cli
