// Any bytes as the settings file: the document loads them, saves, loads its
// own file again and saves again. Nothing may crash, and the second file must
// hold the same lines as the first; only their order may change, where loading
// reorders by design (tasks with equal keys come back reversed, rules read
// before a late numOfPast are sorted again). numOfPast itself is checked
// against the numOfMonth read before it, so a file that gives it before
// numOfMonth, or not at all, may load it differently once saved in order.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "doc/doc.h"
#include "support/fake_host.h"

namespace {

std::string LoadAndSave(const std::string& bytes) {
    vesm::FakeHost host;
    host.SetSettingsFile(bytes);
    vesm::CvesmDoc doc(host);
    if (!doc.SaveSettings()) std::abort();
    return host.SettingsFile();
}

std::vector<std::string> SortedLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (line.rfind("numOfPast=", 0) != 0) lines.push_back(std::move(line));
        start = end + 2;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string first = LoadAndSave(std::string(reinterpret_cast<const char*>(data), size));
    std::string second = LoadAndSave(first);
    if (SortedLines(first) != SortedLines(second)) std::abort();
    return 0;
}
