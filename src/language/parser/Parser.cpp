#include "language/parser/Parser.h"

#include "editor/CurrentView.h"
#include "language/editing/NotificationHandler.h"
#include "vocabulary/Markers.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationKinds.h"
#include "foundation/errors/ErrorLog.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/keywords/BlockEnds.h"
#include "language/colour/ExpressionColouring.h"
#include "language/lexer/CharTables.h"
#include "language/colour/ColouringFlags.h"
#include "language/model/DeclarationParsing.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/FoldIndent.h"
#include "language/lexer/Lexer.h"
#include "language/lexer/LineReading.h"
#include "language/parser/OwnEdits.h"
#include "language/parser/ParsedStyles.h"
#include "language/parser/ParseState.h"
#include "language/parser/ScopeMoves.h"
#include "language/model/ScopeQueries.h"
#include "vocabulary/StyleNumbers.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

int gFoldLevel = 0;
int gIndentLevel = 0;
bool gParsingFile = false;
bool gConstructsChanged = false;
bool gIgnoreSciModified = false;
bool gCaptureKeyword = false;
QString gCapturedKeyword;
KeywordPtr gKeywordItem;

clsHash& CurrentLocalsTable() {
    if (!gCurrentLocals)
        gCurrentLocals = ActiveCodeModel()->MainFunLocals;
    return *gCurrentLocals;
}

KeywordPtr KeywordOfToken(int i) {
    int c = gLineBuffer[gTokens[i].StartPos];
    if (c > 96)
        c -= 32;
    return gKeywords(c).Item(gTokens[i].Text());
}

namespace {

const QString kModule = QStringLiteral("Mod_Parse");


// The first position after a token, its closing quote included.
int tokenEnd(const TokenRecord& token) {
    return token.Kind == tkString ? token.EndPos + 1 : token.EndPos;
}

// While a whole document is parsed from the top, nothing below the line is
// in the model yet, so no declaration needs to change scope: the scans that
// would look for some are skipped, and each line's work stays independent
// of the length of the document.
bool wholeDocumentPass() {
    return gParsingFile;
}

// The keyword tables cannot change while a document is parsed from the
// top: what each word turned out to be is remembered from line 0 on, keyed
// by the word's bytes on the line (the lookup ignores case, and a byte
// stands for one character, so the bytes decide the answer), and with it
// whether the word is spelled as the table spells the keyword already.
class KeywordMemo {
public:
    struct Word {
        KeywordPtr keyword;
        bool spelledAsListed = false;
    };

    // The storage stays from one document to the next: a whole-document
    // pass allocates nothing for the memo once it has grown, and only the
    // slots taken are emptied.
    void startDocument() {
        if (slots_.empty())
            slots_.resize(kFirstCapacity);
        for (const std::uint32_t at : taken_)
            slots_[at] = Slot{};
        taken_.clear();
        words_.clear();
        keywords_.clear();
    }

    // Valid until the next call.
    const Word& keywordOfToken(int i) {
        const TokenRecord& t = gTokens[i];
        const char* word = reinterpret_cast<const char*>(gLineBuffer + t.StartPos);
        const auto length = static_cast<std::uint32_t>(std::max(t.EndPos - t.StartPos, 0));
        if (slots_.empty())
            startDocument();
        const std::uint32_t hash = hashOf(word, length);
        const size_t at = slotOf(word, length, hash);
        if (slots_[at].length != kFree)
            return keywordOf(slots_[at]);
        KeywordPtr keyword = KeywordOfToken(i);
        const bool isKeyword = bool(keyword);
        if (isKeyword) {
            const bool spelled = t.Text() == keyword->Ime;
            keywords_.push_back(Word{std::move(keyword), spelled});
        }
        const Slot added{hash, length, static_cast<std::uint32_t>(words_.size()),
                         isKeyword ? static_cast<std::uint32_t>(keywords_.size()) : 0};
        slots_[at] = added;
        words_.append(word, length);
        taken_.push_back(static_cast<std::uint32_t>(at));
        if (taken_.size() * 4 > slots_.size() * 3)
            grow();
        return keywordOf(added);
    }

private:
    static constexpr std::uint32_t kFree = ~0u;
    static constexpr size_t kFirstCapacity = 1024;

