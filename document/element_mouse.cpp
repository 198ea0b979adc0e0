#include "document/element_mouse.h"

#include "document/edit_rules.h"
#include "document/element_kind.h"
#include "document/label_document.h"

#include <QMouseEvent>
#include <QWidget>

ElementMouse::ElementMouse(LabelDocument& document, DocumentHost& host, QObject* parent)
    : QObject(parent), document_(document), host_(host)
{
    document_.setElementEvents(this);
}

void ElementMouse::watchHandle(QWidget* handle)
{
    handle_ = handle;
    handle->installEventFilter(this);
}

void ElementMouse::follow(QMouseEvent* event)
{
    QWidget* parent = dragged_->parentWidget();
    if (!parent)
        return;
    const QPoint pointer = parent->mapFromGlobal(event->globalPosition().toPoint());
    dragged_->move(pointer - grabOffset_);
}

bool ElementMouse::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control)
        return false;
    return elementEvent(control, event);
}

bool ElementMouse::elementEvent(QWidget* control, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        dragged_ = control;
        grabOffset_ = mouse->position().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (dragged_ == control && (mouse->buttons() & Qt::LeftButton))
            follow(mouse);
        return dragged_ == control;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && dragged_ == control) {
            follow(mouse);
            dragged_.clear();
            if (control == handle_)
                finishHandleMove();
            else
                finishElementMove(control);
            return true;
        }
        if (mouse->button() == Qt::RightButton && control != handle_) {
            rightReleased(control, mouse->globalPosition().toPoint());
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || control == handle_)
            return false;
        // Qt sends press, release, double-click, release: the double-click stands for the second
        // press, so the element was selected by the first click's release.
        emit elementDoubleClicked(control);
        return true;
    }
    default:
        return false;
    }
}

void ElementMouse::finishElementMove(QWidget* control)
{
    control->raise();
    control->setGeometry(clampToEditArea(control->geometry(), host_.editArea()));
    const int tag = LabelDocument::tagOf(control);
    document_.select(tag);
    document_.refreshReadout();
}

void ElementMouse::finishHandleMove()
{
    const int tag = document_.selectedTag();
    if (isImageTag(tag)) {
        if (QWidget* element = document_.findElement(tag); element && handle_) {
            const HandleResize resized = resizeByHandle(element->geometry(), handle_->pos());
            element->resize(resized.elementSize);
            handle_->move(resized.handleTopLeft);
        }
    }
    document_.refreshReadout();
}

void ElementMouse::rightReleased(QWidget* control, QPoint globalPos)
{
    // A text element is selected before it is raised, an image element after; the result is the same.
    const int tag = LabelDocument::tagOf(control);
    control->raise();
    document_.select(tag);
    document_.refreshReadout();
    emit popupRequested(globalPos);
}
