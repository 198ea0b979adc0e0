#pragma once

#include <QByteArray>
#include <QString>

struct Decoded {
    bool started = false; // the decoder could be run at all
    int exitCode = -1;
    QByteArray out;
};

// What zbarimg reads in a picture file, one symbol a line.
Decoded zbarRead(const QString& path);
// What ZXing reads in a picture file, as FORMAT<tab>TEXT (UTF-8), one symbol a line.
Decoded zxingRead(const QString& path);