    // Small, so that the table of a document of many names stays in the
    // processor's caches.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t length = kFree;
        std::uint32_t offset = 0;    // of the word in words_
        std::uint32_t keyword = 0;  // 1 + its index in keywords_, 0 for a word that is none
    };

    const Word& keywordOf(const Slot& slot) const {
        static const Word none;
        return slot.keyword ? keywords_[slot.keyword - 1] : none;
    }

    static std::uint32_t hashOf(const char* word, std::uint32_t length) {
        std::uint32_t hash = 2166136261u;
        for (std::uint32_t k = 0; k < length; ++k)
            hash = (hash ^ static_cast<unsigned char>(word[k])) * 16777619u;
        return hash;
    }

    // The word's slot, or the free one where it would go.
    size_t slotOf(const char* word, std::uint32_t length, std::uint32_t hash) const {
        size_t at = hash & (slots_.size() - 1);
        for (; slots_[at].length != kFree; at = (at + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[at];
            if (slot.hash == hash && slot.length == length && std::memcmp(words_.data() + slot.offset, word, length) == 0)
                break;
        }
        return at;
    }

    void grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (std::uint32_t& taken : taken_) {
            Slot& slot = old[taken];
            size_t at = slot.hash & (slots_.size() - 1);
            while (slots_[at].length != kFree)
                at = (at + 1) & (slots_.size() - 1);
            slots_[at] = slot;
            taken = static_cast<std::uint32_t>(at);
        }
    }

    std::vector<Slot> slots_;
    std::vector<std::uint32_t> taken_;
    std::string words_;
    std::vector<Word> keywords_;
};

// The line being parsed as characters, made when a step needs more than
// its tokens; its storage serves line after line.
QString& lineText() {
    static QString text;
    return text;
}

KeywordMemo& memo() {
    static KeywordMemo keywords;
    return keywords;
}

// One call of Parseline. i is the current token; a step that consumed
// tokens leaves i on the last of them, or on a token still to examine.
class LineParse {
public:
    LineParse(int line, bool inFilePass) : line_(line), inFilePass_(inFilePass) {}

    void run();

private:
    void readLine();
    void walkTokens();
    // False when token i is still to be examined.
    bool parseToken();
    bool keyword();
    bool statement(const QString& word);
    bool functionStatement();
    void endStatement();
    void endFunction(const BlockEnd& end);
    void endType(const BlockEnd& end);
    void endOther(const BlockEnd& end);
    void typeStatement();
    bool declarationList(const DeclarationKind& kind);
    void readTypeAndSize(TypedRecord& record, const DeclarationKind& kind);
    void addToTable(const std::shared_ptr<TypedRecord>& record, const DeclarationKind& kind);
    bool includeStatement();
    void label();
    void blockComment(bool open);

    void style(int startPos, int length, int styleNumber) const;
    long addMarker(int marker) const { return SciMarkerAdd(line_, marker); }
    // Markers whose handles no record keeps, the parsed-line marker among
    // them, go onto the line together once the tokens are walked.
    void addMarkerLater(int marker) { pendingMarkers_ |= markerMask(marker); }
    // Rewrites the word of token i in the spelling given, when it differs.
    void correctCase(int i, const QString& spelling);
    QString textFromTo(int startPos, int endPos) const;
    const QString& lineAsText() const;
    // A record of the kind, anchored to the line by the kind's marker.
    template <typename Record>
    std::shared_ptr<Record> newRecord(DeclarationKindId kind, const QString& name) const;

    // The scope is found again unless it is known: carried from the line
    // above in a pass from the top, or set by a boundary earlier on this line
    // (after an End Type, no Type is as known as one).
    bool recomputeFunction() const { return gCurrentFunction.isEmpty() || (!inFilePass_ && !functionBoundaryHere_); }
    bool recomputeType() const { return !typeBoundaryHere_ && (gCurrentType.isEmpty() || !inFilePass_); }

    const int line_;
    const bool inFilePass_;
    bool functionBoundaryHere_ = false;
    bool typeBoundaryHere_ = false;
    int length_ = 0;
    int lineBase_ = 0;
    int count_ = 0;
    int i_ = 1;
    QString& text_ = lineText();
    BlockCounts counts_;
    long pendingMarkers_ = 0;
    frmDoc* doc_ = nullptr;
    CodeModel* project_ = nullptr;
};

