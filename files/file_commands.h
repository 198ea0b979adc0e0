#pragma once

#include "platform/whole_file.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

struct OpenedLabel;
class Clock;
class Dialogs;
class IniSettings;
class LabelDocument;
class QWidget;

// What the file commands take from the main window.
struct FileCommandsEnvironment {
    LabelDocument* document = nullptr;
    Dialogs* dialogs = nullptr;
    const Clock* clock = nullptr;
    const IniSettings* settings = nullptr;
    QString labFolder; // first folder of the label file dialogs
    QWidget* window = nullptr; // owner of the new-label and resize windows
};

// The texts of the label file dialogs.
inline const QString kLabelFileFilter = QStringLiteral("lab文件(*.lab)|*.lab");
inline const QString kLabelFileExtension = QStringLiteral("lab");

// What New label writes: the magic "lab 1.0 .." alone, which no Open takes (its width reads as 0).
QByteArray placeholderLabelFile();

// "Lab" + timestamp + ".lab": Lab201556937.lab on 6 May 2015 at 09:03:07.
QString defaultLabelFileName(const Clock& clock);

// The sizes typed in the new-label and resize windows: the label surface takes the leading integer
// of each text, times ten, as pixels (full-width digits folded; no number gives 0), and
// label.ini [New] W and H keep the texts as they were typed.
void applyTypedLabelSize(const FileCommandsEnvironment& environment, const QString& width, const QString& height);


// The box Open shows for a file it refuses.
struct OpenRefusal {
    QString title;
    QString text;
};

// Open's reading of a chosen file, before anything of the label on screen is touched: the file read
// whole and checked, every text measured as its element will be (so the QApplication must exist).
// The label, or the box Open shows for the file.
std::optional<OpenRefusal> readLabelForOpen(const QString& path, OpenedLabel& label);

// Save, Save As, Open, New label and Resize label on the window's document.
class FileCommands : public QObject {
    Q_OBJECT
public:
    explicit FileCommands(FileCommandsEnvironment environment, QObject* parent = nullptr);

    void save();
    void saveAs();
    void open();
    // Open once its file is chosen: the file replaces the label only when it reads completely;
    // otherwise its message is shown and the label stays as it was. False then.
    bool openLabelFile(const QString& path);
    // The two windows are modal and return at once; the window is then the one open.
    void newLabel();
    void resizeLabel();

    QWidget* openWindow() const { return openWindow_; }

private:
    std::optional<QString> chooseSavePath();
    void takePath(const QString& path);
    void writeLabel();
    bool replaceLabel(const OpenedLabel& label, const QString& path);

    FileCommandsEnvironment env_;
    QPointer<QWidget> openWindow_;
};
