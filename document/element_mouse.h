#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class LabelDocument;
class DocumentHost;
class QMouseEvent;
class QWidget;

// The mouse on element controls and on the resize handle. A press makes the control follow the
// pointer until the release (child controls have no move of the window system's own); the steps
// after the move then run once, at the release. A click without movement takes the same road.
class ElementMouse : public QObject {
    Q_OBJECT
public:
    ElementMouse(LabelDocument& document, DocumentHost& host, QObject* parent = nullptr);

    // The handle 放大按钮 gets its events from here too.
    void watchHandle(QWidget* handle);

    // The steps after a finished move of an element, and after a drop of the handle.
    void finishElementMove(QWidget* control);
    void finishHandleMove();
    // A right-button release on an element: select it and ask for the pop-up menu.
    void rightReleased(QWidget* control, QPoint globalPos);

    bool isDragging() const { return !dragged_.isNull(); }

signals:
    // Open the elements' pop-up menu 右键 here.
    void popupRequested(QPoint globalPos);
    // A double-click on an element; the press before it has selected the element.
    void elementDoubleClicked(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool elementEvent(QWidget* control, QEvent* event);
    void follow(QMouseEvent* event);

    LabelDocument& document_;
    DocumentHost& host_;
    QPointer<QWidget> handle_;
    QPointer<QWidget> dragged_;
    QPoint grabOffset_; // the pointer's place in the control at the press
};
