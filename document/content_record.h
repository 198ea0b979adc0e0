#pragma once

#include <QByteArray>

// What a control cannot hold: the content of the element with this tag. A deleted element's record
// is blanked to tag 0 and empty content and stays until the next reset.
struct ContentRecord {
    int tag = 0;
    QByteArray content; // GBK
};
