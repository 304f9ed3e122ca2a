#include "words/Dictionary.h"

#include <cstdint>
#include <cstring>

namespace {

// A larger stream buffer than the default saves system calls; the list is still taken a block at
// a time.
constexpr std::size_t kStreamBufferSize = 64 * 1024;

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

// A line ends at CR LF, at a lone LF or at a lone CR, and the last line needs no line end; empty
// lines add nothing and zero bytes are skipped. A line of kBlockSize bytes or more is skipped whole,
// and so is a line that does not begin with a letter. False on a read error or when memory runs out.
bool Dictionary::ReadLines() {
    char line[kLongestWord];
    int length = 0;
    bool tooLong = false;
    const auto endLine = [&] {
        const bool word = length > 0 && !tooLong && LetterBucketOf(static_cast<unsigned char>(line[0])) >= 0;
        const bool filed = !word || Index.AddWord(line, static_cast<std::size_t>(length));
        length = 0;
        tooLong = false;
        return filed;
    };
    for (;;) {
        const std::size_t got = std::fread(ReadBuffer, 1, kBlockSize, File);
        if (got == 0) {
            return std::ferror(File) == 0 && endLine();
        }
        ReadBuffer[got] = '\0';
        for (ReadPos = 0; ReadPos < static_cast<std::int32_t>(got); ++ReadPos) {
            const char c = ReadBuffer[ReadPos];
            if (c == '\r' || c == '\n') {
                if (!endLine()) {
                    return false;
                }
            } else if (c == '\0') {
                continue;
            } else if (length < kLongestWord) {
                line[length++] = c;
            } else {
                tooLong = true;
            }
        }
    }
}

int Dictionary::IsWord(const char* text) const {
    if (text == nullptr || Index.Find(text) < 0) {
        return 0;
    }
    return static_cast<int>(std::strlen(text));
}
