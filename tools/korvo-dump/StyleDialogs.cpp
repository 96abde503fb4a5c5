#include "DialogDriver.h"
#include "DumpCommand.h"
#include "StyleText.h"

#include "settings/frmColors.h"
#include "settings/frmStyles.h"
#include "vocabulary/ColorStyle.h"

namespace {

void printRecord() {
    printLine(QStringLiteral("record"));
    for (const QString& line : StyleTextLines({gColorStyle, gStyleDescription}))
        printLine(line);
}

const DumpDialog colourStyles("colour-styles", [] { return std::make_unique<frmColors>(); }, printRecord);
const DumpDialog uiStyles("ui-styles", [] { return std::make_unique<frmStyles>(); });

}
