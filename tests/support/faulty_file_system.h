#pragma once

// A file system over the real one that fails chosen operations on demand, for tests that check
// that no failure loses data. Faults fire on the calls whose file name matches.

#include "core/model/file_system.h"

#include <string>
#include <utility>
#include <vector>

namespace notavi::test {

enum class FsOp
{
    ReadAll,
    WriteNewFile,
    ReplaceFile,
    RemoveFile,
    CopyFile,
    SetModifiedNow,
    CreateDirectories,
};

enum class FaultKind
{
    Fail,         // report failure without touching anything
    PartialWrite, // writeNewFile only: write the first half of the bytes, then report failure
};

struct Fault
{
    FsOp op = FsOp::WriteNewFile;
    FaultKind kind = FaultKind::Fail;
    // Only calls whose file name contains this text; for replaceFile and copyFile the name of the
    // target ("to"). Empty matches every call.
    std::string nameContains;
    int skip = 0;     // let this many matching calls pass first
    bool once = true; // false: every later matching call fails too
};

// A call of op on a matching name fails.
inline Fault failing(FsOp op, std::string nameContains = {})
{
    Fault fault;
    fault.op = op;
    fault.nameContains = std::move(nameContains);
    return fault;
}

// writeNewFile on a matching name writes half of its bytes and fails.
inline Fault partialWrite(std::string nameContains = {})
{
    Fault fault = failing(FsOp::WriteNewFile, std::move(nameContains));
    fault.kind = FaultKind::PartialWrite;
    return fault;
}

class FaultyFileSystem final : public FileSystem
{
  public:
    FaultyFileSystem() : inner_(real_) {}

    explicit FaultyFileSystem(FileSystem& inner) : inner_(inner) {}

    FaultyFileSystem(const FaultyFileSystem&) = delete;
    FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

    void inject(Fault fault) { faults_.push_back(std::move(fault)); }

    void clearFaults() { faults_.clear(); }

    // Faults that have fired so far.
    int fired() const { return fired_; }

    int calls(FsOp op) const;

    bool exists(const Path& path) const override { return inner_.exists(path); }

    bool isDirectory(const Path& path) const override { return inner_.isDirectory(path); }

    std::int64_t size(const Path& path) const override { return inner_.size(path); }

    FileKind kind(const Path& path) const override { return inner_.kind(path); }

    std::optional<Path> replaceableTarget(const Path& path) const override
    {
        return inner_.replaceableTarget(path);
    }

    bool takePermissions(const Path& file, const Path& model) override
    {
        return inner_.takePermissions(file, model);
    }

    std::optional<std::string> readAll(const Path& path) const override;
    bool writeNewFile(const Path& path, std::string_view bytes) override;
    bool replaceFile(const Path& from, const Path& to) override;
    bool removeFile(const Path& path) override;
    bool copyFile(const Path& from, const Path& to) override;
    bool setModifiedNow(const Path& path) override;
    bool createDirectories(const Path& path) override;

  private:
    // The fault that applies to this call, if any (counts the call and consumes one-shot faults).
    const Fault* trigger(FsOp op, const Path& path) const;

    RealFileSystem real_;
    FileSystem& inner_;
    mutable std::vector<Fault> faults_;
    mutable Fault firedFault_;
    mutable int fired_ = 0;
    mutable std::vector<int> calls_ = std::vector<int>(7, 0);
};

} // namespace notavi::test
