#pragma once

#include "ui/Platform.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Stands in for the platform in window tests: answers file dialogs from a
// script (a path, or nothing for a cancel; an empty script cancels) and
// records every dialog, message box and beep.
class FakePlatform : public Platform
{
public:
    struct Box
    {
        QString text;
        QString title;
    };

    std::deque<std::optional<QString>> answers;
    // The file dialogs asked, "open|save: title [file name] filter" each.
    QStringList asked;
    std::vector<Box> boxes;
    int beeps = 0;
    // Runs inside every file dialog, to throw what a command must survive.
    std::function<void()> duringDialog;

    // The boxes shown, "title: text" each.
    QStringList shown() const
    {
        QStringList out;
        for (const Box &b : boxes)
            out << b.title + QStringLiteral(": ") + b.text;
        return out;
    }

    void answer(const QString &path) { answers.push_back(path); }
    void cancel() { answers.push_back(std::nullopt); }
    void clear()
    {
        answers.clear();
        asked.clear();
        boxes.clear();
        beeps = 0;
    }

    std::optional<QString> showFileDialog(QWidget *, FileDialogKind kind, const QString &title,
                                          const QString &fileName, const QString &filter) override
    {
        asked << QStringLiteral("%1: %2 [%3] %4")
                     .arg(kind == FileDialogKind::Open ? "open" : "save", title, fileName, filter);
        if (duringDialog)
            duringDialog();
        if (answers.empty())
            return std::nullopt;
        const std::optional<QString> next = answers.front();
        answers.pop_front();
        return next;
    }

    void showError(QWidget *, const QString &text, const QString &title) override
    {
        boxes.push_back({text, title});
    }

    void beep() override { ++beeps; }
};
