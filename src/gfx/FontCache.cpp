#include "gfx/FontCache.h"

#include "gfx/Gdi.h"

#include <algorithm>

FontCache SharedFonts;

HFONT FontCache::Acquire(HDC reference, const FontDescription& d) {
    if (reference == nullptr) {
        return nullptr;
    }
    const auto held = std::find_if(fonts_.begin(), fonts_.end(),
                                   [&d](const Entry& entry) { return entry.Description == d; });
    if (held != fonts_.end()) {
        ++held->Shares;
        return held->Font;
    }
    GdiObject<HFONT> font(CountedCreateFont(d.Height, 0, 0, 0, d.Weight, d.Italic, d.Underline, d.StrikeOut,
                                            ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                            static_cast<DWORD>(d.PitchAndFamily), d.Face.c_str()));
    if (font == nullptr) {
        return nullptr;
    }
    Entry entry{d, std::move(font), 1, TakeKeeper(reference)};
    if (entry.Holder.Dc != nullptr) {
        entry.Holder.FirstFont = SelectObject(entry.Holder.Dc, entry.Font);
    }
    fonts_.push_back(std::move(entry));
    return fonts_.back().Font;
}

void FontCache::Release(HFONT font) {
    if (font == nullptr) {
        return;
    }
    const auto held =
        std::find_if(fonts_.begin(), fonts_.end(), [font](const Entry& entry) { return entry.Font == font; });
    if (held == fonts_.end()) {
        CountedDeleteObject(font);
        return;
    }
    if (--held->Shares > 0) {
        return;
    }
    // A font still selected somewhere cannot be deleted: the keeper lets go of it first.
    if (held->Holder.Dc != nullptr) {
        SelectObject(held->Holder.Dc, held->Holder.FirstFont);
        spare_.push_back(std::move(held->Holder));
    }
    fonts_.erase(held);
    if (fonts_.empty()) {
        spare_.clear();
    }
}

FontCache::Keeper FontCache::TakeKeeper(HDC reference) {
    if (!spare_.empty()) {
        Keeper keeper = std::move(spare_.back());
        spare_.pop_back();
        return keeper;
    }
    Keeper keeper;
    keeper.Dc.Reset(CountedCreateCompatibleDC(reference));
    keeper.Bitmap.Reset(CountedCreateCompatibleBitmap(reference, 1, 1));
    if (keeper.Dc != nullptr && keeper.Bitmap != nullptr) {
        SelectObject(keeper.Dc, keeper.Bitmap);
    }
    return keeper;
}
