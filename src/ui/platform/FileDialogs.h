#pragma once

#include <QString>
#include <optional>

namespace qx {

// The system's dialogs that let the operator name a file to save or choose one to open. Both are
// modal; closing them without a choice gives nothing. Tests answer them from a script.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // `suggestedName` is a bare file name; the dialog decides the folder it starts in. `filter`
    // in the dialog's form: "設定ファイル (*.json)".
    virtual std::optional<QString> saveFileName(const QString& title, const QString& suggestedName,
                                                const QString& filter) = 0;
    virtual std::optional<QString> openFileName(const QString& title, const QString& filter) = 0;
};

}  // namespace qx
