#include "codes/insert_codes.h"

#include "codes/barcode_picture.h"
#include "codes/qr_picture.h"
#include "document/content_rules.h"
#include "document/label_document.h"
#include "document/picture_control.h"
#include "document/scratch_files.h"
#include "document/timestamp.h"
#include "platform/clock.h"

#include <functional>

namespace {

constexpr int kBarcodeWidth = 300;

void insertCode(LabelDocument& document, ElementKind kind, const QByteArray& proposal,
                const std::function<QByteArray(const QByteArray&)>& makePicture)
{
    // Two codes inserted within the same second would get the same default content and so share
    // one scratch file; the second gets a suffix instead.
    const QByteArray content = distinctContent(
        proposal, [&document](const QByteArray& candidate) { return document.hasContent(candidate); });
    document.addElement(kind, content, [&](QWidget* control, int) {
        auto* picture = static_cast<PictureControl*>(control);
        if (kind == ElementKind::Barcode)
            picture->resize(kBarcodeWidth, picture->height());
        const QByteArray bytes = makePicture(content);
        if (writeScratchFile(document.scratchFileOf(content), bytes))
            picture->setPicture(bytes);
    });
}

} // namespace

void insertBarcode(LabelDocument& document, const Clock& clock)
{
    insertCode(document, ElementKind::Barcode, "B" + timestamp(clock.now()), [](const QByteArray& content) {
        QByteArray text = content; // holds no spaces: the picture's text is the content
        return makeBarcodePicture(text, false);
    });
}

void insertQrCode(LabelDocument& document, const Clock& clock)
{
    insertCode(document, ElementKind::QrCode, "D" + timestamp(clock.now()),
               [](const QByteArray& content) { return makeQrPicture(content); });
}
