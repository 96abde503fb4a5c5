#pragma once

#include <QList>
#include <QSplitter>
#include <QStringList>

// A frameset's frames side by side or one below the other, sized by the
// frameset's rows or cols ("200" pixels, "30%", "*" or "2*" of what is
// left) whenever the frameset's size changes.
namespace browser {

// The sizes of the frames in an extent of total pixels.
QList<int> frameSizes(const QStringList& specs, int count, int total);

class FramesetSplitter : public QSplitter {
    Q_OBJECT
public:
    FramesetSplitter(Qt::Orientation orientation, QStringList specs, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QStringList specs_;
};

}
