#pragma once

#include <windows.h>

#include <cstdint>

// Single registry values, each call opening the key, doing its one access and closing the key
// again. Nothing is reported to the player: a read falls back, a write reports false.

// The program's own key under the current user; the game families keep their statistics and
// high scores in sub-keys of it.
inline constexpr char kMainKey[] = "Software\\Quillmoor\\Lexiblast";
inline constexpr char kGenericGameKey[] = "Software\\Quillmoor\\Lexiblast\\Generic";
inline constexpr char kRoundRobinGameKey[] = "Software\\Quillmoor\\Lexiblast\\RoundRobin";

// The DWORD value name under root\path, or fallback when the key or the value is missing, the
// value is not a REG_DWORD, or it does not hold exactly four bytes.
std::int32_t ReadRegDword(HKEY root, const char* path, const char* name, std::int32_t fallback);

// Writes value as a REG_DWORD, creating the key path as needed.
bool WriteRegDword(HKEY root, const char* path, const char* name, std::int32_t value);

// Copies the REG_SZ value name into buffer (size bytes, terminator included). False, with an empty
// buffer when size allows, for a missing key or value, another type, or a text that does not fit
// together with its terminating zero. A stored text without its zero is terminated when there is
// room for it.
bool ReadRegString(HKEY root, const char* path, const char* name, char* buffer, DWORD size);

// Like ReadRegString, except that a text that does not fit is cut to its first size - 1 characters
// instead of failing.
bool ReadRegStringCut(HKEY root, const char* path, const char* name, char* buffer, DWORD size);

// Writes text as a REG_SZ of its length plus the terminating zero, creating the key path as needed.
bool WriteRegString(HKEY root, const char* path, const char* name, const char* text);
