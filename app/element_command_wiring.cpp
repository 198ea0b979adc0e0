#include "app/command_wiring.h"
#include "app/main_window.h"
#include "codes/insert_codes.h"
#include "document/drawing_canvas.h"
#include "document/element_mouse.h"
#include "document/element_properties.h"
#include "document/image_editing.h"
#include "document/picture_control.h"
#include "document/picture_element.h"
#include "document/rotation.h"
#include "document/text_element.h"

void connectElementCommands(MainWindow& window)
{
    LabelDocument& document = window.document();
    window.setCommand(Command::InsertText, [&document] { insertTextElement(document); });
    window.setCommand(Command::InsertPicture, [&document] { insertPictureElement(document); });
    window.setCommand(Command::InsertBarcode, [&window] { insertBarcode(window.document(), window.clock()); });
    window.setCommand(Command::InsertQrCode, [&window] { insertQrCode(window.document(), window.clock()); });
    const struct {
        Command command;
        int angle;
    } rotations[] = {
        {Command::Rotate0, 0}, {Command::Rotate90, 900}, {Command::Rotate180, 1800}, {Command::Rotate270, 2700}};
    for (const auto& rotation : rotations) {
        const int angle = rotation.angle;
        window.setCommand(rotation.command, [&document, angle] { rotateSelectedElement(document, angle); });
    }
    window.setCommand(Command::Properties, [&window] { showElementProperties(window.document(), window.dialogs()); });

    QObject::connect(&window.elementMouse(), &ElementMouse::elementDoubleClicked, &window, [&window](QWidget* control) {
        const int tag = LabelDocument::tagOf(control);
        if (isTextTag(tag))
            editTextElement(window.document(), window.dialogs(), qobject_cast<DrawingCanvas*>(control));
        else if (isImageTag(tag))
            editImageElement(window.document(), window.dialogs(), window.clock(), qobject_cast<PictureControl*>(control));
    });
}
