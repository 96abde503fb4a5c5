#include "settings/StyleStandIn.h"

QString gStyleDescription;

QString LoadStyle(const QString& styleName) {
    return styleName;
}

bool SaveStyle(const QString&, const QString&) {
    return false;
}
