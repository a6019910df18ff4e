// A file written under a temporary name beside its target, committed when complete.
#pragma once

#include <QString>

namespace bw {

// A file written under a temporary name beside its target, which takes the target's
// place only when committed. Until then the target is untouched; a temporary that was
// never committed is removed with the object.
class StagedFile {
public:
    // Reserves the temporary name. Throws std::runtime_error when the target's folder
    // takes no new file.
    explicit StagedFile(QString target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    const QString& path() const { return path_; }
    const QString& target() const { return target_; }

    // Renames the temporary over the target in one step. Throws std::runtime_error
    // when it cannot; the target is then as it was.
    void commit();

private:
    QString target_;
    QString path_;
    bool committed_ = false;
};

// Puts `first` in place, then `second`. When `second` cannot take its place, `first`'s
// target is given back what it held before (or removed if it held nothing), so both
// targets are as they were; the failure is then thrown on.
void commitBoth(StagedFile& first, StagedFile& second);

} // namespace bw
