// Drawing the field, its layout at every size and the faces of the words.

#include "game/ZapCommon.h"

#include "gfx/Gdi.h"
#include "store/Preferences.h"
#include "words/Random.h"

using namespace zap;

// clang-format off
const char* const kFaceTable[kFaceRows] = {
    "Arial", "Times New Roman", "Courier New", "Comic Sans MS", "Bookman Old Style", "Centaur", "Lucida Sans",
    "Impact", "Verdana", "Tahoma", "Stencil", "Rockwell", "Palatino", "Helvetica", "Harrington", "Magneto",
    "Goudy Stout",
    // The everyday faces once more, so that they come up more often.
    "Arial", "Comic Sans MS", "Times New Roman", "Verdana", "Tahoma",
    "Mistral", "Chiller", "Vivaldi", "Copperplate Gothic Light", "Broadway", "Castellar", "Book Antiqua",
    "Baskerville Old Face",
    "Arial", "Times New Roman", "Courier New", "Comic Sans MS", "Franklin Gothic Book", "Gigi", "Jokerman",
    "Impact", "Verdana", "Tahoma", "Lucida Handwriting", "Lucida Calligraphy",
};
// clang-format on

namespace {

constexpr std::int32_t kSmallestWordFont = 8;
constexpr std::int32_t kLargestWordFont = 5000; // no screen is tall enough to ask for more
constexpr std::int32_t kSmallestDisplayFont = 12;
// A long word as words go (nine in ten of the listed words are no longer), in letters of about the
// average width: the word size is kept small enough for it to find a place on the field.
constexpr char kLongUsualWord[] = "nnnnnnnnnnnn";
constexpr int kMargin = 3;
constexpr UINT kScoreFlags = DT_SINGLELINE;
constexpr UINT kClockFlags = DT_SINGLELINE | DT_CENTER;
constexpr UINT kWordsFlags = DT_SINGLELINE | DT_RIGHT;

// A coordinate of the old field on the new one, to the nearest pixel.
int ScaleCoordinate(LONG value, double factor) {
    return Clamp32(value * factor + 0.5);
}

} // namespace

int CZapGame::OnPaint(HWND window, HDC dc) {
    if (LaidOut == 0) {
        Layout(window, dc);
    }
    DrawAll(window, dc);
    return 1;
}

int CZapGame::Layout(HWND window, HDC /*dc*/) {
    RECT client{0, 0, 0, 0};
    GetClientRect(window, &client);
    const LONG width = client.right - client.left;
    const LONG height = client.bottom - client.top;
    // A minimised window has no field: everything stays where it was until it is restored.
    if (width <= 0 || height <= 0) {
        return 0;
    }
    const LONG oldWidth = FieldRect.right - FieldRect.left;
    const LONG oldHeight = FieldRect.bottom - FieldRect.top;
    if (WordSizeFieldHeight <= 0) {
        // The first field since the preferences were loaded: the loaded size is its word size, within
        // the sizes a layout gives (a font of tens of thousands of points is measured wrongly and
        // takes seconds to draw at every step of its animation).
        WordSizeFieldHeight = height;
        WordFontSize = std::clamp(WordFontSize, kSmallestWordFont, kLargestWordFont);
    } else {
        // Always from the chosen size, never from the last one, so that sizes do not drift.
        const double size = static_cast<double>(height) * Preferences.FontSize / WordSizeFieldHeight;
        WordFontSize = std::clamp(Clamp32(size), kSmallestWordFont, kLargestWordFont);
    }
    WordFontSize = FittingWordSize(window, width, height, WordFontSize);
    if ((FieldRect.top != 0 || FieldRect.bottom != 0) && oldWidth > 0 && oldHeight > 0) {
        const double sx = static_cast<double>(width) / oldWidth;
        const double sy = static_cast<double>(height) / oldHeight;
        for (const auto& sprite : FieldSprites) {
            const RECT r = sprite->Rect;
            sprite->Place(ScaleCoordinate(r.top, sy), ScaleCoordinate(r.left, sx),
                          ScaleCoordinate(r.bottom, sy), ScaleCoordinate(r.right, sx));
            sprite->SetFaceName(PickFaceName());
            sprite->DropFont();
            sprite->FontSize = WordFontSize;
            sprite->DropFont();
        }
    }
    FieldRect = client;
    BoxWidth = width / 6;
    BoxHeight = height / 15;
    const LONG d = (width - 12) / 3;
    ScoreDisplay->Place(kMargin, kMargin, BoxHeight + kMargin, d + kMargin);
    ScoreDisplay->TextFlags = kScoreFlags;
    ClockDisplay->Place(kMargin, d + 6, BoxHeight + kMargin, width - d - 6);
    ClockDisplay->TextFlags = kClockFlags;
    WordsDisplay->Place(kMargin, width - d - kMargin, BoxHeight + kMargin, width - kMargin);
    WordsDisplay->TextFlags = kWordsFlags;
    const std::int32_t displaySize = std::max(kSmallestDisplayFont, Clamp32(WordFontSize * 0.75));
    for (TemplateSprite* display :
         {static_cast<TemplateSprite*>(ScoreDisplay), static_cast<TemplateSprite*>(ClockDisplay),
          static_cast<TemplateSprite*>(WordsDisplay)}) {
        display->SetFaceName(Preferences.FontName);
        display->FontSize = displaySize;
        display->DropFont();
    }
    LaidOut = 1;
    return 1;
}