void LineParse::run() {
    OwnEdits ownEdits;
    try {
        doc_ = gActiveDoc.data();
        project_ = ActiveCodeModel();
        if (!doc_ || !project_)
            RaiseError(ErrObjectRequired, QStringLiteral("No active document or project"), kModule);
        gConstructsChanged = true;
        doc_->m_oSubclass->RestyleOnNextRequest();
        addMarkerLater(MARKER_PARSED);
        if (wholeDocumentPass() && (line_ == 0 || !inFilePass_))
            memo().startDocument();
        readLine();
        ParserStyles().beginLine(lineBase_ + 1, length_, gParsingFile && inFilePass_ && !ReindentsLines());
        // The blanks between tokens may still carry what the line was, a comment's style.
        ParserStyles().plainLine();
        if (!inFilePass_ || gCurrentFunction.isEmpty())
            gCurrentFunction = CurrentFunction(line_ - 1);
        // A pass starting here must not take the Type where the last parse ended: it is looked up when needed.
        if (!inFilePass_)
            gCurrentType.clear();
        if (gCurrentFunction == kMainProgram)
            addMarkerLater(MARKER_MAINPROGRAM);
        PrepareIndentLevel(line_, inFilePass_);
    } catch (...) {
        SetErrorLog(QStringLiteral("Parseline"), kModule);
        if (!doc_ || !project_)
            return;
    }
    walkTokens();
    try {
        ParserStyles().endLine();
        if (pendingMarkers_)
            SciDirect(gSciWndData, QsciScintillaBase::SCI_MARKERADDSET, static_cast<uptr_t>(line_), pendingMarkers_);
        // A line joined to this one may have brought the main program's marker onto a function's line.
        if (!(pendingMarkers_ & markerMask(MARKER_MAINPROGRAM)) && (SciMarkerGet(line_) & markerMask(MARKER_MAINPROGRAM)))
            SciMarkerDeleteEvery(line_, MARKER_MAINPROGRAM);
        ApplyFoldLevel(line_, inFilePass_, counts_);
    } catch (...) {
        SetErrorLog(QStringLiteral("Parseline"), kModule);
    }
    try {
        ApplyIndentation(line_, counts_);
    } catch (...) {
        SetErrorLog(QStringLiteral("Parseline"), kModule);
    }
}

void LineParse::readLine() {
    long start = 0;
    if (wholeDocumentPass() && inFilePass_) {
        length_ = ReadNextLineBytes(line_, start);
    } else {
        start = SciPositionFromLine(line_);
        length_ = ReadLineBytes(line_, start);
    }
    lineBase_ = static_cast<int>(start) - 1;
    count_ = Tokenize(length_);
    // The buffer holds an overlong line cut at its capacity: so does the parse.
    length_ = std::min(length_, kMaxLineLength);
}

const QString& LineParse::lineAsText() const {
    platform::assignFromAnsi(text_, reinterpret_cast<const char*>(gLineBufferPtr), length_);
    return text_;
}

void LineParse::walkTokens() {
    while (i_ <= count_) {
        const int before = i_;
        bool advance = true;
        try {
            advance = parseToken();
        } catch (...) {
            SetErrorLog(QStringLiteral("Parseline"), kModule);
        }
        if (advance || i_ == before)
            ++i_;
    }
}

bool LineParse::parseToken() {
    TokenRecord& t = gTokens[i_];
    switch (t.Kind) {
    case tkIdent:
        return keyword();
    case ',':
    case ':':
        style(t.StartPos, length_ - t.StartPos, STYLE_Separator);
        break;
    case tkComment:
        if (i_ == 1)
            counts_.noIndent = true;
        if (t.EndPos == -100) {
            style(t.StartPos, length_ - t.StartPos + 1, STYLE_Comment2);
            t.EndPos = 0;
        } else {
            style(t.StartPos, length_ - t.StartPos + 1, STYLE_Comment);
        }
        break;
    case tkBlockOpen:
        blockComment(true);
        break;
    case tkBlockClose:
        blockComment(false);
        break;
    case tkNumber:
        style(t.StartPos, t.EndPos - t.StartPos, STYLE_Number);
        break;
    case tkString:
        style(t.StartPos, t.EndPos - t.StartPos + 1, STYLE_String);
        break;
    case '.':
        if (i_ == 1 && gTokens[2].Kind == tkIdent)
            label();
        break;
    case tkNone:
        style(t.StartPos, t.EndPos - t.StartPos, gStrictModeStyle);
        break;
    default:
        if (gIsOperator[t.Kind])
            style(t.StartPos, 1, STYLE_Operator);
        break;
    }
    return true;
}

