#include "ical/ical_calendar.h"

#include <algorithm>

#include "ical/ical_text.h"

namespace vesm::ical {

namespace {

constexpr const char* kNotCalendar =
    "iCalendar ファイルではありません (BEGIN:VCALENDAR で始まっていません)。";

std::string AtLine(int line, const std::string& what) {
    return std::to_string(line) + " 行目" + what;
}

// Length of the UTF-8 sequence at the start of text, or 0 when it is invalid.
std::size_t Utf8SequenceLength(std::string_view text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuationByte(text[i])) return 0;
    }
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
    if (lead == 0xED && byte(1) >= 0xA0) return 0;  // surrogate
    if (lead == 0xF0 && byte(1) < 0x90) return 0;   // overlong
    if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // past U+10FFFF
    return length;
}

bool IsUtf8(std::string_view text) {
    while (!text.empty()) {
        std::size_t length = Utf8SequenceLength(text);
        if (length == 0) return false;
        text.remove_prefix(length);
    }
    return true;
}

struct LogicalLine {
    std::string text;
    int line = 0;
};

// The file's lines with folds joined and blank lines dropped, one at a time,
// so a file with far too many events is refused before all of it is read.
class LogicalLines {
public:
    explicit LogicalLines(std::string_view bytes) : rest_(bytes) {}

    // The next line; nothing at the end or when a line is bad (Error() says why).
    std::optional<LogicalLine> Next() {
        std::optional<LogicalLine> logical;
        while (!rest_.empty()) {
            const std::size_t end = rest_.find('\n');
            std::string_view line = rest_.substr(0, end);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            const bool continuation = !line.empty() && (line[0] == ' ' || line[0] == '\t');
            if (logical && !line.empty() && !continuation) break;
            rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
            ++number_;
            if (line.empty()) continue;
            if (logical) {
                logical->text.append(line.substr(1));
            } else {
                logical = LogicalLine{std::string(line), number_};
            }
            if (logical->text.size() > kMaxLineBytes) return Fail(logical->line, kTooLong);
        }
        // Checked once joined: a fold may fall inside a character.
        if (logical && !IsUtf8(logical->text)) return Fail(logical->line, kNotUtf8);
        return logical;
    }
    bool AtEnd() const { return rest_.find_first_not_of("\r\n") == std::string_view::npos; }
    const std::string& Error() const { return error_; }

private:
    static constexpr const char* kNotUtf8 =
        "が UTF-8 ではありません。iCalendar ファイルは UTF-8 で書かれている必要があります。";
    static constexpr const char* kTooLong = "が長すぎます (1 MB を超えています)。";

    std::optional<LogicalLine> Fail(int line, const char* what) {
        error_ = AtLine(line, what);
        rest_ = {};
        return std::nullopt;
    }

    std::string_view rest_;
    int number_ = 0;
    std::string error_;
};

// Splits at the first unquoted character of `stops`.
std::size_t FindUnquoted(std::string_view text, std::size_t from, std::string_view stops) {
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (!quoted && stops.find(text[i]) != std::string_view::npos) return i;
    }
    return std::string_view::npos;
}

std::string Unquoted(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c != '"') out += c;
    }
    return out;
}

std::optional<Property> ParseContentLine(const LogicalLine& logical) {
    std::string_view text = logical.text;
    std::size_t colon = FindUnquoted(text, 0, ":");
    if (colon == std::string_view::npos) return std::nullopt;
    std::size_t nameEnd = std::min(text.find(';'), colon);
    if (nameEnd == 0) return std::nullopt;
    Property property;
    property.name = Upper(text.substr(0, nameEnd));
    property.value = std::string(text.substr(colon + 1));
    property.line = logical.line;
    std::size_t at = nameEnd;
    while (at < colon) {
        std::size_t next = FindUnquoted(text, at + 1, ";:");
        std::string_view param = text.substr(at + 1, next - at - 1);
        std::size_t equals = param.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        property.params.emplace_back(Upper(param.substr(0, equals)),
                                     Unquoted(param.substr(equals + 1)));
        at = next;
    }
    return property;
}

class TreeBuilder {
public:
    std::string Add(const Property& property) {
        if (open_.empty() && (property.name != "BEGIN" || Upper(property.value) != "VCALENDAR")) {
            return kNotCalendar;
        }
        if (property.name == "BEGIN") return Begin(property);
        if (property.name == "END") return End(property);
        if (!open_.empty()) open_.back().properties.push_back(property);
        return {};
    }
    bool Done() const { return done_.has_value(); }
    std::optional<Component> Take() { return std::move(done_); }

private:
    std::string Begin(const Property& property) {
        const std::string name = Upper(property.value);
        if (open_.size() == kMaxDepth) return AtLine(property.line, "の入れ子が深すぎます。");
        if ((name == "VEVENT" || name == "VTODO") && ++events_ > kMaxEvents) {
            return "予定が多すぎます (一度に読み込めるのは " + std::to_string(kMaxEvents) +
                   " 件までです)。";
        }
        open_.push_back(Component{name, {}, {}, property.line});
        return {};
    }

    std::string End(const Property& property) {
        const std::string name = Upper(property.value);
        if (open_.empty() || open_.back().name != name) {
            return AtLine(property.line, "の END:" + name + " に対応する BEGIN がありません。");
        }
        Component closed = std::move(open_.back());
        open_.pop_back();
        if (open_.empty()) {
            done_ = std::move(closed);
        } else {
            open_.back().children.push_back(std::move(closed));
        }
        return {};
    }

    std::vector<Component> open_;
    std::optional<Component> done_;
    std::size_t events_ = 0;
};

}  // namespace

std::optional<std::string> Property::Param(std::string_view wanted) const {
    for (const auto& [name, value] : params) {
        if (name == wanted) return value;
    }
    return std::nullopt;
}

const Property* Component::Find(std::string_view wanted) const {
    for (const Property& property : properties) {
        if (property.name == wanted) return &property;
    }
    return nullptr;
}

CalendarRead ReadCalendar(std::string_view bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.size() > kMaxFileBytes) {
        return {std::nullopt, "ファイルが大きすぎます (64 MB を超えています)。"};
    }
    if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    LogicalLines lines(bytes);
    TreeBuilder builder;
    bool first = true;
    while (std::optional<LogicalLine> line = lines.Next()) {
        std::optional<Property> property = ParseContentLine(*line);
        if (!property) {
            return {std::nullopt,
                    first ? kNotCalendar : AtLine(line->line, "は iCalendar の行ではありません。")};
        }
        first = false;
        std::string error = builder.Add(*property);
        if (!error.empty() && lines.AtEnd()) break;  // cut off inside the last line
        if (!error.empty()) return {std::nullopt, error};
        if (builder.Done()) return {builder.Take(), {}};
    }
    if (!lines.Error().empty()) return {std::nullopt, lines.Error()};
    if (first) return {std::nullopt, kNotCalendar};
    return {std::nullopt, "ファイルが途中で切れています (END:VCALENDAR がありません)。"};
}

}  // namespace vesm::ical
