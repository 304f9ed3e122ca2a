// make_wordlist: turns a plain word list into the game's words.lst, or checks one.
//
//   make_wordlist [--lower-only] <input> <output>   write a valid words.lst
//   make_wordlist --check <words.lst>               exit 0 only when the file is valid
//
// The input may use any line ends (CR LF, LF or CR), any case, any order and may repeat words.
// The output holds the words made only of the letters a to z (upper case is folded to lower case;
// with --lower-only a word with any upper-case letter is dropped instead, which keeps proper
// nouns out), at least two letters long, without duplicates, sorted by byte order, one a line,
// each line ended by CR LF. The game refuses a list without a word that starts with 'a' or 's',
// so such a list is reported and nothing is written.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t MaxLine = 1023; // the game skips longer lines

bool ReadFile(const char* path, std::string& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    bytes.clear();
    char block[64 * 1024];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        bytes.append(block, got);
    }
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

// Splits at CR LF, lone LF and lone CR alike.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

bool IsLowerWord(std::string_view word) {
    return word.size() >= 2 && word.size() <= MaxLine &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool HasPlayableStart(const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(),
                       [](const std::string& w) { return w[0] == 'a' || w[0] == 's'; });
}

int Make(const char* inputPath, const char* outputPath, bool lowerOnly) {
    std::string bytes;
    if (!ReadFile(inputPath, bytes)) {
        std::cerr << "make_wordlist: cannot read " << inputPath << "\n";
        return 1;
    }
    std::vector<std::string> words;
    std::size_t dropped = 0;
    for (std::string_view line : SplitLines(bytes)) {
        // Stray blanks around a word are not part of it.
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        std::string word(line);
        if (!lowerOnly) {
            for (char& c : word) {
                if (c >= 'A' && c <= 'Z') {
                    c = static_cast<char>(c - 'A' + 'a');
                }
            }
        }
        if (IsLowerWord(word)) {
            words.push_back(std::move(word));
        } else {
            ++dropped;
        }
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    if (!HasPlayableStart(words)) {
        std::cerr << "make_wordlist: no word starts with 'a' or 's'; the game would refuse this list\n";
        return 1;
    }

    std::string out;
    for (const std::string& w : words) {
        out += w;
        out += "\r\n";
    }
    std::ofstream file(outputPath, std::ios::binary | std::ios::trunc);
    if (!file.write(out.data(), static_cast<std::streamsize>(out.size())) || !file.flush()) {
        std::cerr << "make_wordlist: cannot write " << outputPath << "\n";
        return 1;
    }
    std::cout << "make_wordlist: " << words.size() << " words written to " << outputPath << ", " << dropped
              << " lines dropped\n";
    return 0;
}

int Check(const char* path) {
    std::string bytes;
    if (!ReadFile(path, bytes)) {
        std::cerr << "make_wordlist: cannot read " << path << "\n";
        return 1;
    }
    std::vector<std::string> words;
    std::size_t start = 0;
    std::size_t lineNumber = 0;
    while (start < bytes.size()) {
        ++lineNumber;
        std::size_t cr = bytes.find("\r\n", start);
        if (cr == std::string::npos) {
            std::cerr << path << ":" << lineNumber << ": line does not end with CR LF\n";
            return 1;
        }
        std::string_view word(bytes.data() + start, cr - start);
        if (!IsLowerWord(word)) {
            std::cerr << path << ":" << lineNumber << ": not a word of two or more letters a to z\n";
            return 1;
        }
        if (!words.empty() && !(words.back() < word)) {
            std::cerr << path << ":" << lineNumber << ": out of order or repeated\n";
            return 1;
        }
        words.emplace_back(word);
        start = cr + 2;
    }
    if (!HasPlayableStart(words)) {
        std::cerr << path << ": no word starts with 'a' or 's'\n";
        return 1;
    }
    std::cout << path << ": " << words.size() << " words, valid\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "--check") {
        return Check(argv[2]);
    }
    if (args.size() == 3 && args[0] == "--lower-only") {
        return Make(argv[2], argv[3], true);
    }
    if (args.size() == 2 && !args[0].starts_with("--")) {
        return Make(argv[1], argv[2], false);
    }
    std::cerr << "usage: make_wordlist [--lower-only] <input> <output>\n"
                 "       make_wordlist --check <words.lst>\n";
    return 2;
}
