#pragma once
#include "platform/interface.h"

namespace platform {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Desktop : public Interface {
public:
    // True when some part of the rectangle lies on a monitor that is attached now.
    virtual bool IsOnAnyMonitor(const ScreenRect& rect) = 0;
};

} // namespace platform