bool LineParse::keyword() {
    // Copies of the keyword's pointer are shared counts, paid for with
    // atomic steps: the memo's is only read, and gKeywordItem changes when
    // another keyword comes.
    KeywordMemo::Word looked;
    const KeywordMemo::Word& found = wholeDocumentPass() ? memo().keywordOfToken(i_) : (looked.keyword = KeywordOfToken(i_), looked);
    if (!found.keyword)
        return true;
    if (gKeywordItem != found.keyword)
        gKeywordItem = found.keyword;
    const ClsBBFunkcija& keyword = *gKeywordItem;
    // A word spelled as listed needs neither its correction nor its characters.
    if (!found.spelledAsListed)
        correctCase(i_, keyword.Ime);
    const QString& word = found.spelledAsListed ? keyword.Ime : gTokens[i_].Text();
    if (keyword.IsStartScope && gCaptureKeyword)
        gCapturedKeyword = word;
    CountKeyword(counts_, keyword, i_, count_);
    style(gTokens[i_].StartPos, gTokens[i_].EndPos - gTokens[i_].StartPos, STYLE_Keyword);

    if (i_ == count_) {
        if (word == QLatin1String("Stop"))
            addMarkerLater(MARKER_BREAKPOINT);
        return true;
    }
    const TokenRecord& next = gTokens[i_ + 1];
    if (next.Kind == tkIdent)
        return statement(word);
    if (next.Kind == ':' && word == QLatin1String("Stop")) {
        ++i_;
        addMarkerLater(MARKER_BREAKPOINT);
        return false;
    }
    if (next.Kind == tkString && word == QLatin1String("Include") && !next.Text().isEmpty())
        return includeStatement();
    return true;
}

bool LineParse::statement(const QString& word) {
    if (word == QLatin1String("Function"))
        return functionStatement();
    if (word == QLatin1String("End"))
        endStatement();
    else if (word == QLatin1String("Type"))
        typeStatement();
    else if (const DeclarationKind* list = FindDeclarationList(word))
        return declarationList(*list);
    return true;
}

bool LineParse::functionStatement() {
    auto function = newRecord<ClsFunkcija>(DeclarationKindId::Function, gTokens[i_ + 1].Text());
    ++i_;
    const int paramsAt = BuildFunction(*function, i_, count_, lineBase_, lineAsText());
    if (function->VlezNum > 0) {
        // Read back from the document: the parameters' keywords are in the
        // keyword table's spelling by now.
        const int paramsEnd = i_ <= count_ ? gTokens[i_].StartPos : length_ + 1;
        QString help = textFromTo(paramsAt, paramsEnd);
        while (help.endsWith(QLatin1Char('\n')) || help.endsWith(QLatin1Char('\r')))
            help.chop(1);
        function->Help = help;
    }

    if (!wholeDocumentPass()) {
        if (recomputeFunction())
            gCurrentFunction = CurrentFunction(line_ - 1);
        // The locals of this very line were declared before the header: they stay where they are.
        if (gCurrentFunction != kMainProgram) {
            MoveRecords(CurrentLocalsTable(), *function->Locals, {line_ + 1, kBeyondLastLine});
        } else if (SciMarkerNext(line_, markerMask(MARKER_LOCAL)) >= 0) {
            const LineSpan below = ThroughNextBoundary(line_, markerMask(MARKER_FUNCTION));
            MoveRecords(CurrentLocalsTable(), *function->Locals, {line_ + 1, below.end, below.throughEnd});
        }
    }

    project_->Funkcii.Add(function->Ime, function);
    addMarkerLater(MARKER_FOLDSTART);
    pendingMarkers_ &= ~markerMask(MARKER_MAINPROGRAM);
    counts_.functionBoundary = true;
    ++counts_.foldDelta;
    gIndentLevel = 1;
    gCurrentFunction = function->Ime;
    gCurrentLocals = function->Locals;
    functionBoundaryHere_ = true;
    project_->FunctionsDirty = true;
    return false;
}

