#include "words/Dictionary.h"

#include <array>
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
    Index.SortLetterBuckets();
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
bool Dictionary::ReadLines() {
    char line[kBlockSize];
    int lineLength = 0;
    bool tooLong = false;
    int blockLength = 0;

    const auto endLine = [&] {
        if (lineLength > 0 && !tooLong) {
            Index.AddWord(line, static_cast<std::size_t>(lineLength));
        }
        lineLength = 0;
        tooLong = false;
    };

    for (;;) {
        if (ReadPos >= blockLength) {
            if (!Refill(blockLength)) {
                return false;
            }
            if (blockLength == 0) {
                break;
            }
        }
        // ReadBuffer[blockLength] is zero, so the run always stops inside the buffer.
        const auto* start = reinterpret_cast<const unsigned char*>(ReadBuffer) + ReadPos;
        const unsigned char* stop = start;
        while (!kStopBytes[*stop]) {
            ++stop;
        }
        const auto run = static_cast<int>(stop - start);
        if (run > 0) {
            if (tooLong || lineLength + run > kLongestWord) {
                tooLong = true;
            } else {
                std::memcpy(line + lineLength, start, static_cast<std::size_t>(run));
                lineLength += run;
            }
            ReadPos += run;
        }
        if (ReadPos < blockLength) {
            const unsigned char c = *stop;
            ++ReadPos;
            if (c == '\r' || c == '\n') {
                endLine();
            }
        }
    }
    endLine();
    return true;
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
