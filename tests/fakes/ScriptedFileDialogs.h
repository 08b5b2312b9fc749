#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "fakes/EventLog.h"
#include "ui/platform/FileDialogs.h"

namespace qx::test {

// Answers file dialogs from a script (cancelled when the script is empty) and logs each one with
// what it offered: "file save QuorvelX-settings-2024-03-05-0907.json", "file open".
class ScriptedFileDialogs : public FileDialogs {
public:
    explicit ScriptedFileDialogs(EventLog& log) : log_(log) {}

    std::optional<QString> saveFileName(const QString&, const QString& suggestedName,
                                        const QString&) override {
        log_.add(QStringLiteral("file"), QStringLiteral("save ") + suggestedName);
        return next();
    }
    std::optional<QString> openFileName(const QString&, const QString&) override {
        log_.add(QStringLiteral("file"), QStringLiteral("open"));
        return next();
    }

    QList<std::optional<QString>> answers;

private:
    std::optional<QString> next() { return answers.isEmpty() ? std::nullopt : answers.takeFirst(); }

    EventLog& log_;
};

}  // namespace qx::test