void LineParse::endStatement() {
    const BlockEnd* end = FindBlockEnd(gTokens[i_ + 1].Text());
    if (!end)
        return;
    if (end->block == EndedBlock::Function)
        endFunction(*end);
    else if (end->block == EndedBlock::Type)
        endType(*end);
    else
        endOther(*end);
}

void LineParse::endOther(const BlockEnd& end) {
    ++i_;
    correctCase(i_, QLatin1String(end.word));
    style(gTokens[i_].StartPos, gTokens[i_].EndPos - gTokens[i_].StartPos, STYLE_Keyword);
    counts_.closers += end.closers;
}

void LineParse::endFunction(const BlockEnd& end) {
    endOther(end);
    --counts_.foldDelta;
    gIndentLevel = 1;
    // Asked before the line carries its own boundary markers, which would
    // end the walk at this very line.
    if (recomputeFunction())
        gCurrentFunction = CurrentFunction(line_);
    functionBoundaryHere_ = true;
    if (gCurrentFunction != kMainProgram) {
        if (!wholeDocumentPass() && SciMarkerNext(line_, markerMask(MARKER_LOCAL)) >= 0)
            MoveRecords(CurrentLocalsTable(), *project_->MainFunLocals, {line_ + 1, kBeyondLastLine});
    }
    // What follows on this line and below it stands in the main program,
    // which the line's own markers only tell once the line is parsed.
    gCurrentFunction = kMainProgram;
    gCurrentLocals = project_->MainFunLocals;
    addMarkerLater(MARKER_FUNCTION);
    addMarkerLater(MARKER_FOLDEND);
    counts_.functionBoundary = true;
}

void LineParse::endType(const BlockEnd& end) {
    endOther(end);
    --counts_.foldDelta;
    if (recomputeType())
        gCurrentType = CurrentType(line_);
    typeBoundaryHere_ = true;
    if (!gCurrentType.isEmpty()) {
        gCurrentType.clear();
        if (!wholeDocumentPass() && gCurrentFields)
            MoveRecords(*gCurrentFields, doc_->tmpFields, {line_ + 1, kBeyondLastLine});
    }
    addMarkerLater(MARKER_TYPE);
    addMarkerLater(MARKER_FOLDEND);
}

void LineParse::typeStatement() {
    if (!wholeDocumentPass() && recomputeType())
        gCurrentType = CurrentType(line_ - 1);
    auto type = newRecord<ClsType>(DeclarationKindId::Type, gTokens[i_ + 1].Text());
    ++i_;
    if (!wholeDocumentPass()) {
        // The fields of this very line were declared before the header: they stay where they are.
        if (!gCurrentType.isEmpty() && gCurrentFields) {
            MoveRecords(*gCurrentFields, *type->Fields, {line_ + 1, kBeyondLastLine});
        } else {
            const LineSpan below = ThroughNextBoundary(line_, markerMask(MARKER_TYPE));
            MoveRecords(doc_->tmpFields, *type->Fields, {line_ + 1, below.end, below.throughEnd});
        }
    }
    project_->Types.Add(type->Ime, type);
    addMarkerLater(MARKER_FOLDSTART);
    ++counts_.foldDelta;
    style(gTokens[i_].StartPos, static_cast<int>(type->Ime.size()), STYLE_Type);
    gCurrentType = type->Ime;
    gCurrentFields = type->Fields;
    typeBoundaryHere_ = true;
    project_->TypesDirty = true;
}

bool LineParse::declarationList(const DeclarationKind& kind) {
    if (kind.id == DeclarationKindId::Field && recomputeType())
        gCurrentType = CurrentType(line_);
    else if (kind.id == DeclarationKindId::Local && recomputeFunction())
        gCurrentFunction = CurrentFunction(line_);
    project_->*kind.dirty = true;

    while (gTokens[i_ + 1].Kind == tkIdent) {
        auto record = newRecord<TypedRecord>(kind.id, gTokens[i_ + 1].Text());
        ++i_;
        readTypeAndSize(*record, kind);
        addToTable(record, kind);
        if (gTokens[i_].Kind != ',')
            break;
        style(gTokens[i_].StartPos, 1, STYLE_Separator);
    }
    return i_ > count_;
}

