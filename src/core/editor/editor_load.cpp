#include "core/editor/editor_load.h"

#include "core/editor/text_cleanup.h"

namespace notavi {

EditorText loadEditorFileCleaned(const FileSystem& fs, const Path& dataFile)
{
    EditorLoadResult loaded = loadEditorFile(fs, dataFile);
    EditorText result;
    result.status = loaded.status;
    if (loaded.status != EditorLoadStatus::Loaded)
        return result;
    result.text = loaded.lines;
    result.onDisk = std::move(loaded.lines);
    result.cleaned = cleanUpText(result.text);
    return result;
}

} // namespace notavi
