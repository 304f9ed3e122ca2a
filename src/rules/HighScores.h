#pragma once

#include <cstdint>

// The top-ten list holds ten entries; entry 0 is the highest.
inline constexpr int kHighScoreEntries = 10;

// The score of the i-th lowest default entry (i from 1 to 10; other values are taken as the
// nearest of those): ((50 i - 45) i) / 5, nine times as much in the Round Robin tour.
std::int32_t DefaultScore(int i, bool roundRobin);

// A score stored as decimal text: optional blanks, an optional sign and digits, read up to the
// first other character. Text without digits reads as 0, and so does a number beyond the 32-bit
// range: such a text was not written by the program.
std::int32_t ScoreFromText(const char* text);

// The score that competes for the list after a game: the tour's sum during the tour, otherwise the
// game's own score.
inline std::int32_t HighScoreCandidate(bool roundRobin, std::int32_t tourScore, std::int32_t gameScore) {
    return roundRobin ? tourScore : gameScore;
}

// Whether the list takes a score: only when it beats the lowest entry; a tie does not.
inline bool EntersHighScores(std::int32_t score, std::int32_t lowestEntry) {
    return score > lowestEntry;
}
