#pragma once

#include "gfx/WordSprite.h"

#include <cstdint>

// A display that shows Value through a text template: the base of the score and word counters and
// of the clock. Displays are never clicked and never expire.
class TemplateSprite : public WordSprite {
public:
    static constexpr int kTemplateSize = 1024;

    char Template[kTemplateSize];
    std::int32_t Value = 0;
    CText Formatted; // the filled-in template, kept so that a new value needs no new memory

    TemplateSprite(COLORREF colour, const char* initialTemplate);

    bool IsLive() const override;
    bool IsExpired() const override;

    // Takes the string-table text number id as the template (at most kTemplateSize - 1
    // characters); a missing text leaves the template as it is.
    void LoadTemplate(unsigned id);
    // Text = the template filled in from Value.
    virtual void UpdateText() = 0;
};

// A number in a template such as "Score: %d".
class CounterSprite : public TemplateSprite {
public:
    explicit CounterSprite(COLORREF colour);

    void Tick(HWND window, CDrawBuffer& buffer, int animate) override;
    void UpdateText() override;
};

// The game time, with Value in tenths of a second, as minutes, seconds and tenths in a template
// such as "%02d:%02d:%d00".
class ClockSprite : public TemplateSprite {
public:
    explicit ClockSprite(COLORREF colour);

    // One tenth more.
    void Tick(HWND window, CDrawBuffer& buffer, int animate) override;
    void UpdateText() override;
};

// A cross-hatched box that takes up room on the field; the gaps show the background.
class DeadRectSprite : public WordSprite {
public:
    GdiObject<HBRUSH> HatchBrush;
    std::int32_t Ticks = 0;

    explicit DeadRectSprite(COLORREF colour);

    void Tick(HWND window, CDrawBuffer& buffer, int animate) override;
    void Draw(CDrawBuffer& buffer) override;
    bool IsLive() const override;
    bool IsExpired() const override;
};
