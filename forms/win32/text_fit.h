#pragma once
#include <windows.h>

#include <vector>

#include "forms/win32/display_scale.h"

namespace forms {
class Control;
}

namespace forms::win32 {

// A control's place among its siblings while texts are fitted, in its parent's pixels.
struct FitItem {
    RECT bounds;
    int needed = 0;       // the width its text needs; 0: it shows no text to fit
    int lineHeight = 0;   // of its font, for a text wrapped onto two lines
    bool obstacle = true; // a backdrop picture lies under the others and is none
    bool wrapped = false;
};

// Gives each text that is wider than its control the room it needs at this scale,
// keeping the designed arrangement: the control widens into free room to its right;
// else the controls after it on its row move right, when the last still fits in the
// parent; else it widens into free room to its left; else it wraps onto a second line
// where the room below it is free.
void FitTexts(std::vector<FitItem>& items, SIZE parent);

// The place a fit gave a control, kept for the designed bounds and scale it was made
// for: once either changes, the control is back at its designed pixels.
class FittedPlace {
public:
    RECT For(const Rect& bounds, const DisplayScale& scale) const {
        if (dpi_ == scale.Dpi() && for_ == bounds) return place_;
        return scale.ToPixels(bounds);
    }
    void Take(const Rect& bounds, const DisplayScale& scale, const RECT& place) {
        for_ = bounds;
        dpi_ = scale.Dpi();
        place_ = place;
    }

private:
    Rect for_;
    int dpi_ = 0;
    RECT place_{};
};

// A peer that takes part in its parent's fit: windows and the buttons drawn on a panel.
class Fitted {
public:
    // The control's place in pixels and its text's width as designed at this scale;
    // then the place the fit gave it.
    virtual FitItem DesignedFit() const = 0;
    virtual void TakeFit(const FitItem& item) = 0;

protected:
    ~Fitted() = default;
};

// Fits the texts of a control's children, from the peers' designed pixels.
void FitChildren(Control& parent);
// The same for every control below root.
void FitTextsBelow(Control& root);

} // namespace forms::win32
