#include "platform/dock/Controls.h"

#include "platform/KorvoError.h"

namespace dock::controls {

int find(const QList<ControlData>& controls, const QString& key) {
    for (qsizetype i = 0; i < controls.size(); ++i)
        if (controls[i].key == key)
            return int(i) + 1;
    return 0;
}

void insert(QList<ControlData>& controls, const ControlData& control, int position) {
    if (position >= 1 && position <= controls.size())
        controls.insert(position - 1, control);
    else
        controls.append(control);
}

ControlData& at(QList<ControlData>& controls, int position) {
    if (position < 1 || position > controls.size())
        RaiseError(ErrSubscriptOutOfRange, QStringLiteral("No entry at position %1").arg(position));
    return controls[position - 1];
}

void remove(QList<ControlData>& controls, int position) {
    at(controls, position);
    controls.removeAt(position - 1);
}

}
