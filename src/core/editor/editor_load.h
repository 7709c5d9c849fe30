#pragma once

// Loading the appointment file into the editor: the file as it is on disk, and the text the editor
// shows, cleaned up.

#include "core/model/storage.h"

namespace notavi {

struct EditorText
{
    EditorLoadStatus status = EditorLoadStatus::ReadFailed;
    Lines onDisk;         // Loaded: the lines as read, to tell later whether another program changed the file
    Lines text;           // Loaded: the lines after the cleanup
    bool cleaned = false; // the cleanup removed lines: the text differs from the file
};

EditorText loadEditorFileCleaned(const FileSystem& fs, const Path& dataFile);

} // namespace notavi
