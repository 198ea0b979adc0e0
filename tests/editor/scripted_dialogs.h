#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>

#include <optional>

// Records every box the program shows and answers from a queue; a question without a queued
// answer is answered No, an input box, file dialog or font dialog without one is cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind; // "ask", "error", "information", "message", "input", "open", "save", "font", "printer"
        QString title;
        QString text;
        QString initial; // what an input box was prefilled with
    };

    QList<Shown> shown;
    QList<bool> answers;
    // Answers of input boxes, open and save dialogs and font dialogs, in order; nullopt is Cancel.
    QList<std::optional<QString>> inputs;
    QList<std::optional<QString>> openPaths;
    QList<std::optional<QString>> savePaths;
    QList<std::optional<QFont>> fonts;
    // The fonts the font dialog was prefilled with.
    QList<QFont> offeredFonts;
    // How each open and save dialog was set up.
    struct FileDialog {
        QString kind; // "open" or "save"
        QString title;
        QString filter;
        QString folder;
        QString fileName; // empty for an open dialog
        QString extension;
    };
    QList<FileDialog> fileDialogs;

    bool ask(const QString& title, const QString& text) override
    {
        shown.append({QStringLiteral("ask"), title, text, QString()});
        return !answers.isEmpty() && answers.takeFirst();
    }
    void error(const QString& title, const QString& text) override { shown.append({QStringLiteral("error"), title, text, QString()}); }
    void information(const QString& title, const QString& text) override
    {
        shown.append({QStringLiteral("information"), title, text, QString()});
    }
    void message(const QString& title, const QString& text) override { shown.append({QStringLiteral("message"), title, text, QString()}); }
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& initial) override
    {
        shown.append({QStringLiteral("input"), title, prompt, initial});
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
    }
    std::optional<QString> openFile(const QString& title, const QString& filter, const QString& folder,
                                    const QString& extension) override
    {
        shown.append({QStringLiteral("open"), title, QString(), QString()});
        fileDialogs.append({QStringLiteral("open"), title, filter, folder, QString(), extension});
        return openPaths.isEmpty() ? std::nullopt : openPaths.takeFirst();
    }
    std::optional<QString> saveFile(const QString& title, const QString& filter, const QString& folder,
                                    const QString& fileName, const QString& extension) override
    {
        shown.append({QStringLiteral("save"), title, QString(), QString()});
        fileDialogs.append({QStringLiteral("save"), title, filter, folder, fileName, extension});
        return savePaths.isEmpty() ? std::nullopt : savePaths.takeFirst();
    }
    // Answers of the print setup dialog, in order; nullopt is Cancel.
    QList<std::optional<PrinterChoice>> printerChoices;
    std::optional<PrinterChoice> choosePrinter() override
    {
        shown.append({QStringLiteral("printer"), QString(), QString(), QString()});
        return printerChoices.isEmpty() ? std::nullopt : printerChoices.takeFirst();
    }
    std::optional<QFont> chooseFont(const QFont& initial) override
    {
        shown.append({QStringLiteral("font"), QString(), QString(), QString()});
        offeredFonts.append(initial);
        return fonts.isEmpty() ? std::nullopt : fonts.takeFirst();
    }
};
