#pragma once

// The registry key of the current game family, relative to the current user: kGenericGameKey for a
// game built from the settings, kRoundRobinGameKey for the stages. Each game sets it when it is
// built; statistics and high scores are kept under it.
inline constexpr int kGameKeySize = 1024;

// False, leaving the key as it was, for a null key or one of kGameKeySize characters or more.
bool SetGameKey(const char* key);

// The current game key; kGenericGameKey until a game sets another.
const char* GameKey();
