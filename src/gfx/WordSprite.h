#pragma once

#include "gfx/Gdi.h"
#include "words/CText.h"

#include <windows.h>

#include <cstdint>

class CDrawBuffer;

// How a sprite animates at each tick (WordSprite::State).
enum SpriteState : std::int32_t {
    SpriteNormal = 0,         // still; starts fading at Lifespan 5
    SpriteFading = 1,         // the colour moves a fifth of the way to the background
    SpriteGrowing = 2,        // the font grows by a tenth
    SpriteShrinking = 3,      // the font shrinks by a tenth, then the sprite hides
    SpriteBlinkItalic = 4,    // italic toggles
    SpriteBlinkBold = 5,      // bold toggles every other tick
    SpriteJiggling = 6,       // wanders by up to 2 pixels each way; starts fading at Lifespan 5
    SpriteHidden = 7,         // the text is not drawn
    SpriteJigglingSteady = 8, // wanders but never fades
    SpriteDisplay = 9,        // score, word count and clock
    SpriteDeadBox = 10,       // a hatched box that only takes up room
};

// Outlines drawn over the text (WordSprite::Marks).
enum SpriteMark : std::uint32_t {
    MarkFrame = 1,       // a rounded frame on Rect
    MarkDoubleFrame = 2, // rounded frames on TextRect and 3 pixels inside it
    MarkCross = 4,       // corner-to-corner lines across Rect
};

// A line of text in a box on the field that fits its font to the box and animates tick by tick.
// It owns its pen and its font; the font is made only when needed, and every change of size, face,
// weight or slant drops it.
class WordSprite {
public:
    static constexpr int kFaceNameSize = 512;

    RECT Rect{0, 0, 0, 0};
    RECT TextRect{0, 0, 0, 0}; // Rect moved by the jiggle and shrunk by 3 pixels when drawn
    // Once a zapped word's text has grown past Rect: the box it is drawn in, whole, fitted to the
    // text at FontSize plus 3 pixels on every side, centred on Rect and moved to lie inside the field.
    // Empty otherwise. Rect stays the word's place on the field: placement and the pointer use it.
    RECT GrownRect{0, 0, 0, 0};
    COLORREF Colour;
    GdiObject<HPEN> Pen; // solid, width 1, in Colour
    HFONT Font = nullptr;
    std::int32_t FontSize = 48; // points
    char FaceName[kFaceNameSize] = "Arial";
    std::int32_t Bold = 1;
    std::int32_t Italic = 0;
    std::uint32_t TextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    std::int32_t JiggleY = 0;
    std::int32_t JiggleX = 0;
    std::int32_t Live = 1; // can still be clicked and classified
    std::int32_t HasText = 0;
    CText Text;
    std::int32_t State = SpriteNormal;
    std::uint32_t Marks = 0;
    std::int32_t Lifespan = 30; // ticks left; expired below 0

    // colour: the text and outline colour, the ForegroundColor preference for words.
    explicit WordSprite(COLORREF colour);
    virtual ~WordSprite();
    WordSprite(const WordSprite&) = delete;
    WordSprite& operator=(const WordSprite&) = delete;

    // One clock tick. animate is the AnimateWords rule; fading moves toward the buffer's background.
    virtual void Tick(HWND window, CDrawBuffer& buffer, int animate);
    virtual void SetText(const char* text);
    virtual void Draw(CDrawBuffer& buffer);
    // Sets Rect to the text's size plus 3 pixels on every side, at the origin, with a font made anew
    // at FontSize; the height is measured within the text's own width, so a single line is one line
    // tall. With remake 0 (or when no font can be made) Rect is left empty.
    virtual void FitToText(CDrawBuffer& buffer, int remake);
    virtual bool IsLive() const;
    virtual bool IsExpired() const;
    // The text is drawn in GrownRect rather than Rect.
    bool IsGrown() const { return GrownRect.right > GrownRect.left && GrownRect.bottom > GrownRect.top; }
    // Height of the text wrapped within Rect's width, and its width on one line, in Font.
    virtual int MeasureHeight(CDrawBuffer& buffer);
    virtual int MeasureWidth(CDrawBuffer& buffer);

    // Moves the box and forgets any grown box; a sprite with text gets a new font at its next Draw.
    void Place(int top, int left, int bottom, int right);
    void DropFont();
    // Makes the font at FontSize, stepping the size down by tenths (not below 4 points) until the text
    // fits TextRect. Does nothing while there is a font or TextRect is empty.
    void FitFont(CDrawBuffer& buffer);
    // Copies at most kFaceNameSize - 1 characters of face and drops the font.
    void SetFaceName(const char* face);

protected:
    // Makes Font at FontSize in the current face, weight and slant; false when it cannot be made.
    bool MakeFont(CDrawBuffer& buffer);
    void RemakePen();

private:
    // A growing word's text as measured when it began to grow, and the size it was measured at.
    SIZE GrowthBaseText{0, 0};
    std::int32_t GrowthBasePoints = 0;

    // One step of growth by a tenth, taken only while the text at the new size still fits the field
    // (the buffer's size) whole; sets GrownRect.
    void Grow(CDrawBuffer& buffer);
};
