// vesm-holidays FROM_YEAR [TO_YEAR] [--settings FILE | --koyomi]
//
// Prints every holiday and special day the calendar marks in those years, one
// line each: YYYY-MM-DD, a tab, "holiday" or "special", a tab, the name. The
// days come from the calendar's own document, month by displayed month.
// With --koyomi it prints instead every day's Japanese calendar marks.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "doc/doc.h"
#include "doc/holiday_listing.h"
#include "file_doc_host.h"
#include "koyomi_listing.h"

namespace {

constexpr const char* kProgram = "vesm-holidays";
constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2099;
constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr const char* kUsage =
    "usage: vesm-holidays FROM_YEAR [TO_YEAR] [--settings FILE | --koyomi]\n"
    "Lists the holidays and special days of the years FROM_YEAR to TO_YEAR (1980-2099),\n"
    "with the built-in lists and default settings, or those of a vesmira.ini FILE.\n"
    "--koyomi lists every day instead: date, lunisolar month and day, rokuyo,\n"
    "solar term, era year and ISO week number, separated by tabs.\n";

struct Request {
    int fromYear = 0;
    int toYear = 0;
    std::optional<std::string> settingsFile;
    bool koyomi = false;
};

struct Outcome {
    std::optional<Request> request;
    int status = 0;  // when there is no request: 0 after --help, else the failure
};

Outcome Refuse(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n%s", kProgram, message.c_str(), kUsage);
    return {std::nullopt, kBadUsage};
}

std::optional<int> ParseInteger(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

Outcome ParseArguments(const std::vector<std::string>& args) {
    Request request;
    std::vector<int> years;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return {std::nullopt, 0};
        }
        if (arg == "--settings") {
            if (i + 1 == args.size()) return Refuse("--settings needs a file name");
            if (request.settingsFile) return Refuse("--settings given twice");
            request.settingsFile = args[++i];
            continue;
        }
        if (arg == "--koyomi") {
            request.koyomi = true;
            continue;
        }
        std::optional<int> year = ParseInteger(arg);
        if (!year) return Refuse("'" + arg + "' is not a year");
        if (*year < kFirstYear || *year > kLastYear) {
            return Refuse("the year " + arg + " is outside 1980-2099, the years the calendar " +
                          "supports");
        }
        years.push_back(*year);
    }
    if (years.empty()) return Refuse("FROM_YEAR is missing");
    if (years.size() > 2) return Refuse("at most two years: FROM_YEAR and TO_YEAR");
    if (request.koyomi && request.settingsFile) {
        return Refuse("--koyomi takes no --settings: the marks do not depend on them");
    }
    request.fromYear = years.front();
    request.toYear = years.back();
    if (request.fromYear > request.toYear) {
        return Refuse("FROM_YEAR " + std::to_string(request.fromYear) + " is after TO_YEAR " +
                      std::to_string(request.toYear));
    }
    return {request, 0};
}

// A folder opens as a stream on some systems, so it is refused by name.
bool Readable(const std::string& path) {
    std::error_code error;
    return !std::filesystem::is_directory(path, error) && static_cast<bool>(std::ifstream(path));
}

void Print(const vesm::MarkedDay& mark) {
    std::printf("%04d-%02d-%02d\t%s\t%s\n", mark.year, mark.month, mark.day,
                mark.kind == vesm::MarkKind::Holiday ? "holiday" : "special", mark.name.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    Outcome outcome = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!outcome.request) return outcome.status;
    const Request& request = *outcome.request;
    if (request.koyomi) {
        vesm::PrintKoyomiDays(request.fromYear, request.toYear, stdout);
        return std::fflush(stdout) == 0 ? 0 : kFailed;
    }

    if (request.settingsFile && !Readable(*request.settingsFile)) {
        std::fprintf(stderr, "%s: cannot read the settings file %s\n", kProgram,
                     request.settingsFile->c_str());
        return kFailed;
    }
    vesm::FileDocHost host(kProgram, request.settingsFile);
    vesm::CvesmDoc doc(host);
    if (doc.ExitRequested()) {
        std::fprintf(stderr, "%s: the settings could not be loaded\n", kProgram);
        return kFailed;
    }
    for (const vesm::MarkedDay& mark :
         vesm::ListMarkedDays(doc, request.fromYear, request.toYear)) {
        Print(mark);
    }
    return std::fflush(stdout) == 0 ? 0 : kFailed;
}
