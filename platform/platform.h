#pragma once
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/disk_space.h"
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace platform {

// The Windows services the program uses, handed to whatever needs them. Program entry
// fills it with the real ones; tests with the in-memory doubles.
struct Services {
    Registry& registry;
    FileSystem& files;
    Shell& shell;
    MessageBoxes& messages;
    Locale& locale;
    Desktop& desktop;
    ServiceControl& serviceControl;
    Processes& processes;
    Cursor& cursor;
    Sound& sound;
    Dialogs& dialogs;
    Instances& instances;
    DiskSpace& diskSpace;
};

} // namespace platform
