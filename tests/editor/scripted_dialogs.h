#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>

// Records every box the program shows and answers from a queue; a question without a queued
// answer is answered No.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "ask", "error", "information", "message", "input", "open", "save", "font"
        QString title;
        QString text;
    };

    QList<Shown> shown;
    QList<bool> answers;

    bool ask(const QString& title, const QString& text) override
    {
        shown.append({QStringLiteral("ask"), title, text});
        return !answers.isEmpty() && answers.takeFirst();
    }
    void error(const QString& title, const QString& text) override { shown.append({QStringLiteral("error"), title, text}); }
    void information(const QString& title, const QString& text) override
    {
        shown.append({QStringLiteral("information"), title, text});
    }
    void message(const QString& title, const QString& text) override { shown.append({QStringLiteral("message"), title, text}); }
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString&) override
    {
        shown.append({QStringLiteral("input"), title, prompt});
        return std::nullopt;
    }
    std::optional<QString> openFile(const QString& title, const QString&, const QString&, const QString&) override
    {
        shown.append({QStringLiteral("open"), title, QString()});
        return std::nullopt;
    }
    std::optional<QString> saveFile(const QString& title, const QString&, const QString&, const QString&,
                                    const QString&) override
    {
        shown.append({QStringLiteral("save"), title, QString()});
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(const QFont&) override
    {
        shown.append({QStringLiteral("font"), QString(), QString()});
        return std::nullopt;
    }
};
