#pragma once

#include "words/Dictionary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

// A folder of its own in the temp directory for a test's word files, removed with its contents.
struct TempFolder {
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() /
        ("lexiblast-words-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    TempFolder() { std::filesystem::create_directories(Path); }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }

    // Writes bytes to a file of the folder and returns its path.
    std::string Write(const std::string& bytes) const {
        const std::string file = (Path / "words.lst").string();
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return file;
    }
};

inline std::string Lines(const std::vector<std::string>& words) {
    std::string bytes;
    for (const std::string& word : words) {
        bytes += word + "\r\n";
    }
    return bytes;
}

// count distinct words of length letters beginning with first; the rest spells a serial number
// with digits.
inline std::vector<std::string> Words(char first, int length, int count,
                                      const std::string& digits = "abcdefghij") {
    std::vector<std::string> words;
    for (int serial = 0; serial < count; ++serial) {
        std::string word(static_cast<std::size_t>(length), digits[0]);
        word[0] = first;
        for (std::size_t i = word.size() - 1, n = static_cast<std::size_t>(serial); i > 0 && n > 0;
             --i, n /= digits.size()) {
            word[i] = digits[n % digits.size()];
        }
        words.push_back(word);
    }
    return words;
}

// Writes the words, sorted, one per CR LF line, and loads them.
inline bool LoadWords(Dictionary& dictionary, const TempFolder& folder, std::vector<std::string> words) {
    std::sort(words.begin(), words.end());
    return dictionary.Load(folder.Write(Lines(words)).c_str());
}
