#include "DumpCommand.h"
#include "StyleText.h"
#include "../support/HeadlessKorvo.h"
#include "../support/OpenedDocument.h"

#include "editor/CurrentView.h"
#include "editor/EditorStyles.h"
#include "platform/AnsiText.h"
#include "vocabulary/ColorStyle.h"

#include <QTemporaryDir>

#include <cstdio>

namespace {

using S = QsciScintillaBase;

sptr_t ask(unsigned message, uptr_t wParam = 0) {
    return SciDirect(gSciWndData, message, wParam);
}

QString hex6(sptr_t colour) {
    return QStringLiteral("%1").arg(quint32(colour) & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QString faceOf(int style) {
    QByteArray face(ask(S::SCI_STYLEGETFONT, style) + 1, '\0');
    SciDirect(gSciWndData, S::SCI_STYLEGETFONT, style, reinterpret_cast<sptr_t>(face.data()));
    return platform::fromAnsi(QByteArray(face.constData()));
}

void printStyle(int style) {
    printLine(QStringLiteral("style %1 %2 %3 %4 %5 %6 %7 %8")
                  .arg(style)
                  .arg(hex6(ask(S::SCI_STYLEGETFORE, style)), hex6(ask(S::SCI_STYLEGETBACK, style)))
                  .arg(ask(S::SCI_STYLEGETSIZE, style))
                  .arg(ask(S::SCI_STYLEGETBOLD, style))
                  .arg(ask(S::SCI_STYLEGETITALIC, style))
                  .arg(ask(S::SCI_STYLEGETUNDERLINE, style))
                  .arg(faceOf(style)));
}

// FILE.style applied to a fresh editor, as the editor then reports its styles.
int applyStyle(const QStringList& args) {
    if (args.size() != 1)
        return kWrongArguments;
    const std::optional<StyleFileContent> content = ReadStyleFile(args[0]);
    if (!content)
        return 1;
    StartHeadlessKorvo();
    QTemporaryDir folder;
    const OpenedDocument doc = OpenSourceText(folder.filePath(QStringLiteral("Styled.bb")), QByteArray());
    if (!doc)
        return 1;
    gColorStyle = content->style;
    ApplyEditorStyles();
    for (int style = 0; style < kColorStyleSlots; ++style)
        printStyle(style);
    printLine(QStringLiteral("caret ") + hex6(ask(S::SCI_GETCARETFORE)));
    printLine(QStringLiteral("caretline ") + hex6(ask(S::SCI_GETCARETLINEBACK)));
    return 0;
}

const DumpCommand applyStyleCommand("--apply-style", "FILE.style", applyStyle);

}
