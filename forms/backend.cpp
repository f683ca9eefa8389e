#include "forms/backend.h"

#include <climits>

#include "forms/form.h"

namespace forms {

namespace {

constexpr int kDesignDpi = 96;

int MulDivRounded(int v, int numerator, int denominator) {
    const long long product = static_cast<long long>(v) * numerator;
    const long long half = denominator / 2;
    const long long q = (product >= 0 ? product + half : product - half) / denominator;
    if (q > INT_MAX) return INT_MAX;
    if (q < INT_MIN) return INT_MIN;
    return static_cast<int>(q);
}

} // namespace

Rect Backend::ScreenBounds(const Form& form) const {
    return ToScreenPixels(form.Bounds(), FormDpi(form));
}

void Backend::SetScreenBounds(Form& form, const Rect& pixels) {
    form.SetBounds(FromScreenPixels(pixels, FormDpi(form)));
}

Rect ToScreenPixels(const Rect& r, int dpi) {
    return {MulDivRounded(r.left, dpi, kDesignDpi), MulDivRounded(r.top, dpi, kDesignDpi),
            MulDivRounded(r.width, dpi, kDesignDpi), MulDivRounded(r.height, dpi, kDesignDpi)};
}

Rect FromScreenPixels(const Rect& r, int dpi) {
    return {MulDivRounded(r.left, kDesignDpi, dpi), MulDivRounded(r.top, kDesignDpi, dpi),
            MulDivRounded(r.width, kDesignDpi, dpi), MulDivRounded(r.height, kDesignDpi, dpi)};
}

} // namespace forms
