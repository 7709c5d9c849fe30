#include "support/faulty_file_system.h"

namespace notavi::test {

int FaultyFileSystem::calls(FsOp op) const
{
    return calls_[static_cast<std::size_t>(op)];
}

const Fault* FaultyFileSystem::trigger(FsOp op, const Path& path) const
{
    ++calls_[static_cast<std::size_t>(op)];
    const std::string name = path.filename().string();
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->op != op || name.find(it->nameContains) == std::string::npos)
            continue;
        if (it->skip > 0) {
            --it->skip;
            continue;
        }
        ++fired_;
        firedFault_ = *it;
        if (it->once)
            faults_.erase(it);
        return &firedFault_;
    }
    return nullptr;
}

std::optional<std::string> FaultyFileSystem::readAll(const Path& path) const
{
    if (trigger(FsOp::ReadAll, path))
        return std::nullopt;
    return inner_.readAll(path);
}

bool FaultyFileSystem::writeNewFile(const Path& path, std::string_view bytes)
{
    const Fault* fault = trigger(FsOp::WriteNewFile, path);
    if (!fault)
        return inner_.writeNewFile(path, bytes);
    if (fault->kind == FaultKind::PartialWrite)
        inner_.writeNewFile(path, bytes.substr(0, bytes.size() / 2));
    return false;
}

bool FaultyFileSystem::replaceFile(const Path& from, const Path& to)
{
    return !trigger(FsOp::ReplaceFile, to) && inner_.replaceFile(from, to);
}

bool FaultyFileSystem::removeFile(const Path& path)
{
    return !trigger(FsOp::RemoveFile, path) && inner_.removeFile(path);
}

bool FaultyFileSystem::copyFile(const Path& from, const Path& to)
{
    return !trigger(FsOp::CopyFile, to) && inner_.copyFile(from, to);
}

bool FaultyFileSystem::setModifiedNow(const Path& path)
{
    return !trigger(FsOp::SetModifiedNow, path) && inner_.setModifiedNow(path);
}

bool FaultyFileSystem::createDirectories(const Path& path)
{
    return !trigger(FsOp::CreateDirectories, path) && inner_.createDirectories(path);
}

} // namespace notavi::test
