#pragma once

#include <windows.h>

#include <string>

// The help page and the web site, opened in the player's browser through the shell. When the shell
// cannot open one, a box captioned like the program's other error boxes says which page, where it
// was looked for, and why in plain words.

// The help page's full path: the working folder followed by "lexihelp.htm".
std::string HelpPagePath();

// Opens the help page; on failure the box (owned by owner) names the page's full path. Returns
// whether the page opened.
bool OpenHelpPage(HWND owner);

// Opens the web page at address; on failure the box names the address.
bool OpenWebPage(HWND owner, const char* address);
