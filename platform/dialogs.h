#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// The printer chosen in the print setup dialog, with the orientation chosen there.
struct PrinterChoice {
    QString printerName;
    bool landscape = false;
};

// Every modal interaction of the editor goes through here, so that tests can script the answers.
// Texts are given as the program says them; line breaks are written "\r\n".
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Yes/No box with the question icon; true only for Yes.
    virtual bool ask(const QString& title, const QString& text) = 0;
    // OK box with the error icon.
    virtual void error(const QString& title, const QString& text) = 0;
    // OK box with the information icon.
    virtual void information(const QString& title, const QString& text) = 0;
    // OK box without an icon.
    virtual void message(const QString& title, const QString& text) = 0;
    // One-line input box with OK and Cancel; nothing on Cancel.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;
    // File dialogs. The filter is given in the form "lab文件(*.lab)|*.lab"; the default extension
    // without a dot is added to a name typed without one. Nothing on Cancel.
    virtual std::optional<QString> openFile(const QString& title, const QString& filter,
                                            const QString& folder, const QString& defaultExtension) = 0;
    virtual std::optional<QString> saveFile(const QString& title, const QString& filter,
                                            const QString& folder, const QString& fileName,
                                            const QString& defaultExtension) = 0;
    // Screen fonts with the effects choices; nothing on Cancel.
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    // The system's print setup dialog (printer, paper, orientation), opened on the current default
    // printer; nothing on Cancel or when it cannot be shown, which is also what a set of dialogs
    // without one gives.
    virtual std::optional<PrinterChoice> choosePrinter() { return std::nullopt; }
};

// The real boxes, owned by the given window.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    bool ask(const QString& title, const QString& text) override;
    void error(const QString& title, const QString& text) override;
    void information(const QString& title, const QString& text) override;
    void message(const QString& title, const QString& text) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> openFile(const QString& title, const QString& filter, const QString& folder,
                                    const QString& defaultExtension) override;
    std::optional<QString> saveFile(const QString& title, const QString& filter, const QString& folder,
                                    const QString& fileName, const QString& defaultExtension) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<PrinterChoice> choosePrinter() override;

private:
    QWidget* owner_;
};

// "lab文件(*.lab)|*.lab" in the form Qt's file dialogs take: "lab文件(*.lab)".
QString qtFileFilter(const QString& filter);
