// Docking a panel by dragging it. The panel starts a drag of itself as soon
// as the left button goes down on its own surface (its edit boxes and
// buttons keep their clicks); a frame takes such drags on the parts of it
// that no child control covers, in the manner of the DragOver and DragDrop
// events.
#pragma once

#include <QObject>

#include <functional>

class QMimeData;
class QWidget;

class PanelDragSource : public QObject {
    Q_OBJECT
public:
    // Lives as long as panel.
    static void Attach(QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PanelDragSource(QWidget* panel);
    QWidget* panel;
};

class FrameDropTarget : public QObject {
    Q_OBJECT
public:
    using DragOver = std::function<bool(const QMimeData* data)>;
    // y is the drop point in the frame's own coordinates.
    using DragDrop = std::function<void(int y)>;

    // Lives as long as frame.
    static void Attach(QWidget* frame, DragOver dragOver, DragDrop dragDrop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrameDropTarget(QWidget* frame, DragOver dragOver, DragDrop dragDrop);
    bool OnFrameItself(QPoint point) const;

    QWidget* frame;
    DragOver dragOver;
    DragDrop dragDrop;
};