// Token i is the declared name; it is left on the token after the name's
// suffix and its initialiser or size.
void LineParse::readTypeAndSize(TypedRecord& record, const DeclarationKind& kind) {
    const bool array = kind.id == DeclarationKindId::Array;
    QString typeName;
    int bracketIndex = 0;
    bool hasBrackets = false;
    record.Tip = array ? GetArrayVarTipColor(i_, typeName, bracketIndex, hasBrackets, count_, lineBase_)
                       : GetVarTipColor(i_, typeName, bracketIndex, hasBrackets, count_, lineBase_);
    if (kind.id == DeclarationKindId::Constant)
        return;  // a constant keeps its type code only
    if (record.Tip == TipCustom)
        record.Tajp = typeName;
    if (hasBrackets) {
        record.SetArraySize(textFromTo(gTokens[bracketIndex].StartPos, tokenEnd(gTokens[i_ - 1])));
        record.IsBBArray = !array;
    }
}

void LineParse::addToTable(const std::shared_ptr<TypedRecord>& record, const DeclarationKind& kind) {
    record->AfterBoundary = kind.id == DeclarationKindId::Field ? typeBoundaryHere_ : functionBoundaryHere_;
    if (kind.table)
        (project_->*kind.table).Add(record->Ime, record);
    else if (kind.id == DeclarationKindId::Local)
        CurrentLocalsTable().Add(record->Ime, record);
    else if (gCurrentType.isEmpty() || !gCurrentFields)
        doc_->tmpFields.insert(record->Handle, record);
    else
        gCurrentFields->Add(record->Ime, record);
}

bool LineParse::includeStatement() {
    const QString name = gTokens[i_ + 1].Text();
    auto include = newRecord<clsInclude>(DeclarationKindId::Include, name);
    project_->Includes.Add(include->Ime, include);
    project_->IncludesDirty = true;
    ++i_;
    return false;  // the string itself is styled next
}

void LineParse::label() {
    auto label = newRecord<clsLabel>(DeclarationKindId::Label, gTokens[2].Text());
    project_->Labels.Add(label->Ime, label);
    project_->LabelsDirty = true;
    i_ = 2;
}

void LineParse::blockComment(bool open) {
    const TokenRecord& t = gTokens[i_];
    const QString word = open ? QStringLiteral("Block") : QStringLiteral("End");
    if (t.Text() != word)
        ReplaceRange(lineBase_ + t.StartPos + 2, word, word.size());
    style(t.StartPos, length_ - t.StartPos + 1, STYLE_Block);
    addMarkerLater(MARKER_BLOCK);
    addMarkerLater(open ? MARKER_FOLDSTART : MARKER_FOLDEND);
    counts_.foldDelta += open ? 1 : -1;
}

void LineParse::style(int startPos, int length, int styleNumber) const {
    ParserStyles().set(lineBase_ + startPos, length, styleNumber);
}

// Only a spelling of the same length is taken, so that no position on the
// line moves.
void LineParse::correctCase(int i, const QString& spelling) {
    TokenRecord& t = gTokens[i];
    if (t.Text() == spelling || t.Text().size() != spelling.size())
        return;
    ReplaceToken(spelling, i, lineBase_);
    const QByteArray bytes = platform::toAnsi(spelling);
    std::memcpy(gLineBuffer + t.StartPos, bytes.constData(), static_cast<size_t>(bytes.size()));
    t.setText(spelling);
}

QString LineParse::textFromTo(int startPos, int endPos) const {
    if (endPos <= startPos)
        return {};
    return platform::fromAnsi(SciGetTextRange(gSciWndData, lineBase_ + startPos, lineBase_ + endPos));
}

template <typename Record>
std::shared_ptr<Record> LineParse::newRecord(DeclarationKindId kind, const QString& name) const {
    const DeclarationKind& row = declarationKind(kind);
    auto record = std::static_pointer_cast<Record>(row.newRecord());
    record->Ime = name;
    record->Handle = static_cast<int>(addMarker(row.marker));
    record->File = doc_->Filename();
    record->SciWndData = gSciWndData;
    return record;
}

}

void Parseline(int Line, bool InFilePass) {
    LineParse(Line, InFilePass).run();
}