std::int32_t CZapGame::FittingWordSize(HWND window, LONG width, LONG height, std::int32_t size) {
    // Placement keeps a word a pixel inside the field and below the displays.
    const std::int64_t roomWidth = std::int64_t{width} - 2;
    const std::int64_t roomHeight = std::int64_t{height} - height / 15 - 8;
    Buffer.Resize(window, width, height);
    const auto box = [this](std::int32_t points) {
        const HFONT font = Buffer.MakeFont(points, Preferences.FontName, FontBold, FF_SWISS);
        const SIZE text = Buffer.TextExtent(kLongUsualWord, font);
        if (font != nullptr) {
            CountedDeleteObject(font);
        }
        return SIZE{text.cx + 6, text.cy + 6};
    };
    const auto fits = [&](SIZE b) { return b.cx <= roomWidth && b.cy <= roomHeight; };
    const SIZE wanted = box(size);
    if (size <= kSmallestWordFont || fits(wanted) || wanted.cx <= 6) {
        return size; // fits, cannot be measured, or is as small as words get
    }
    // The box grows about in proportion to the size: start from that guess and step down.
    const double scale = std::min(static_cast<double>(roomWidth) / wanted.cx,
                                  static_cast<double>(roomHeight) / std::max<LONG>(wanted.cy, 1));
    std::int32_t points = std::clamp(Clamp32(size * scale), kSmallestWordFont, size - 1);
    while (points > kSmallestWordFont && !fits(box(points))) {
        points -= std::max(1, points / 20);
    }
    return std::max(points, kSmallestWordFont);
}

const char* CZapGame::PickFaceName() {
    if (RandomFonts == 0) {
        return Preferences.FontName;
    }
    return kFaceTable[RandomRange(kFaceRows, 0)];
}

void CZapGame::Redraw(HWND window, std::initializer_list<WordSprite*> sprites) {
    DrawPass(window, nullptr, [this, sprites] {
        for (WordSprite* sprite : sprites) {
            if (sprite != nullptr) {
                sprite->Draw(Buffer);
            }
        }
    });
}

void CZapGame::DrawAll(HWND window, HDC dc) {
    DrawPass(window, dc, [this] { DrawField(); });
}

void CZapGame::DrawField() {
    // A grown word lies beneath everything else: each sprite drawn after it clears its own box first.
    for (const bool grown : {true, false}) {
        for (const auto& sprite : FieldSprites) {
            if (sprite->IsGrown() == grown) {
                sprite->Draw(Buffer);
            }
        }
    }
}

bool CZapGame::Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
