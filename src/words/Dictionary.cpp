#include "words/Dictionary.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// A larger stream buffer than the default saves system calls; the list is still taken a block at
// a time.
constexpr std::size_t kStreamBufferSize = 64 * 1024;

// The bytes that stop a run of word characters: the line ends and the zero byte (which also marks
// the end of the block).
constexpr std::array<bool, 256> MakeStopBytes() {
    std::array<bool, 256> stops{};
    stops['\0'] = true;
    stops['\n'] = true;
    stops['\r'] = true;
    return stops;
}
constexpr std::array<bool, 256> kStopBytes = MakeStopBytes();

} // namespace

Dictionary::~Dictionary() {
    CloseFile();
}

void Dictionary::CloseFile() {
    if (File != nullptr) {
        std::fclose(File);
        File = nullptr;
    }
}

bool Dictionary::Load(const char* path) {
    Path.Empty();
    Path.Append(path);
    CloseFile();
    Loaded = false;
    Index.Clear();
    std::memset(LetterTotals, 0, sizeof LetterTotals);

    if (Path.Chars == nullptr || Path.Length == 0) {
        return false;
    }
    File = std::fopen(Path.Chars, "rb");
    if (File == nullptr) {
        return false;
    }
    std::setvbuf(File, nullptr, _IOFBF, kStreamBufferSize);
    std::memset(ReadBuffer, 0, sizeof ReadBuffer);
    ReadPos = 0;

    const bool read = ReadLines();
    CloseFile();
    if (!read) {
        return false;
    }
    Index.SortBuckets();
    if (Index.LetterCount('A') == 0 && Index.LetterCount('S') == 0) {
        return false;
    }

    LetterTotals[0] = 0;
    for (int k = 1; k <= 26; ++k) {
        LetterTotals[k] = LetterTotals[k - 1] + Index.LetterCount('A' + k - 1);
    }
    Loaded = true;
    return true;
}

bool Dictionary::Refill(int& blockLength) {
    const std::size_t got = std::fread(ReadBuffer, 1, kBlockSize, File);
    if (got == 0 && std::ferror(File) != 0) {
        return false;
    }
    blockLength = static_cast<int>(got);
    ReadBuffer[blockLength] = '\0';
    ReadPos = 0;
    return true;
}

// A line ends at CR LF, at a lone LF or at a lone CR, and the last line needs no line end. The
// empty line between a CR and its LF adds nothing, like every empty line. Zero bytes are skipped.
// A line of kBlockSize bytes or more is skipped whole.
//
// Each line is copied straight from the block into the index's word store, which always has room
// for the longest word; only lines that turn out to be words are filed.
bool Dictionary::ReadLines() {
    const auto* const buffer = reinterpret_cast<const unsigned char*>(ReadBuffer);
    char* word = Index.WordSpace(kLongestWord + 1);
    int length = 0;
    bool tooLong = false;
    int blockLength = 0;

    const auto endLine = [&] {
        if (length > 0 && !tooLong && Index.AddWrittenWord(static_cast<std::size_t>(length))) {
            word = Index.WordSpace(kLongestWord + 1);
        }
        length = 0;
        tooLong = false;
    };

    while (word != nullptr) {
        if (ReadPos >= blockLength) {
            if (!Refill(blockLength)) {
                return false;
            }
            if (blockLength == 0) {
                endLine();
                return word != nullptr;
            }
        }
        // The block ends in a zero byte, which stops every run.
        const unsigned char* at = buffer + ReadPos;
        const unsigned char* const end = buffer + blockLength;
        if (!tooLong) {
            const int room = kLongestWord - length;
            const unsigned char* const limit = (end - at > room) ? at + room : end;
            char* out = word + length;
            if constexpr (std::endian::native == std::endian::little) {
                // Eight bytes at a time until one of them is below 14, as the stop bytes are.
                while (limit - at >= 8) {
                    std::uint64_t bytes;
                    std::memcpy(&bytes, at, 8);
                    std::memcpy(out, &bytes, 8);
                    const std::uint64_t low = (bytes - 0x0E0E0E0E0E0E0E0Eu) & ~bytes & 0x8080808080808080u;
                    if (low != 0) {
                        const int taken = std::countr_zero(low) / 8;
                        at += taken;
                        out += taken;
                        break;
                    }
                    at += 8;
                    out += 8;
                }
            }
            while (at < limit && !kStopBytes[*at]) {
                *out++ = static_cast<char>(*at++);
            }
            length = static_cast<int>(out - word);
            tooLong = !kStopBytes[*at];
        }
        if (tooLong) {
            while (!kStopBytes[*at]) {
                ++at;
            }
        }
        if (at < end) {
            const unsigned char c = *at++;
            if (c == '\r' || c == '\n') {
                endLine();
                // The LF of a CR LF pair is taken with its CR (in the same block).
                at += (c == '\r' && *at == '\n') ? 1 : 0;
            }
        }
        ReadPos = static_cast<int>(at - buffer);
    }
    return false; // out of memory
}

int Dictionary::IsWord(const char* text) const {
    if (text == nullptr || Index.Find(text) < 0) {
        return 0;
    }
    return static_cast<int>(std::strlen(text));
}

int Dictionary::IsWord(const CText& text) const {
    // A text with a zero byte inside cannot be a word as a whole.
    if (text.Chars == nullptr || text.Length <= 0 ||
        std::memchr(text.Chars, '\0', static_cast<std::size_t>(text.Length)) != nullptr) {
        return 0;
    }
    return IsWord(text.Chars) != 0 ? text.Length : 0;
}
