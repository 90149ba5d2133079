#include "foundation/SettingsFileWriter.h"

#include "foundation/DevicePathJoin.h"
#include "platform/files/FileOps.h"
#include "platform/text/CodePage.h"

CString OnOneLine(CString value) {
    value.Replace(L'\r', L' ');
    value.Replace(L'\n', L' ');
    return value;
}

bool SettingsFileWriter::BeginRewrite(const CString& path) {
    mode_ = Mode::Failed;
    bytes_.clear();
    const CString folder = DeviceFolderOf(path);
    if (path.IsEmpty() || DirectoryExists(path) || (!folder.IsEmpty() && !DirectoryExists(folder)))
        return false;
    path_ = path;
    mode_ = Mode::Rewrite;
    return true;
}

bool SettingsFileWriter::BeginAppend(const CString& path) {
    mode_ = Mode::Failed;
    bytes_.clear();
    if (path.IsEmpty() || !FileExists(path)) return false;
    path_ = path;
    mode_ = Mode::Append;
    return true;
}

void SettingsFileWriter::Write(const CString& text) {
    if (IsOpen()) bytes_ += ToGbk(text);
}

bool SettingsFileWriter::Commit() {
    const Mode mode = mode_;
    mode_ = Mode::Closed;
    std::string bytes;
    bytes.swap(bytes_);
    switch (mode) {
        case Mode::Rewrite:
            return AtomicRewrite(path_, bytes);
        case Mode::Append:
            return AppendDurably(path_, bytes);
        case Mode::Closed:
            return true;
        case Mode::Failed:
            break;
    }
    return false;
}
