// vesm-ical export SETTINGS OUT.ics
// vesm-ical import SETTINGS IN.ics OUT_SETTINGS
//
// Writes the special days and tasks of a settings file as iCalendar, or adds
// the records of an iCalendar file to a copy of a settings file. SETTINGS is
// only ever read.
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "doc/doc.h"
#include "file_doc_host.h"
#include "ical/ical_export.h"
#include "ical/ical_import.h"

namespace {

constexpr const char* kProgram = "vesm-ical";
constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

constexpr const char* kUsage =
    "usage: vesm-ical export SETTINGS OUT.ics\n"
    "       vesm-ical import SETTINGS IN.ics OUT_SETTINGS\n"
    "Exports the special days and tasks of a vesmira.ini, or writes OUT_SETTINGS: SETTINGS\n"
    "with the special days and tasks of IN.ics added. SETTINGS is never changed.\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return kFailed;
}

std::optional<std::string> ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return bytes.str();
}

bool WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

int Export(vesm::CvesmDoc& doc, const std::string& out) {
    const vesm::ical::DocRecords records = vesm::ical::RecordsOf(doc);
    std::string text =
        vesm::ical::ExportCalendar(records.specialDays, records.tasks, doc.Host().Now());
    if (!WriteAll(out, text)) return Fail("cannot write " + out);
    std::printf("記念日 %zu 件、予定 %zu 件を書き出しました。\n", records.specialDays.size(),
                records.tasks.size());
    return 0;
}

// The document's save after an import goes to OUT_SETTINGS, never to
// SETTINGS; saves while loading (a purge) write nothing.
class OutputHost : public vesm::FileDocHost {
public:
    OutputHost(const std::string& settings, std::string out)
        : FileDocHost(kProgram, settings), out_(std::move(out)) {}
    void Arm() { armed_ = true; }
    bool ReplaceFile(const std::string&, const std::string& bytes) override {
        return armed_ && WriteAll(out_, bytes);
    }

private:
    std::string out_;
    bool armed_ = false;
};

int Import(vesm::CvesmDoc& doc, const std::string& in, const std::string& out) {
    std::optional<std::string> bytes = ReadAll(in);
    if (!bytes) return Fail("cannot read " + in);
    const vesm::ical::DocRecords before = vesm::ical::RecordsOf(doc);
    vesm::ical::ImportPlan plan =
        vesm::ical::PlanImport(*bytes, {before.specialDays, before.tasks}, doc.FirstShownMonth());
    if (!plan.error.empty()) return Fail(in + ": " + plan.error);
    vesm::ical::ApplyImport(doc, plan);
    static_cast<OutputHost&>(doc.Host()).Arm();
    if (!doc.SaveSettings()) return Fail("cannot write " + out);
    std::fputs(vesm::ical::ImportSummary(plan).c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool exporting = args.size() == 3 && args[0] == "export";
    const bool importing = args.size() == 4 && args[0] == "import";
    if (!exporting && !importing) {
        std::fputs(kUsage, stderr);
        return kBadUsage;
    }
    if (!ReadAll(args[1])) return Fail("cannot read the settings file " + args[1]);
    if (importing && args[3] == args[1]) return Fail("OUT_SETTINGS must differ from SETTINGS");
    std::unique_ptr<vesm::FileDocHost> host =
        exporting ? std::make_unique<vesm::FileDocHost>(kProgram, args[1])
                  : std::make_unique<OutputHost>(args[1], args[3]);
    vesm::CvesmDoc doc(*host);
    if (doc.ExitRequested()) return Fail("the settings could not be loaded");
    return exporting ? Export(doc, args[2]) : Import(doc, args[2], args[3]);
}
