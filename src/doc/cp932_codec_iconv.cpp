#include <errno.h>
#include <iconv.h>

#include "doc/cp932_codec.h"

namespace vesm {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence that starts at `at`, or 1 when it is malformed,
// so that an unconvertible character is skipped whole.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0x80    ? 1
                         : lead >= 0xF0 ? 4
                         : lead >= 0xE0 ? 3
                         : lead >= 0xC0 ? 2
                                        : 1;
    if (at + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `input`. At each unconvertible spot `onBad` is called with
    // the remaining input and returns how many bytes to skip, after appending
    // its substitute; returning 0 stops the conversion there.
    template <typename OnBad>
    bool Convert(std::string_view input, std::string& output, OnBad onBad) {
        char buffer[16384];
        std::size_t at = 0;
        while (at < input.size()) {
            char* in = const_cast<char*>(input.data() + at);
            std::size_t inLeft = input.size() - at;
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            int error = errno;
            output.append(buffer, sizeof buffer - outLeft);
            at = input.size() - inLeft;
            if (result != static_cast<std::size_t>(-1)) continue;
            if (error == E2BIG) continue;
            if (error != EILSEQ && error != EINVAL) return false;
            std::size_t skip = onBad(at);
            if (skip == 0) break;
            at += skip;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return true;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::string DecodeCp932(std::string_view bytes) {
    std::string text;
    Converter converter("UTF-8", "CP932");
    if (!converter.Valid()) return text;
    text.reserve(bytes.size() + bytes.size() / 2);
    converter.Convert(bytes, text, [&](std::size_t) {
        text += kReplacementCharacter;
        return std::size_t{1};
    });
    return text;
}

std::string EncodeCp932(std::string_view utf8) {
    std::string bytes;
    Converter converter("CP932", "UTF-8");
    if (!converter.Valid()) return bytes;
    bytes.reserve(utf8.size());
    converter.Convert(utf8, bytes, [&](std::size_t at) {
        bytes += '?';
        return Utf8SequenceLength(utf8, at);
    });
    return bytes;
}

bool CanEncodeCp932(std::string_view utf8) {
    std::string bytes;
    Converter converter("CP932", "UTF-8");
    if (!converter.Valid()) return false;
    bool clean = true;
    bool converted = converter.Convert(utf8, bytes, [&](std::size_t) {
        clean = false;
        return std::size_t{0};
    });
    return clean && converted;
}

}  // namespace vesm
