#include "explorer/ExplorerText.h"

#include "language/lexer/CharTables.h"
#include "language/model/DeclarationRecords.h"

QString ExplorerText(const CodeRecord& record, ExplorerTextRule rule) {
    const auto* typed = dynamic_cast<const TypedRecord*>(&record);
    if (!typed || rule == ExplorerTextRule::NameOnly)
        return record.Ime;
    if (rule == ExplorerTextRule::NameAndSuffix)
        return typed->Ime + (typed->Tip <= TipDoubleQuestion ? gTipSuffix[typed->Tip] : QString());
    QString text = DeclarationDisplayName(*typed);
    if (rule == ExplorerTextRule::NameTypeAndSize && typed->IsBBArray)
        text += typed->ArraySize();
    return text;
}
