#include "platform/browser/FramesetSplitter.h"

#include <QResizeEvent>

namespace browser {

QList<int> frameSizes(const QStringList& specs, int count, int total) {
    QList<int> sizes(count, 0);
    QList<double> shares(count, 0.0);
    int fixed = 0;
    double shareSum = 0;
    for (int i = 0; i < count; ++i) {
        const QString spec = specs.value(i, QStringLiteral("*")).trimmed();
        if (spec.endsWith(QLatin1Char('*'))) {
            bool ok = false;
            const double share = spec.chopped(1).toDouble(&ok);
            shares[i] = ok && share > 0 ? share : 1.0;
            shareSum += shares[i];
        } else if (spec.endsWith(QLatin1Char('%'))) {
            sizes[i] = qMax(0, int(qint64(total) * qBound(0, spec.chopped(1).toInt(), 100) / 100));
            fixed += sizes[i];
        } else {
            sizes[i] = qBound(0, spec.toInt(), total);
            fixed += sizes[i];
        }
    }
    const int left = qMax(0, total - fixed);
    if (shareSum > 0) {
        for (int i = 0; i < count; ++i)
            if (shares[i] > 0)
                sizes[i] = int(left * shares[i] / shareSum);
    } else if (count > 0 && left > 0) {
        sizes[count - 1] += left;
    }
    return sizes;
}

FramesetSplitter::FramesetSplitter(Qt::Orientation orientation, QStringList specs, QWidget* parent)
    : QSplitter(orientation, parent), specs_(std::move(specs)) {
    setChildrenCollapsible(false);
}

void FramesetSplitter::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    const int total = orientation() == Qt::Horizontal ? event->size().width() : event->size().height();
    setSizes(frameSizes(specs_, count(), qMax(0, total - handleWidth() * qMax(0, count() - 1))));
}

}
