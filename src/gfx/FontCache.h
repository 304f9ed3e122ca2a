#pragma once

#include "gfx/Gdi.h"

#include <windows.h>

#include <string>
#include <vector>

// What CreateFontA is asked for; two requests with equal descriptions get the same font.
struct FontDescription {
    int Height = 0; // pixels, negative for the character height
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int PitchAndFamily = 0;
    std::string Face;

    bool operator==(const FontDescription&) const = default;
};

// Fonts shared by everything on the field that draws in the same face, size, weight and slant.
//
// The system realises a font (finds and loads its face, renders its glyphs) when it is first selected,
// and keeps that work only while some device context has the font selected or while it is among the
// last few fonts released. A field whose words use more fonts than that would realise them again at
// every drawing pass. So every font here stays selected into a small device context of its own (a
// keeper, with a 1 x 1 bitmap in the drawing buffer's format, so that the rendered glyphs are the
// ones the buffer uses) for as long as anyone holds it, and holders of the same description share one
// font: the field costs one keeper per distinct font, not one per word.
//
// Fonts, keepers and their bitmaps are made and freed through the counted wrappers. The last release
// of a font frees it and sets its keeper aside; once no font is held, the spare keepers are freed too,
// so the counters balance whenever every holder has let go. Only the window's thread draws.
class FontCache {
public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // A share of the font of this description, made on the first request; null when reference (the
    // memory device context the font will be drawn in) is null or the font cannot be made.
    HFONT Acquire(HDC reference, const FontDescription& description);
    // Gives one share back. A font that did not come from here is simply deleted; null is ignored.
    void Release(HFONT font);

private:
    // The bitmap is declared first so that it outlives the context it is selected into.
    struct Keeper {
        GdiObject<HBITMAP> Bitmap;
        GdiObject<HDC> Dc;
        HGDIOBJ FirstFont = nullptr; // the context's own font, selected back before the font goes
    };
    struct Entry {
        FontDescription Description;
        GdiObject<HFONT> Font;
        int Shares = 0;
        Keeper Holder;
    };

    Keeper TakeKeeper(HDC reference);

    std::vector<Entry> fonts_;
    std::vector<Keeper> spare_;
};

// The program's one cache of shared fonts.
extern FontCache SharedFonts;
